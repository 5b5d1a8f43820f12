// Where the labels of a sheet lie: their size, the first label's place and how many there are.
#pragma once

#include <tuple>

#include "label/definition/label_definition.h"

namespace qv::test {

struct LabelGrid {
    int labelWidthMm;
    int labelHeightMm;
    int firstLeftMm;
    int firstTopMm;
    int columns;
    int rows;
};

inline void placeLabels(SheetGeometry& sheet, const LabelGrid& grid) {
    std::tie(sheet.labelWidthMm, sheet.labelHeightMm, sheet.firstLabelLeftMm, sheet.firstLabelTopMm,
             sheet.maxColumns, sheet.maxRows) =
        std::tie(grid.labelWidthMm, grid.labelHeightMm, grid.firstLeftMm, grid.firstTopMm,
                 grid.columns, grid.rows);
}

}  // namespace qv::test
