#include "editor/widgets/rowsmith_view.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "editor/widgets/cell_editor.h"
#include "editor/widgets/field_name_bar.h"
#include "editor/widgets/rowsmith_commands.h"
#include "platform/font_mapping.h"
#include "platform/qt_text.h"

namespace qv {

CROWSMITHView::CROWSMITHView(CROWSMITHDoc& document, ClipboardPort& clipboard,
                             MessageService& messages, QWidget* parent)
    : QAbstractScrollArea(parent),
      document_(document),
      clipboard_(clipboard),
      messages_(messages),
      editor_(document, clipboard, messages),
      screenFont_(font()),
      numberFont_(familyForFace(toSjis(QStringLiteral("ＭＳ 明朝"))), 10),
      nameBar_(new FieldNameBar(this)),
      cellEditor_(new CellEditor(viewport())) {
    viewport()->setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    cellEditor_->hide();
    connect(nameBar_, &FieldNameBar::nameClicked, this, &CROWSMITHView::selectColumn);
    connect(nameBar_, &FieldNameBar::selectionCleared, this, &CROWSMITHView::clearColumnSelection);
    connect(cellEditor_, &CellEditor::confirmed, this, &CROWSMITHView::confirmCell);
    connect(cellEditor_, &CellEditor::cancelled, this, &CROWSMITHView::endEditing);
    connect(cellEditor_, &CellEditor::backTabbed, this, &CROWSMITHView::backTabCell);
    setScreenFont(screenFont_);
}

void CROWSMITHView::setScreenFont(const QFont& font) {
    screenFont_ = font;
    QFont barFont(font.family());
    barFont.setPointSize(10);
    nameBar_->setBarFont(barFont);
    relayout();
}

void CROWSMITHView::refreshView() {
    endEditing();
    editor_.reset();
    highlighted_ = false;
    dragging_ = false;
    selectedColumn_ = -1;
    nameBar_->setSelected(-1);
    relayout();
}

void CROWSMITHView::documentResized() {
    relayout();
}

// Metrics, columns, the bar and the extent from the font and the document as they are now.
void CROWSMITHView::relayout() {
    const QFontMetrics metrics(screenFont_);
    geometry_.layout(document_, metrics.height() + std::max(metrics.leading(), 0),
                     metrics.horizontalAdvance(QLatin1Char('A')));
    QStringList names;
    for (const std::string& name : document_.headerNames) names << fromSjis(name);
    nameBar_->setNames(names, geometry_);
    if (selectedColumn_ > static_cast<int>(document_.headerNames.size())) {
        selectedColumn_ = -1;
        nameBar_->setSelected(-1);
    }
    const bool showBar = !document_.headerNames.empty();
    nameBar_->setVisible(showBar);
    setViewportMargins(0, showBar ? nameBar_->barHeight() : 0, 0, 0);
    placeNameBar();
    updateScrollRanges();
    if (editing_.active) placeCellEditor();
    viewport()->update();
}

void CROWSMITHView::updateScrollRanges() {
    const QSize area = viewport()->size();
    const int across = geometry_.charWidth();
    const int down = geometry_.rowHeight();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, geometry_.contentWidth() - area.width()));
    horizontal->setPageStep(std::max(across, area.width() / across * across));
    horizontal->setSingleStep(across);
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(
        0, std::max(0, geometry_.contentHeight(document_.lines.size()) - area.height()));
    vertical->setPageStep(std::max(1, area.height() / down) * down);
    vertical->setSingleStep(down);
}

void CROWSMITHView::placeNameBar() {
    const QRect area = viewport()->geometry();
    const int height = nameBar_->barHeight();
    nameBar_->setGeometry(area.x(), area.y() - height, area.width(), height);
    nameBar_->setOffset(horizontalScrollBar()->value());
}

void CROWSMITHView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    placeNameBar();
    updateScrollRanges();
}

void CROWSMITHView::scrollContentsBy(int, int) {
    nameBar_->setOffset(horizontalScrollBar()->value());
    if (editing_.active) placeCellEditor();
    viewport()->update();
}

int CROWSMITHView::rowAtViewportY(int y) const {
    return geometry_.rowAt(std::max(y + verticalScrollBar()->value(), 0));
}

int CROWSMITHView::fieldAtViewportX(int x) const {
    return geometry_.fieldAt(x + horizontalScrollBar()->value());
}

QRect CROWSMITHView::cellRect(int row, int field) const {
    if (field >= static_cast<int>(geometry_.columnCount())) return {};
    const auto column = static_cast<size_t>(field);
    const int left = field < 0 ? 0 : geometry_.columnLeft(column);
    const int width = field < 0 ? geometry_.numberWidth() : geometry_.columnWidth(column);
    return QRect(left - horizontalScrollBar()->value(),
                 geometry_.rowTop(row) - verticalScrollBar()->value(), width,
                 geometry_.rowHeight());
}

// Scrolls as little as brings the cell (with the edit's border) into the window.
void CROWSMITHView::ensureCellVisible(int row, size_t field) {
    const int margin = 2;
    QScrollBar* horizontal = horizontalScrollBar();
    const int left = geometry_.columnLeft(field) - margin;
    const int right = geometry_.columnLeft(field) + geometry_.columnWidth(field) + margin;
    if (right > horizontal->value() + viewport()->width()) {
        horizontal->setValue(right - viewport()->width());
    }
    if (left < horizontal->value()) horizontal->setValue(left);
    QScrollBar* vertical = verticalScrollBar();
    const int top = geometry_.rowTop(row) - margin;
    const int bottom = geometry_.rowTop(row) + geometry_.rowHeight() + margin;
    if (bottom > vertical->value() + viewport()->height()) {
        vertical->setValue(bottom - viewport()->height());
    }
    if (top < vertical->value()) vertical->setValue(top);
}

void CROWSMITHView::scrollToRecord(int n) {
    endEditing();
    const int row = std::clamp(n, 1, std::max(document_.recordCount(), 1));
    editor_.clearSelection();
    editor_.setCurrentRow(row);
    highlighted_ = true;
    const int top = geometry_.rowTop(row);
    QScrollBar* vertical = verticalScrollBar();
    if (top < vertical->value() ||
        top + geometry_.rowHeight() > vertical->value() + viewport()->height()) {
        vertical->setValue(top);
    }
    viewport()->update();
}

void CROWSMITHView::setRecordDialogOpen(bool open) {
    recordDialogOpen_ = open;
    viewport()->update();
}

void CROWSMITHView::setBarcodeDialogOpen(bool open) {
    barcodeDialogOpen_ = open;
}

void CROWSMITHView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
        case Qt::Key_PageUp:
            return vertical->triggerAction(QAbstractSlider::SliderPageStepSub);
        case Qt::Key_PageDown:
            return vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
        case Qt::Key_Up:
            return vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        case Qt::Key_Down:
            return vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        case Qt::Key_Left:
            return horizontal->triggerAction(QAbstractSlider::SliderPageStepSub);
        case Qt::Key_Right:
            return horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
        case Qt::Key_Home:
            return vertical->setValue(0);
        case Qt::Key_End:
            return vertical->setValue(vertical->maximum());
        default:
            break;
    }
    // Without the shell's menu shortcuts (a view on its own) the standard keys still work.
    if (event->matches(QKeySequence::Copy)) return copy();
    if (event->matches(QKeySequence::Cut)) return cut();
    if (event->matches(QKeySequence::Paste)) return paste();
    if (event->matches(QKeySequence::Undo)) return undo();
    QAbstractScrollArea::keyPressEvent(event);
}

void CROWSMITHView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    emit activated();
}

}  // namespace qv
