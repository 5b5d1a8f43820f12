#include "label/print/sheet_geometry.h"

#include <algorithm>
#include <climits>

namespace qv {

namespace {

struct Span {
    int first = 0;
    int end = 0;
};

// The cells [first, end) of one axis that reach onto [0, paperMm): cell k covers
// [offset + k * pitch, offset + (k + 1) * pitch).
Span visibleSpan(long long offsetMm, long long pitchMm, long long count, long long paperMm) {
    if (pitchMm <= 0 || count <= 0 || offsetMm >= paperMm) return {};
    const long long first = offsetMm >= 0 ? 0 : (-offsetMm) / pitchMm;
    const long long reach = (paperMm - offsetMm + pitchMm - 1) / pitchMm;
    const long long end = std::min(count, reach);
    if (first >= end) return {};
    return {static_cast<int>(first), static_cast<int>(end)};
}

}  // namespace

int labelsPerPage(const SheetGeometry& sheet) {
    const long long labels = static_cast<long long>(sheet.maxColumns) * sheet.maxRows;
    return static_cast<int>(std::clamp<long long>(labels, 0, INT_MAX));
}

GridRange visibleGrid(const SheetGeometry& sheet) {
    const Span columns = visibleSpan(sheet.firstLabelLeftMm, sheet.labelWidthMm, sheet.maxColumns,
                                     sheet.paperWidthMm);
    const Span rows =
        visibleSpan(sheet.firstLabelTopMm, sheet.labelHeightMm, sheet.maxRows, sheet.paperHeightMm);
    GridRange range{columns.first, columns.end, rows.first, rows.end};
    if (range.empty()) return {};
    const long long across = range.endColumn - range.firstColumn;
    const long long down = range.endRow - range.firstRow;
    if (across * down > kMostDrawnLabels) {
        range.endColumn = range.firstColumn + static_cast<int>(std::min(across, kMostDrawnLabels));
        range.endRow =
            range.firstRow + static_cast<int>(std::max(
                                 1LL, kMostDrawnLabels / (range.endColumn - range.firstColumn)));
    }
    return range;
}

long long indexOfCell(const SheetGeometry& sheet, GridCell cell) {
    if (sheet.printDirection == 1) {
        return static_cast<long long>(cell.row) * sheet.maxColumns + cell.column;
    }
    return static_cast<long long>(cell.column) * sheet.maxRows + cell.row;
}

int heldMm(long long mm) {
    return static_cast<int>(std::clamp(mm, -kMostMm, kMostMm));
}

CellRect cellRect(const SheetGeometry& sheet, int column, int row) {
    return {sheet.firstLabelLeftMm + column * sheet.labelWidthMm,
            sheet.firstLabelTopMm + row * sheet.labelHeightMm, sheet.labelWidthMm,
            sheet.labelHeightMm};
}

GridCell cellOfIndex(const SheetGeometry& sheet, int index) {
    if (sheet.printDirection == 1) {
        if (sheet.maxColumns <= 0) return {};
        return {index % sheet.maxColumns, index / sheet.maxColumns};
    }
    if (sheet.maxRows <= 0) return {};
    return {index / sheet.maxRows, index % sheet.maxRows};
}

LogicalPoint toLogical(int xMm, int yMm, int scale, LogicalPoint origin) {
    return {origin.x + scale * xMm, origin.y - scale * yMm};
}

PrinterPaper printerSetup(const PaperTable& papers, int paperIndex) {
    PrinterPaper paper;
    if (paperIndex >= 0 && paperIndex < kFreePaperIndex) {
        const PaperSize size = papers.paperSize(paperIndex);
        paper.paperCode = PaperTable::printerCode(paperIndex);
        paper.orientation =
            size.heightMm >= size.widthMm ? Orientation::Portrait : Orientation::Landscape;
        return paper;
    }
    const PaperSize free = papers.freeSize();
    paper.customWidth = kLogicalUnitsPerMm * free.widthMm;
    paper.customLength = kLogicalUnitsPerMm * free.heightMm;
    return paper;
}

void applyPrinterSetup(const PrinterPaper& paper, PrinterPaperSettings& settings) {
    settings.orientation = paper.orientation;
    if (paper.paperCode != kPaperCodeCustom) {
        settings.paperCode = paper.paperCode;
    } else if (paper.customWidth > 0 && paper.customLength > 0) {
        settings.paperCode = kPaperCodeCustom;
        settings.customWidth = paper.customWidth;
        settings.customLength = paper.customLength;
    }
}

}  // namespace qv
