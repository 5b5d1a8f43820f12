#include "label/app/quorvi_view.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "label/app/quorvi_settings.h"
#include "label/data/data_file_check.h"
#include "label/definition/quorvi_doc.h"
#include "label/definition/tenths_of_mm.h"
#include "label/editor/widgets/command_actions.h"
#include "platform/qpainter_surface.h"

namespace qv {

namespace {

constexpr double kLogicalPerInch = kTenthsPerInch;

}  // namespace

CQuorviView::CQuorviView(CQuorviDoc& document, QuorviSettings& settings, MacroClock& clock,
                         QWidget* parent)
    : QWidget(parent), document_(document), settings_(settings), clock_(clock) {
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CQuorviView::resizeToSheet() {
    resize(sizeHint());
}

// Room for everything the overview draws, with a margin of 5 mm of logical units: the paper's
// bottom and right edges and the three lines above it. Before the first drawing the lines are
// estimated at 60 mm.
QSize CQuorviView::sizeHint() const {
    const SheetGeometry& s = document_.definition().sheet;
    const LogicalPoint origin = overviewOrigin(s.paperIndex);
    const int z = settings_.formZoom;
    const int paperRight = origin.x + z * s.paperWidthMm;
    const int paperBottom = origin.y - z * s.paperHeightMm;
    const bool measured = drawnFor_ == std::make_pair(s.paperIndex, z);
    const int right = std::max(paperRight, measured ? areas_.drawn.right : 800);
    const int bottom = std::min(paperBottom, measured ? areas_.drawn.bottom : paperBottom);
    const double pixelsPerUnit = logicalDpiX() / kLogicalPerInch;
    constexpr int kMargin = 50;
    return QSize(static_cast<int>((right + kMargin) * pixelsPerUnit),
                 static_cast<int>((kMargin - bottom) * pixelsPerUnit));
}

QPointF CQuorviView::toLogical(const QPointF& pixel) const {
    const double perPixel = kLogicalPerInch / logicalDpiX();
    return {pixel.x() * perPixel, -pixel.y() * perPixel};
}

bool CQuorviView::contains(const LogicalRect& r, const QPointF& p) {
    return p.x() >= r.left && p.x() <= r.right && p.y() <= r.top && p.y() >= r.bottom;
}

void CQuorviView::paintEvent(QPaintEvent* event) {
    if (event->rect().isEmpty()) return;
    QPainter painter(this);
    {
        QPainterSurface surface(painter);
        areas_ = drawSheetOverview(surface, document_.definition(), settings_.formZoom,
                                   clock_.timestamp(), settings_.print,
                                   paintLoadedBitmaps(document_.loadedBitmaps()));
    }
    drawnFor_ = {document_.definition().sheet.paperIndex, settings_.formZoom};
    drawDataIcon(painter);
    // The description's real width is known now: grow (or shrink) to it after this paint.
    if (sizeHint() != size()) QTimer::singleShot(0, this, &CQuorviView::resizeToSheet);
}

// The data icon: filled when the records are printed, hollow when only the constants are.
void CQuorviView::drawDataIcon(QPainter& painter) const {
    const QRect icon = dataIconRect();
    painter.resetTransform();
    painter.setPen(QPen(Qt::darkGreen, 2));
    painter.setBrush(document_.dataFileUsable ? QBrush(QColor(0, 128, 0)) : Qt::NoBrush);
    painter.drawRoundedRect(icon.adjusted(2, 2, -2, -2), 4, 4);
    painter.setPen(document_.dataFileUsable ? Qt::white : Qt::darkGreen);
    painter.drawText(icon, Qt::AlignCenter, QStringLiteral("DATA"));
}

void CQuorviView::mousePressEvent(QMouseEvent* event) {
    const QPointF logical = toLogical(event->position());
    if (event->button() == Qt::LeftButton && dataIconRect().contains(event->position().toPoint())) {
        // Data use can be switched only when the data file's extension allows records at all.
        if (dataFileModes(document_.definition().dataFile.dataFilePath).usable) {
            document_.dataFileUsable = !document_.dataFileUsable;
            emit dataUseChanged();
            update();
        }
        return;
    }
    if (event->button() == Qt::RightButton && !contains(areas_.grid, logical)) {
        showContextMenu(event->globalPosition().toPoint());
    }
}

// A right click on the grid opens the label size; above or below it the title.
void CQuorviView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    const QPointF logical = toLogical(event->position());
    if (!contains(areas_.paper, logical)) return;
    if (contains(areas_.grid, logical)) {
        emit command(LabelCommand::LabelSize);
    } else if (logical.x() >= areas_.grid.left && logical.x() <= areas_.grid.right) {
        emit command(LabelCommand::Title);
    }
}

void CQuorviView::mouseMoveEvent(QMouseEvent* event) {
    setCursor(dataIconRect().contains(event->position().toPoint()) ? Qt::PointingHandCursor
                                                                   : Qt::ArrowCursor);
}

// Taking the focus, the view goes back to what the data file's extension allows and the layout
// editor leaves its literal and line modes.
void CQuorviView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    document_.dataFileUsable = dataFileModes(document_.definition().dataFile.dataFilePath).usable;
    emit focusGained();
    update();
}

void CQuorviView::showContextMenu(const QPoint& at) {
    QMenu menu(this);
    const auto add = [&menu](const char* text, LabelCommand id) {
        return addCommandAction(menu, QString::fromUtf8(text), id);
    };
    add("データファイル設定", LabelCommand::DataFile);
    add("ラベルのサイズと割付", LabelCommand::LabelSize);
    add("ページタイトルの設定", LabelCommand::Title);
    menu.addSeparator();
    add("ラベルの印刷方向の設定", LabelCommand::Direction);
    add("ラベルの連番設定", LabelCommand::SerialNumber);
    add("フィールド指定改頁の設定", LabelCommand::PageBreak);
    add("モノパターン印刷の設定", LabelCommand::MonoPattern)->setEnabled(monoPatternAvailable_);
    if (const std::optional<LabelCommand> chosen = commandOf(menu.exec(at))) emit command(*chosen);
}

}  // namespace qv
