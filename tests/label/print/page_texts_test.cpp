#include "label/print/page_texts.h"

#include <gtest/gtest.h>

#include "tests/support/recording_surface.h"

namespace qv {
namespace {

// A4 portrait, first label 15 mm from the top: the band runs from 10 mm to 200 mm across and
// from 1 mm to 15 mm down, raised by 0.3 mm.
TEST(PageTexts, TitleBandForEveryPosition) {
    LabelDefinition d;
    d.sheet.paperIndex = 0;
    d.sheet.paperWidthMm = 210;
    d.sheet.paperHeightMm = 297;
    d.titleText = "Title";
    d.titleFontName.clear();
    const char* expected[] = {"left top",    "centre top",    "right top",
                              "left middle", "centre middle", "right middle",
                              "left bottom", "centre bottom", "right bottom"};
    for (int position = 0; position < 9; ++position) {
        RecordingSurface surface;
        d.titlePosition = position;
        drawTitle(surface, d, PagePlacement{}, "");
        EXPECT_EQ(surface.callsStartingWith("textInRect")[0],
                  std::string("textInRect 100 -7 2000 -147 ") + expected[position] + " Title");
    }
    EXPECT_EQ(d.titleFontName, kDefaultFaceName);  // an empty face is taken as "ＭＳ 明朝"
}

TEST(PageTexts, PageNumberTexts) {
    PageNumbering numbering{5, 2, true, ""};
    EXPECT_EQ(pageNumberText(numbering, PageStyle::PerGroup), "Page 2");
    EXPECT_EQ(pageNumberText(numbering, PageStyle::PerGroupAndRunning), "Page 2-5");
    numbering.pageBreakActive = false;
    EXPECT_EQ(pageNumberText(numbering, PageStyle::PerGroupAndRunning), "Page 5");
}

TEST(PageTexts, FooterOnTheScreenUsesThePaperHeight) {
    LabelDefinition d;  // A4 landscape; the grid ends 75 mm down
    d.sheet.maxRows = 2;
    d.sheet.labelHeightMm = 30;
    d.sheet.firstLabelTopMm = 15;
    RecordingSurface surface;
    drawPageNumber(surface, d, PagePlacement{false, {20, -350}, 2}, PageNumbering{},
                   PageStyle::PerGroup);
    EXPECT_EQ(surface.callsStartingWith("textInRect")[0],
              "textInRect 40 -500 594 -770 centre middle Page 1");
    EXPECT_EQ(surface.callsStartingWith("font")[0], "font Arial 7 w0 e0 400");
}

}  // namespace
}  // namespace qv
