// The decodability of a printed barcode in the sense of ISO/IEC 15416: how much of the tolerance
// of its reference decode the most deviant element measurement leaves (1: a perfect symbol;
// grade A from 0.62), from the bar and space widths measured along one row of the raster.
#pragma once

#include <vector>

#include "tests/support/epl2_image.h"

namespace qv::test {

// The widths of the bars and spaces along a row, from the first bar to the last.
std::vector<int> elementWidths(const std::vector<DotRun>& runs);

// EAN-13 (59 elements) and EAN-8 (43): every symbol character's two edge-to-similar-edge
// measurements against the reference thresholds at 1.5 ... 5.5 modules of its width. A negative
// value when the elements are not those of an EAN symbol.
double eanDecodability(const std::vector<int>& elements);

// Two-width symbols: the elements, the intercharacter gaps left out (CODE 39: every tenth
// element; NW7: every eighth; ITF: none), split at the reference threshold half way between
// the mean narrow and the mean wide element; the margin of the worst narrow and the worst wide
// element to that threshold against an ideal symbol's. Taken over the whole symbol, which is
// stricter than character by character.
enum class TwoWidthKind { Itf, Nw7, Code39 };
double twoWidthDecodability(const std::vector<int>& elements, TwoWidthKind kind);

}  // namespace qv::test
