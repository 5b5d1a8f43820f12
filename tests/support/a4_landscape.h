// An A4 landscape sheet (paper 1, 297 x 210 mm) with the first label and the label size given.
#pragma once

#include "label/definition/label_definition.h"

namespace qv::test {

inline SheetGeometry a4Landscape(int leftMm, int topMm, int labelWidthMm, int labelHeightMm) {
    SheetGeometry sheet;
    sheet.paperIndex = 1;
    sheet.paperWidthMm = 297;
    sheet.paperHeightMm = 210;
    sheet.firstLabelLeftMm = leftMm;
    sheet.firstLabelTopMm = topMm;
    sheet.labelWidthMm = labelWidthMm;
    sheet.labelHeightMm = labelHeightMm;
    return sheet;
}

}  // namespace qv::test
