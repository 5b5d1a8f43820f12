#include "label/editor/widgets/layout_view.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include "label/definition/tenths_of_mm.h"
#include "label/editor/widgets/command_actions.h"
#include "platform/qpainter_surface.h"

namespace qv {

namespace {

const QPoint kLabelOriginPixels(50, 180);
constexpr int kDarkGreen = 9;

LogicalRect relative(const LogicalRect& r, LogicalPoint origin) {
    return {r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
}

Qt::CursorShape shapeOf(LayoutCursor cursor) {
    switch (cursor) {
        case LayoutCursor::Arrow:
            return Qt::ArrowCursor;
        case LayoutCursor::Literal:
            return Qt::IBeamCursor;
        case LayoutCursor::Move:
            return Qt::SizeAllCursor;
        default:
            return Qt::CrossCursor;
    }
}

}  // namespace

CBarLayoutView::CBarLayoutView(CQuorviDoc& document, LayoutView settings, QWidget* parent)
    : QWidget(parent),
      document_(document),
      settings_(std::move(settings)),
      mouse_(document.definition()),
      literalButton_(new QToolButton(this)),
      lineButton_(new QToolButton(this)),
      endButton_(new QToolButton(this)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    mouse_.setZoom(settings_.zoomPercent);
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
    literalButton_->setChecked(mode() == Mode::Literal);
    lineButton_->setChecked(mode() == Mode::Line);
}

void CBarLayoutView::setZoom(int percent) {
    settings_.zoomPercent = percent;
    mouse_.setZoom(percent);
    update();
}

void CBarLayoutView::setMode(Mode mode) {
    mouse_.setMode(mode);
    placeModeButtons();
    update();
}

void CBarLayoutView::setSettingMode(bool on) {
    settingMode_ = on;
    if (!on) {
        mouse_.endSettingMode();
        emit statusMessage(QStringLiteral("Ready"));
    }
    placeModeButtons();
    update();
}

void CBarLayoutView::setShowFields(bool show) {
    settings_.showFields = show;
    update();
}

void CBarLayoutView::showPendingField(int index, const FieldPlacement& pending) {
    pending_ = std::make_pair(index, pending);
    update();
}

void CBarLayoutView::clearPendingField() {
    pending_.reset();
    update();
}

void CBarLayoutView::closeRubberRectangle() {
    mouse_.closeRubber();
    update();
}

double CBarLayoutView::unitsPerPixel() const {
    return kTenthsPerInch / static_cast<double>(logicalDpiX());
}

LogicalPoint CBarLayoutView::labelPoint(const QPointF& pixel) const {
    const QPointF from = pixel - QPointF(kLabelOriginPixels);
    return {static_cast<int>(from.x() * unitsPerPixel()),
            static_cast<int>(-from.y() * unitsPerPixel())};
}

// The definition is drawn as stored, except the field the placement dialog is placing.
void CBarLayoutView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colourOf(colourOfIndex(kDarkGreen)));
    settings_.labelOrigin = {static_cast<int>(kLabelOriginPixels.x() * unitsPerPixel()),
                             static_cast<int>(-kLabelOriginPixels.y() * unitsPerPixel())};
    LabelDefinition withPending;
    const LabelDefinition* shown = &document_.definition();
    if (pending_ && pending_->first >= 0 && pending_->first < kMaxFields) {
        withPending = *shown;
        withPending.fields[static_cast<size_t>(pending_->first)] = pending_->second;
        shown = &withPending;
    }
    LayoutHitAreas areas;
    {
        QPainterSurface surface(painter);
        LayoutView view = settings_;
        view.showFields = settings_.showFields || pending_.has_value();
        areas = drawLayout(surface, *shown, view, paintLoadedBitmaps(document_.loadedBitmaps()));
        const LogicalPoint o = settings_.labelOrigin;
        for (LogicalRect& r : areas.fields) r = relative(r, o);
        for (LogicalRect& r : areas.literals) r = relative(r, o);
        for (LogicalRect& r : areas.bitmaps) r = relative(r, o);
        areas.label = relative(areas.label, o);
    }
    mouse_.setAreas(areas);
    if (!areas.status.empty()) emit statusMessage(QString::fromStdString(areas.status));
    // The focus mark at the top left: filled while the editor has the keyboard focus.
    painter.resetTransform();
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(hasFocus() ? QBrush(Qt::white) : Qt::NoBrush);
    painter.drawEllipse(QRect(6, 6, 16, 16));
    paintInverted(painter);
}

void CBarLayoutView::paintInverted(QPainter& painter) const {
    const std::optional<LogicalRect> r = mouse_.inverted();
    if (!r) return;
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const double perPixel = unitsPerPixel();
    const QPointF a = QPointF(r->left, -r->top) / perPixel;
    const QPointF b = QPointF(r->right, -r->bottom) / perPixel;
    painter.fillRect(QRectF(a, b).normalized().translated(kLabelOriginPixels), Qt::white);
}

// The news of a mouse event goes to the dialogs and the status bar.
void CBarLayoutView::report(const LayoutMouseResult& result) {
    if (result.captureMouse) grabMouse();
    if (result.releaseMouse) releaseMouse();
    if (result.modified) document_.setModified();
    if (!result.status.empty()) emit statusMessage(QString::fromStdString(result.status));
    if (result.literalPick)
        emit literalPositionPicked(result.literalPick->x, result.literalPick->y);
    if (const auto& pick = result.fieldPick) {
        emit positionPicked(pick->xMm, pick->yMm, pick->widthMm, pick->heightMm);
    }
    if (result.movedField >= 0) emit fieldMoved(result.movedField);
    if (result.movedLiteral >= 0) emit literalMoved(result.movedLiteral);
    if (result.rubberRectangle) emit rubberRectangle(*result.rubberRectangle);
    if (result.drawnLine >= 0) emit lineDrawn(result.drawnLine);
    update();
}

void CBarLayoutView::mouseMoveEvent(QMouseEvent* event) {
    const LogicalPoint at = labelPoint(event->position());
    const LayoutMouseResult result = mouse_.move(at, event->buttons() & Qt::LeftButton);
    setCursor(shapeOf(mouse_.cursorAt(at)));
    report(result);
}

void CBarLayoutView::mousePressEvent(QMouseEvent* event) {
    const LogicalPoint at = labelPoint(event->position());
    if (event->button() == Qt::RightButton && !mouse_.onLabel(at)) {
        showContextMenu(event->globalPosition().toPoint());
    } else if (event->button() == Qt::LeftButton) {
        report(mouse_.press(at));
    }
}

void CBarLayoutView::mouseReleaseEvent(QMouseEvent* event) {
    const LogicalPoint at = labelPoint(event->position());
    if (event->button() == Qt::LeftButton) report(mouse_.release(at));
    if (event->button() == Qt::RightButton && mouse_.onLabel(at)) rightUp(at);
}

// A right click on the label: a bitmap, a literal, else the field placement (with the field hit).
void CBarLayoutView::rightUp(LogicalPoint at) {
    const LayoutHit hit = mouse_.hitAt(at);
    switch (hit.kind) {
        case LayoutHit::Kind::Bitmap:
            return emit bitmapHit(hit.index);
        case LayoutHit::Kind::Literal:
            return emit literalHit(hit.index);
        default:
            return emit fieldHit(hit.index);
    }
}

void CBarLayoutView::showContextMenu(const QPoint& globalAt) {
    QMenu menu(this);
    const auto add = [&menu](const char* text, LabelCommand id) {
        return addCommandAction(menu, QString::fromUtf8(text), id);
    };
    add("データファイル設定", LabelCommand::DataFile);
    add("ラベルのサイズと割付", LabelCommand::LabelSize);
    add("ページタイトルの設定", LabelCommand::Title);
    add("ラベル内へフィールドの配置", LabelCommand::FieldPlacement);
    menu.addSeparator();
    add("モノパターン印刷の設定", LabelCommand::MonoPattern)->setEnabled(monoPatternAvailable_);
    add("ラベルの印刷方向の設定", LabelCommand::Direction);
    add("リテラル文字の配置", LabelCommand::Literal);
    add("ビットマップの配置", LabelCommand::Bitmap);
    add("ラベル内罫線の配置", LabelCommand::RuledLine);
    add("ラベルの連番設定", LabelCommand::SerialNumber);
    if (const std::optional<LabelCommand> chosen = commandOf(menu.exec(globalAt)))
        emit command(*chosen);
}

void CBarLayoutView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    placeModeButtons();
    update();
}

void CBarLayoutView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace qv
