// How many labels fit on the paper: the rule that both loading and the label-size dialog use.
#pragma once

#include "label/definition/label_definition.h"

namespace qv {

constexpr int kRightReserveMm = 3;    // unprintable strip at the paper's right edge
constexpr int kBottomReserveMm = 10;  // unprintable strip at the paper's bottom edge

// (paper length - offset - reserve) / label length, truncated. A label length of 0 or less, or
// no room at all, gives 0: no label fits, and nothing divides by zero or goes negative.
int fitCount(int paperMm, int offsetMm, int reserveMm, int labelMm);

inline int fitColumns(const SheetGeometry& sheet) {
    return fitCount(sheet.paperWidthMm, sheet.firstLabelLeftMm, kRightReserveMm,
                    sheet.labelWidthMm);
}

inline int fitRows(const SheetGeometry& sheet) {
    return fitCount(sheet.paperHeightMm, sheet.firstLabelTopMm, kBottomReserveMm,
                    sheet.labelHeightMm);
}

}  // namespace qv
