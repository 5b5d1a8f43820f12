#include "label/print/sheet_overview.h"

#include <gtest/gtest.h>

#include "tests/support/recording_surface.h"

namespace qv {
namespace {

TEST(SheetOverview, LandscapeA3AtZoomTwo) {
    LabelDefinition d;
    d.sheet.paperIndex = 7;  // A3 landscape
    d.sheet.paperWidthMm = 420;
    d.sheet.paperHeightMm = 297;
    d.sheet.maxColumns = 2;
    d.sheet.maxRows = 1;
    d.sheet.noFrameLines = 1;  // the overview draws its grid all the same
    RecordingSurface surface;
    const OverviewHitAreas areas = drawSheetOverview(surface, d, 2, {}, PrintSettings(), nullptr);
    // The paper is 840 x 594 units from (20, -350).
    EXPECT_EQ(areas.paper, (LogicalRect{20, -350, 860, -944}));
    // The grid: the first label 15/15 mm in, two labels of 45 x 30 mm.
    EXPECT_EQ(areas.grid, (LogicalRect{50, -380, 230, -440}));
    const std::vector<std::string> texts = surface.callsStartingWith("textOut");
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "textOut 200 -10 用紙サイズ     Ａ３よこ  (420mm  × 297mm) ");
    EXPECT_EQ(texts[1], "textOut 200 -50 ラベル枚数　　横 2 × 縦 1     2 枚");
    EXPECT_EQ(texts[2], "textOut 200 -90 印刷時枠線     なし");
    EXPECT_EQ(surface.callsStartingWith("rectangle").size(), 2u);
    EXPECT_EQ(surface.callsStartingWith("moveTo"),
              (std::vector<std::string>{"moveTo 140 -380"}));  // the line between the labels
}

TEST(SheetOverview, PortraitOrigin) {
    EXPECT_EQ(overviewOrigin(0), (LogicalPoint{100, -300}));
    EXPECT_EQ(overviewOrigin(8), (LogicalPoint{100, -300}));  // the free size counts as portrait
    EXPECT_EQ(overviewOrigin(3), (LogicalPoint{20, -350}));
}

}  // namespace
}  // namespace qv
