// Geometry of a label sheet: where each label sits on the paper, the order labels are filled in,
// the mapping from millimetres to drawing units and the printer's paper set-up.
#pragma once

#include "label/definition/label_definition.h"
#include "label/definition/paper_table.h"
#include "label/definition/sheet_fit.h"
#include "label/definition/tenths_of_mm.h"

namespace qv {

// Drawing units: 0.1 mm, x to the right, y upward, (0, 0) at the page's top-left corner.
constexpr int kLogicalUnitsPerMm = kTenthsPerMm;  // the print scale

struct LogicalPoint {
    int x = 0;
    int y = 0;
    bool operator==(const LogicalPoint& other) const { return x == other.x && y == other.y; }
};

struct CellRect {
    int leftMm = 0;
    int topMm = 0;
    int widthMm = 0;
    int heightMm = 0;
    bool operator==(const CellRect& other) const {
        return leftMm == other.leftMm && topMm == other.topMm && widthMm == other.widthMm &&
               heightMm == other.heightMm;
    }
};

struct GridCell {
    int column = 0;
    int row = 0;
    bool operator==(const GridCell& other) const {
        return column == other.column && row == other.row;
    }
};

// Labels per page, counted in 64 bits and saturated at the largest int: a damaged definition may
// hold a grid of 65535 x 65535.
int labelsPerPage(const SheetGeometry& sheet);

// The columns [firstColumn, endColumn) and rows [firstRow, endRow) of the grid whose labels lie
// at least partly on the paper. Only these are drawn, so the work of a page follows what the
// paper shows, whatever counts a definition holds; a label without width or height shows nothing.
// At most kMostDrawnLabels labels lie in the range: no label stock has more on one sheet.
struct GridRange {
    int firstColumn = 0;
    int endColumn = 0;
    int firstRow = 0;
    int endRow = 0;
    bool empty() const { return firstColumn >= endColumn || firstRow >= endRow; }
};
constexpr long long kMostDrawnLabels = 10000;
GridRange visibleGrid(const SheetGeometry& sheet);

// The place of the label at `cell` in the page's fill order; the inverse of cellOfIndex.
long long indexOfCell(const SheetGeometry& sheet, GridCell cell);

// Visits the labels of `range` in fill order (Z rows outer, N columns outer) with their index.
template <typename Visit>
void forEachLabelIn(const SheetGeometry& sheet, const GridRange& range, Visit visit) {
    const bool zOrder = sheet.printDirection == 1;
    const int outerEnd = zOrder ? range.endRow : range.endColumn;
    const int innerEnd = zOrder ? range.endColumn : range.endRow;
    for (int outer = zOrder ? range.firstRow : range.firstColumn; outer < outerEnd; ++outer) {
        for (int inner = zOrder ? range.firstColumn : range.firstRow; inner < innerEnd; ++inner) {
            const GridCell cell = zOrder ? GridCell{inner, outer} : GridCell{outer, inner};
            if (!visit(indexOfCell(sheet, cell), cell)) return;
        }
    }
}

// A length in mm computed from file values, held to +-kMostMm so that it stays in int range at
// any drawing scale; far beyond any paper, so nothing that can be seen changes.
constexpr long long kMostMm = 1000000;
int heldMm(long long mm);

// The label at `column`, `row` (from 0) in mm from the paper's top-left corner; labels touch.
CellRect cellRect(const SheetGeometry& sheet, int column, int row);

// The column and row of the i-th label of a page (from 0): N order fills down each column first,
// Z order across each row. A grid without rows (N) or columns (Z) holds no label: {0, 0}.
GridCell cellOfIndex(const SheetGeometry& sheet, int index);

// (originX + scale * x, originY - scale * y): a point x mm right and y mm down.
LogicalPoint toLogical(int xMm, int yMm, int scale, LogicalPoint origin);

enum class Orientation { Portrait, Landscape };

// What printer set-up hands to the printer for a paper kind; custom sizes in 0.1 mm.
struct PrinterPaper {
    Orientation orientation = Orientation::Portrait;
    int paperCode = kPaperCodeCustom;
    int customWidth = 0;
    int customLength = 0;
};

PrinterPaper printerSetup(const PaperTable& papers, int paperIndex);

// The printer settings that print dialogs start from, as far as paper goes.
struct PrinterPaperSettings {
    Orientation orientation = Orientation::Portrait;
    int paperCode = kPaperCodeA4;
    int customWidth = 0;
    int customLength = 0;
};

// Writes a set-up into the settings: the orientation always; the paper code when it is not the
// custom code; otherwise, and only when both custom values are above 0, the custom size.
void applyPrinterSetup(const PrinterPaper& paper, PrinterPaperSettings& settings);

}  // namespace qv
