#include "label/print/sheet_geometry.h"

#include <gtest/gtest.h>

#include "tests/support/a4_landscape.h"

namespace qv {
namespace {

using test::a4Landscape;

TEST(SheetGeometry, FitCounts) {
    // (297 - 10 - 3) / 45 = 6 columns, (210 - 10 - 10) / 20 = 9 rows.
    const SheetGeometry sheet = a4Landscape(10, 10, 45, 20);
    EXPECT_EQ(fitColumns(sheet), 6);
    EXPECT_EQ(fitRows(sheet), 9);
    // A label exactly as wide as the printable width fits once; one millimetre more does not.
    EXPECT_EQ(fitColumns(a4Landscape(10, 10, 284, 20)), 1);
    EXPECT_EQ(fitColumns(a4Landscape(10, 10, 285, 20)), 0);
    // No width, no room or an offset beyond the paper fit nothing.
    EXPECT_EQ(fitColumns(a4Landscape(10, 10, 0, 20)), 0);
    EXPECT_EQ(fitColumns(a4Landscape(400, 10, 45, 20)), 0);
    EXPECT_EQ(fitRows(a4Landscape(10, 10, 45, -5)), 0);
}

TEST(SheetGeometry, CellRectsTouchEachOther) {
    const SheetGeometry sheet = a4Landscape(10, 12, 45, 20);
    EXPECT_EQ(cellRect(sheet, 0, 0), (CellRect{10, 12, 45, 20}));
    EXPECT_EQ(cellRect(sheet, 2, 3), (CellRect{100, 72, 45, 20}));
}

TEST(SheetGeometry, FillOrder) {
    SheetGeometry sheet = a4Landscape(10, 10, 45, 20);
    sheet.maxColumns = 3;
    sheet.maxRows = 4;
    sheet.printDirection = 0;  // N: down each column first
    EXPECT_EQ(cellOfIndex(sheet, 4), (GridCell{1, 0}));
    EXPECT_EQ(cellOfIndex(sheet, 3), (GridCell{0, 3}));
    EXPECT_EQ(cellOfIndex(sheet, 11), (GridCell{2, 3}));
    sheet.printDirection = 1;  // Z: across each row first
    EXPECT_EQ(cellOfIndex(sheet, 4), (GridCell{1, 1}));
    EXPECT_EQ(cellOfIndex(sheet, 2), (GridCell{2, 0}));
    EXPECT_EQ(cellOfIndex(sheet, 11), (GridCell{2, 3}));
    sheet.maxColumns = 0;  // an empty grid holds no label and divides by nothing
    EXPECT_EQ(cellOfIndex(sheet, 4), (GridCell{0, 0}));
    EXPECT_EQ(labelsPerPage(sheet), 0);
}

TEST(SheetGeometry, LogicalMapping) {
    EXPECT_EQ(toLogical(15, 20, kLogicalUnitsPerMm, {0, 0}), (LogicalPoint{150, -200}));
    // The overview of an A3 landscape sheet at form zoom 2 from (20, -350): 840 x 594 units.
    EXPECT_EQ(toLogical(420, 297, 2, {20, -350}), (LogicalPoint{860, -944}));
}

struct PrinterCase {
    int paperIndex;
    PrinterPaper expected;
};

class PrinterSetupForEachPaper : public ::testing::TestWithParam<PrinterCase> {};

TEST_P(PrinterSetupForEachPaper, GivesCodeAndOrientation) {
    const PrinterCase& c = GetParam();
    PaperTable papers;
    const PrinterPaper paper = printerSetup(papers, c.paperIndex);
    EXPECT_EQ(paper.paperCode, c.expected.paperCode);
    EXPECT_EQ(paper.orientation, c.expected.orientation);
    EXPECT_EQ(paper.customWidth, 0);
    EXPECT_EQ(paper.customLength, 0);
}

// Windows paper numbers: A3 8, A4 9, B4 (JIS) 12, B5 (JIS) 13.
INSTANTIATE_TEST_SUITE_P(Papers, PrinterSetupForEachPaper,
                         ::testing::Values(PrinterCase{0, {Orientation::Portrait, 9, 0, 0}},
                                           PrinterCase{1, {Orientation::Landscape, 9, 0, 0}},
                                           PrinterCase{2, {Orientation::Portrait, 13, 0, 0}},
                                           PrinterCase{3, {Orientation::Landscape, 13, 0, 0}},
                                           PrinterCase{4, {Orientation::Portrait, 12, 0, 0}},
                                           PrinterCase{5, {Orientation::Landscape, 12, 0, 0}},
                                           PrinterCase{6, {Orientation::Portrait, 8, 0, 0}},
                                           PrinterCase{7, {Orientation::Landscape, 8, 0, 0}}));

TEST(PrinterSetup, FreeSize) {
    PaperTable papers;
    papers.setFreeSize({100, 50});
    const PrinterPaper paper = printerSetup(papers, kFreePaperIndex);
    EXPECT_EQ(paper.paperCode, kPaperCodeCustom);
    EXPECT_EQ(paper.orientation, Orientation::Portrait);
    EXPECT_EQ(paper.customWidth, 1000);
    EXPECT_EQ(paper.customLength, 500);

    PrinterPaperSettings settings;
    settings.orientation = Orientation::Landscape;
    applyPrinterSetup(paper, settings);
    EXPECT_EQ(settings.paperCode, kPaperCodeCustom);
    EXPECT_EQ(settings.customWidth, 1000);
    EXPECT_EQ(settings.customLength, 500);
    EXPECT_EQ(settings.orientation, Orientation::Portrait);
}

TEST(PrinterSetup, FreeSizeOfZeroChangesOnlyTheOrientation) {
    PaperTable papers;
    PrinterPaperSettings settings;
    settings.orientation = Orientation::Landscape;
    settings.paperCode = kPaperCodeB4;
    applyPrinterSetup(printerSetup(papers, kFreePaperIndex), settings);
    EXPECT_EQ(settings.orientation, Orientation::Portrait);
    EXPECT_EQ(settings.paperCode, kPaperCodeB4);
    EXPECT_EQ(settings.customWidth, 0);

    applyPrinterSetup(printerSetup(papers, 7), settings);  // A3 landscape
    EXPECT_EQ(settings.orientation, Orientation::Landscape);
    EXPECT_EQ(settings.paperCode, kPaperCodeA3);
}

TEST(PaperTableTest, NamesAndOutOfRangeIndexes) {
    PaperTable papers;
    EXPECT_STREQ(PaperTable::displayName(5), "Ｂ４よこ");
    EXPECT_EQ(PaperTable::indexOfDisplayName("Ａ３たて"), 6);
    EXPECT_EQ(PaperTable::indexOfDisplayName("Letter"), kFreePaperIndex);
    EXPECT_EQ(papers.paperSize(4).widthMm, 257);
    EXPECT_EQ(papers.paperSize(4).heightMm, 364);
    papers.setFreeSize({250, 300});
    EXPECT_EQ(papers.paperSize(99).widthMm, 250);  // an index from a damaged file stays inside
    EXPECT_STREQ(PaperTable::displayName(-3), "自由ｻｲｽﾞ");
    EXPECT_FALSE(PaperTable::isLandscapeKind(kFreePaperIndex));
    EXPECT_TRUE(PaperTable::isLandscapeKind(7));
}

}  // namespace
}  // namespace qv
