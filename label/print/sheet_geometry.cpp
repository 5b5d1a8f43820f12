#include "label/print/sheet_geometry.h"

namespace qv {

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
