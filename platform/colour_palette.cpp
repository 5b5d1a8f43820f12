#include "platform/colour_palette.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

#include "label/definition/label_definition.h"
#include "platform/qpainter_surface.h"

namespace qv {

namespace {

constexpr int kPerRow = 10;      // two rows of ten swatches
constexpr int kSwatchSize = 20;  // pixels, edges included
constexpr int kEdgeWidth = 2;

}  // namespace

ColourPalette::ColourPalette(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColourPalette::setSelectedIndex(int index) {
    selected_ = index >= 0 && index < kColourCount ? index : -1;
    update();
}

QRect ColourPalette::swatchRect(int index) const {
    return QRect((index % kPerRow) * kSwatchSize, (index / kPerRow) * kSwatchSize, kSwatchSize,
                 kSwatchSize);
}

QSize ColourPalette::sizeHint() const {
    const int rows = (kColourCount + kPerRow - 1) / kPerRow;
    return QSize(kPerRow * kSwatchSize, rows * kSwatchSize);
}

void ColourPalette::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    for (int index = 0; index < kColourCount; ++index) {
        const QBrush fill(colourOf(colourOfIndex(index)));
        qDrawShadePanel(&painter, swatchRect(index), palette(), index == selected_, kEdgeWidth,
                        &fill);
    }
}

void ColourPalette::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    for (int index = 0; index < kColourCount; ++index) {
        if (!swatchRect(index).contains(event->position().toPoint())) continue;
        setSelectedIndex(index);
        emit colourChosen(index);
        return;
    }
}

}  // namespace qv
