// The font template that page composition fills for every text it draws.
#pragma once

#include <string>

#include "label/definition/definition_bits.h"
#include "label/definition/tenths_of_mm.h"
#include "label/surface/draw_surface.h"

namespace qv {

// Height 20, no escapement, weight 450, Shift-JIS, "ＭＳ 明朝": what each text starts from.
FontSpec fontTemplate();

// Face and height; the character set becomes Shift-JIS when the face's first two bytes form one
// double-byte character, ANSI otherwise.
void setFaceAndHeight(FontSpec& font, const std::string& face, int height);

// Weight 700 for bold and 450 otherwise, then italic and underline.
void setStyle(FontSpec& font, bool bold, bool italic, bool underline);
inline void setStyle(FontSpec& font, const TextStyle& style) {
    setStyle(font, style.bold, style.italic, style.underline);
}

// A point size in logical units at `scale` logical units per millimetre (kTenthsPerMm when
// printing).
inline int pointsAtScale(int points, int scale) {
    return pointsToLogical(points) * scale / kTenthsPerMm;
}

}  // namespace qv
