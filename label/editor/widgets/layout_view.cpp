#include "label/editor/widgets/layout_view.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include "platform/qpainter_surface.h"

namespace qv {

namespace {

constexpr double kLogicalPerInch = 254.0;
const QPoint kLabelOriginPixels(50, 180);
constexpr int kDarkGreen = 9;

bool contains(const LogicalRect& r, const QPoint& p) {
    return r.right > r.left && p.x() >= r.left && p.x() <= r.right && p.y() <= r.top &&
           p.y() >= r.bottom;
}

LogicalRect relative(const LogicalRect& r, LogicalPoint origin) {
    return {r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
}

}  // namespace

CBarLayoutView::CBarLayoutView(CQuorviDoc& document, LayoutView settings, QWidget* parent)
    : QWidget(parent),
      document_(document),
      settings_(std::move(settings)),
      literalButton_(new QToolButton(this)),
      lineButton_(new QToolButton(this)),
      endButton_(new QToolButton(this)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    literalButton_->setText(QStringLiteral("文"));
    lineButton_->setText(QStringLiteral("線"));
    endButton_->setText(QStringLiteral("終"));
    for (QToolButton* button : {literalButton_, lineButton_}) button->setCheckable(true);
    connect(literalButton_, &QToolButton::clicked, this,
            [this] { emit modeButtonClicked(Mode::Literal); });
    connect(lineButton_, &QToolButton::clicked, this,
            [this] { emit modeButtonClicked(Mode::Line); });
    connect(endButton_, &QToolButton::clicked, this, [this] { emit settingModeEnded(); });
    placeModeButtons();
}

void CBarLayoutView::placeModeButtons() {
    literalButton_->setGeometry(14, 50, 24, 24);
    lineButton_->setGeometry(14, 74, 24, 24);
    endButton_->setGeometry(14, 98, 24, 12);
    for (QToolButton* button : {literalButton_, lineButton_, endButton_}) {
        button->setVisible(settingMode_);
    }
    literalButton_->setChecked(mode_ == Mode::Literal);
    lineButton_->setChecked(mode_ == Mode::Line);
}

void CBarLayoutView::setZoom(int percent) {
    settings_.zoomPercent = percent;
    update();
}

void CBarLayoutView::setMode(Mode mode) {
    mode_ = mode;
    if (mode == Mode::Line) rubber_ = false;
    placeModeButtons();
    update();
}

void CBarLayoutView::setSettingMode(bool on) {
    settingMode_ = on;
    if (!on) {
        mode_ = Mode::Normal;
        selectedField_ = selectedLiteral_ = -1;
        emit statusMessage(QStringLiteral("Ready"));
    }
    placeModeButtons();
    update();
}

void CBarLayoutView::setShowFields(bool show) {
    settings_.showFields = show;
    update();
}

void CBarLayoutView::selectField(int index) {
    selectedField_ = index;
    selectedLiteral_ = -1;
}

void CBarLayoutView::selectLiteral(int slot) {
    selectedLiteral_ = slot;
    selectedField_ = -1;
}

QPoint CBarLayoutView::labelPoint(const QPointF& pixel) const {
    const QPointF from = pixel - QPointF(kLabelOriginPixels);
    const double perPixel = kLogicalPerInch / logicalDpiX();
    return QPoint(static_cast<int>(from.x() * perPixel), static_cast<int>(-from.y() * perPixel));
}

void CBarLayoutView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colourOf(colourOfIndex(kDarkGreen)));
    const double perPixel = kLogicalPerInch / logicalDpiX();
    settings_.labelOrigin = {static_cast<int>(kLabelOriginPixels.x() * perPixel),
                             static_cast<int>(-kLabelOriginPixels.y() * perPixel)};
    {
        QPainterSurface surface(painter);
        areas_ = drawLayout(surface, document_.definition(), settings_,
                            paintLoadedBitmaps(document_.loadedBitmaps()));
        const LogicalPoint o = settings_.labelOrigin;
        for (LogicalRect& r : areas_.fields) r = relative(r, o);
        for (LogicalRect& r : areas_.literals) r = relative(r, o);
        for (LogicalRect& r : areas_.bitmaps) r = relative(r, o);
        areas_.label = relative(areas_.label, o);
    }
    if (!areas_.status.empty()) emit statusMessage(QString::fromStdString(areas_.status));
    // The focus mark at the top left: filled while the editor has the keyboard focus.
    painter.resetTransform();
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(hasFocus() ? QBrush(Qt::white) : Qt::NoBrush);
    painter.drawEllipse(QRect(6, 6, 16, 16));
    if (rubber_) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        const QPointF a = QPointF(rubberStart_.x(), -rubberStart_.y()) / perPixel;
        const QPointF b = QPointF(rubberEnd_.x(), -rubberEnd_.y()) / perPixel;
        painter.fillRect(QRectF(a, b).normalized().translated(kLabelOriginPixels), Qt::white);
    }
}

void CBarLayoutView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = labelPoint(event->position());
    const int z = scale();
    if (!inLayoutHitArea(at.x(), at.y(), z, document_.definition().sheet)) {
        setCursor(Qt::ArrowCursor);
        emit statusMessage(QStringLiteral("Ready"));
        return;
    }
    const bool moving = draggingField_ >= 0 || draggingLiteral_ >= 0;
    setCursor(moving                   ? Qt::SizeAllCursor
              : mode_ == Mode::Line    ? Qt::CrossCursor
              : mode_ == Mode::Literal ? Qt::IBeamCursor
                                       : Qt::CrossCursor);
    const LayoutMm mm = layoutPositionMm(at.x(), at.y(), z);
    if (drawingLine_ >= 0) {
        RuledLine& line = document_.definition().ruledLines[static_cast<size_t>(drawingLine_)];
        line.endX = mm.x;
        line.endY = -mm.y;
        emit statusMessage(QStringLiteral("LINE %1mm × %2mm から %3mm × %4mm まで")
                               .arg(line.startX)
                               .arg(-line.startY)
                               .arg(line.endX)
                               .arg(-line.endY));
    } else {
        emit statusMessage(QStringLiteral("位置  %1 mm × %2 mm").arg(mm.x).arg(mm.y));
    }
    if (rubber_ && (event->buttons() & Qt::LeftButton)) rubberEnd_ = at;
    drag(at);
    update();
}

// Dragging a field or a literal: a position left of or above the label becomes 0.
void CBarLayoutView::drag(const QPoint& at) {
    const QPoint target = at + grab_;
    const LayoutMm mm = layoutPositionMm(target.x(), target.y(), scale());
    const int x = std::max(0, mm.x);
    const int y = std::max(0, mm.y);
    LabelDefinition& d = document_.definition();
    if (draggingField_ >= 0) {
        d.fields[static_cast<size_t>(draggingField_)].xMm = x;
        d.fields[static_cast<size_t>(draggingField_)].yMm = y;
        emit fieldMoved(draggingField_);
    } else if (draggingLiteral_ >= 0) {
        d.literals[static_cast<size_t>(draggingLiteral_)].xMm = x;
        d.literals[static_cast<size_t>(draggingLiteral_)].yMm = y;
        emit literalMoved(draggingLiteral_);
    } else {
        return;
    }
    d.editorCursorXMm = x;
    d.editorCursorYMm = y;
    document_.setModified();
}

void CBarLayoutView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = labelPoint(event->position());
    if (event->button() == Qt::RightButton && !contains(areas_.label, at)) {
        showContextMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton &&
        inLayoutHitArea(at.x(), at.y(), scale(), document_.definition().sheet)) {
        leftDown(at);
    }
}

void CBarLayoutView::leftDown(const QPoint& at) {
    LabelDefinition& d = document_.definition();
    picked_ = layoutPositionMm(at.x(), at.y(), scale());
    d.editorCursorXMm = picked_.x;
    d.editorCursorYMm = picked_.y;
    if (mode_ == Mode::Line) {
        for (size_t slot = 0; slot < d.ruledLines.size(); ++slot) {
            if (d.ruledLines[slot].startX != -1) continue;
            d.ruledLines[slot] = {picked_.x, -picked_.y, picked_.x, -picked_.y};
            drawingLine_ = static_cast<int>(slot);
            grabMouse();
            return;
        }
        return;  // every slot in use: nothing is drawn
    }
    if (mode_ == Mode::Literal) emit literalPositionPicked(picked_.x, picked_.y);
    rubber_ = !rubber_;
    rubberStart_ = rubberEnd_ = at;
    const auto grabFrom = [&](int x, int y) { return QPoint(scale() * x, -scale() * y) - at; };
    if (selectedField_ >= 0 && contains(areas_.fields[static_cast<size_t>(selectedField_)], at)) {
        const FieldPlacement& f = d.fields[static_cast<size_t>(selectedField_)];
        grab_ = grabFrom(f.xMm - 1, f.yMm - 1);
        draggingField_ = selectedField_;
        rubber_ = false;
    } else if (selectedLiteral_ >= 0 &&
               contains(areas_.literals[static_cast<size_t>(selectedLiteral_)], at)) {
        const LiteralPlacement& l = d.literals[static_cast<size_t>(selectedLiteral_)];
        grab_ = grabFrom(l.xMm - 1, l.yMm - 1);
        draggingLiteral_ = selectedLiteral_;
        rubber_ = false;
    }
    if (draggingField_ < 0 && draggingLiteral_ < 0 && !measuring_) {
        emit positionPicked(picked_.x, picked_.y, 0, 0);
    }
    update();
}

void CBarLayoutView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = labelPoint(event->position());
    if (event->button() == Qt::LeftButton) leftUp(at);
    if (event->button() == Qt::RightButton && contains(areas_.label, at)) rightUp(at);
}

void CBarLayoutView::leftUp(const QPoint& at) {
    const int z = scale();
    if (rubber_) {
        // The rectangle in 0.1 mm of the label, normalised: left <= right, top >= bottom.
        const QRect r = QRect(rubberStart_, rubberEnd_).normalized();
        emit rubberRectangle(
            {r.left() * 10 / z, r.bottom() * 10 / z, r.right() * 10 / z, r.top() * 10 / z});
    }
    if (measuring_) {
        const LayoutMm end = layoutPositionMm(at.x(), at.y(), z);
        emit positionPicked(picked_.x, picked_.y, std::max(0, end.x - picked_.x + 1),
                            std::max(0, end.y - picked_.y));
    }
    draggingField_ = draggingLiteral_ = -1;
    if (drawingLine_ >= 0) {
        RuledLine& line = document_.definition().ruledLines[static_cast<size_t>(drawingLine_)];
        if (inLayoutHitArea(at.x(), at.y(), z, document_.definition().sheet)) {
            const LayoutMm end = layoutPositionMm(at.x(), at.y(), z);
            line.endX = end.x;
            line.endY = -end.y;
            document_.setModified();
            emit lineDrawn(drawingLine_);
        } else {
            line = RuledLine{};  // released outside: the line is discarded
        }
        drawingLine_ = -1;
        releaseMouse();
    }
    update();
}

// A right click on the label: a literal, else the field placement (with the field hit).
void CBarLayoutView::rightUp(const QPoint& at) {
    for (size_t slot = 0; slot < areas_.bitmaps.size(); ++slot) {
        if (contains(areas_.bitmaps[slot], at)) return emit bitmapHit(static_cast<int>(slot));
    }
    for (size_t slot = 0; slot < areas_.literals.size(); ++slot) {
        if (contains(areas_.literals[slot], at)) return emit literalHit(static_cast<int>(slot));
    }
    for (size_t k = 0; k < areas_.fields.size(); ++k) {
        if (contains(areas_.fields[k], at)) return emit fieldHit(static_cast<int>(k));
    }
    emit fieldHit(-1);
}

void CBarLayoutView::showContextMenu(const QPoint& globalAt) {
    QMenu menu(this);
    for (const char* name : {"データファイル設定", "ラベルのサイズと割付", "ページタイトルの設定",
                             "ラベル内へフィールドの配置"}) {
        menu.addAction(QString::fromUtf8(name));
    }
    menu.addSeparator();
    QAction* mono = menu.addAction(QStringLiteral("モノパターン印刷の設定"));
    mono->setEnabled(monoPatternAvailable_);
    for (const char* name : {"ラベルの印刷方向の設定", "リテラル文字の配置", "ビットマップの配置",
                             "ラベル内罫線の配置", "ラベルの連番設定"}) {
        menu.addAction(QString::fromUtf8(name));
    }
    if (QAction* chosen = menu.exec(globalAt)) emit command(chosen->text());
}

void CBarLayoutView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    placeModeButtons();
    update();
}

void CBarLayoutView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
}

}  // namespace qv
