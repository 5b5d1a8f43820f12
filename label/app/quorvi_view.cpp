#include "label/app/quorvi_view.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "label/app/quorvi_settings.h"
#include "label/data/data_file_check.h"
#include "label/definition/quorvi_doc.h"
#include "platform/qpainter_surface.h"

namespace qv {

namespace {

constexpr double kLogicalPerInch = 254.0;  // 0.1 mm units

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

QSize CQuorviView::sizeHint() const {
    const SheetGeometry& s = document_.definition().sheet;
    const double pixelsPerMm = settings_.formZoom * logicalDpiX() / kLogicalPerInch;
    return QSize(static_cast<int>((s.paperWidthMm + 20) * pixelsPerMm),
                 static_cast<int>((s.paperHeightMm + 50) * pixelsPerMm));
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
    drawDataIcon(painter);
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
        emit labelSizeRequested();
    } else if (logical.x() >= areas_.grid.left && logical.x() <= areas_.grid.right) {
        emit titleRequested();
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
    for (const char* name :
         {"データファイル設定", "ラベルのサイズと割付", "ページタイトルの設定"}) {
        menu.addAction(QString::fromUtf8(name));
    }
    menu.addSeparator();
    for (const char* name : {"ラベルの印刷方向の設定", "ラベルの連番設定",
                             "フィールド指定改頁の設定", "モノパターン印刷の設定"}) {
        menu.addAction(QString::fromUtf8(name));
    }
    menu.actions().last()->setEnabled(monoPatternAvailable_);
    if (QAction* chosen = menu.exec(at)) emit command(chosen->text());
}

}  // namespace qv
