// The pixels of a label bitmap: the BMP file in memory decoded by Qt's image reader once and kept
// with the bitmap, so every label and page after the first reuses the decoded image.
#pragma once

#include <QImage>

#include "label/surface/draw_surface.h"

namespace qv {

// The decoded image of `bitmap`, from its cache when it has one; a null image when the bytes do
// not decode.
QImage decodedBitmap(const BitmapImage& bitmap);

}  // namespace qv
