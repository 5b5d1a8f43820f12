// Fonts for the Windows face names that label definitions store.
//
// Definitions keep faces such as "ＭＳ 明朝", "ＭＳ Ｐゴシック", "Arial" or "System" as Shift-JIS
// bytes; on Linux they are drawn with the IPA and Liberation fonts, which have the same metrics
// family for family. A leading "@" (a vertical writing face) is ignored for the mapping.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "label/surface/draw_surface.h"

namespace qv {

// The installed family that draws the stored face `faceCp932`:
//   a Mincho face ("明朝", "Mincho")   -> IPAMincho, IPAPMincho for a proportional one (Ｐ, UI)
//   a Gothic face ("ゴシック", "Gothic") -> IPAGothic, IPAPGothic for a proportional one
//   Arial, Times New Roman, Courier New -> Liberation Sans, Serif, Mono
//   System                              -> the application's default UI font
//   anything else: the face itself when installed, else IPAGothic for a Japanese face and
//   Liberation Sans otherwise.
QString familyForFace(std::string_view faceCp932);

// True for a vertical writing face: the name begins with "@".
bool isVerticalFace(std::string_view faceCp932);

// A font for `request` on a device with the given pixels per logical unit across and down.
//
// `request.height` is the cell height (ascent + descent, as a positive Windows font height): the
// pixel size is chosen so that QFontMetricsF::height() comes out at height x pixelsPerUnitY,
// to within the rounding of the pixel size to whole pixels. A `request.width` above 0 is the
// average character width, measured as Windows measures it (lower-case letters and the space,
// weighted by frequency): the font is stretched so that it becomes width x pixelsPerUnitX.
// Weight 600 and more is bold, anything less normal (the stored 450 is normal).
QFont fontFor(const FontSpec& request, double pixelsPerUnitX, double pixelsPerUnitY);

inline QFont fontFor(const FontSpec& request, double pixelsPerLogicalUnit) {
    return fontFor(request, pixelsPerLogicalUnit, pixelsPerLogicalUnit);
}

}  // namespace qv
