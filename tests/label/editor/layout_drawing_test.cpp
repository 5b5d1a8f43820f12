#include "label/editor/forms/layout_drawing.h"

#include <gtest/gtest.h>

#include "label/definition/literal_entry.h"
#include "tests/support/recording_surface.h"

namespace qv {
namespace {

class LayoutDrawingTest : public ::testing::Test {
  protected:
    LayoutDrawingTest() {
        d.sheet.labelWidthMm = 40;
        d.sheet.labelHeightMm = 20;
        d.dataFile.fieldNames = {"NAME", "JAN", "EMPTY"};
        d.dataFile.fieldLengths = {4, 13, 5};
        d.fields[0] = {2, 3, "Arial", 10, 0, 0, 0, 0, 0};
        d.fields[1] = {5, 8, kDefaultFaceName, 10, 30, 10, 8 | 1, 0, 0};
        d.fields[2] = {1, 1, kDefaultFaceName, 0, 0, 0, 0, 0, 0};  // point size 0
        view.labelOrigin = {100, -500};
        view.time = {1997, 10, 10, 14, 5, 9, 5};
    }
    LabelDefinition d;
    LayoutView view;
    RecordingSurface surface;
};

TEST_F(LayoutDrawingTest, StatusLinesNameTheLabelZoomAndKinds) {
    view.zoomPercent = 150;
    drawLayout(surface, d, view, nullptr);
    const std::vector<std::string> texts = surface.callsStartingWith("textOut 200");
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], "textOut 200 -10 ラベルの大きさ           40mm × 20mm");
    EXPECT_EQ(texts[1], "textOut 200 -50 一枚目のラベルの位置   15mm × 15mm");
    EXPECT_EQ(texts[2], "textOut 200 -90 表示の倍率                150%");
    EXPECT_EQ(texts[3], "textOut 200 -130 バーコードの種類        JAN CODE  ");
}

TEST_F(LayoutDrawingTest, LabelRulersAndFieldRectangles) {
    const LayoutHitAreas areas = drawLayout(surface, d, view, nullptr);  // 100 %: 10 units a mm
    EXPECT_EQ(areas.label, (LogicalRect{100, -500, 500, -700}));
    // Ruler ticks, one a millimetre: 41 across and 21 down; then the barcode's dotted frame.
    const std::vector<std::string> moves = surface.callsStartingWith("moveTo");
    ASSERT_EQ(moves.size(), 41u + 21u + 1u);
    EXPECT_EQ(moves[10], "moveTo 200 -470");  // the tick of 10 mm, from 3 mm above the label
    EXPECT_EQ(surface.callsStartingWith("lineTo")[10], "lineTo 200 -400");  // 10 mm long
    EXPECT_EQ(surface.callsStartingWith("lineTo")[5], "lineTo 150 -420");   // 5 mm: 8 long
    // The text field: 4 characters of 10 pt Arial (35 units high, 17 a character) from
    // (120, -530), framed 3 units larger.
    EXPECT_EQ(areas.fields[0], (LogicalRect{117, -527, 191, -568}));
    // The barcode field covers its 30 x 10 mm rectangle and shows a sample symbol.
    EXPECT_EQ(areas.fields[1], (LogicalRect{150, -580, 450, -680}));
    ASSERT_EQ(surface.canvases().size(), 1u);
    EXPECT_EQ(areas.fields[2], LogicalRect{});  // point size 0: not drawn ...
    EXPECT_EQ(areas.status, "フィールド名  EMPTY はポイントサイズが０です。");  // ... but told
    d.fields[1].xMm = -1;
    EXPECT_EQ(drawLayout(surface, d, view, nullptr).fields[1], LogicalRect{});
}

TEST_F(LayoutDrawingTest, LiteralsShowDatesExpandedAndRunningNumbersAsASample) {
    d.literals[0] = {makeLiteralEntry({"\\@", "", 0}), 10, 0, 1, 1};
    d.literals[1] = {makeLiteralEntry({"\\d2", "", 0}), 10, 0, 1, 10};
    view.showFields = false;
    const LayoutHitAreas areas = drawLayout(surface, d, view, nullptr);
    const std::vector<std::string> texts = surface.callsStartingWith("textOut 110");
    EXPECT_EQ(texts,
              (std::vector<std::string>{"textOut 110 -510 123", "textOut 110 -600 1997.10.10"}));
    EXPECT_EQ(areas.literals[0], (LogicalRect{110, -510, 161, -545}));
    EXPECT_TRUE(surface.canvases().empty());  // fields hidden until a definition is loaded
}

TEST(LayoutSamples, SampleValuesCarryTheirCheckCharacters) {
    // 0·1+1·3+2·1+3·3+4·1+5·3+6·1+7·3+8·1+9·3+0·1+1·3 = 98 -> check digit 2.
    EXPECT_EQ(sampleBarcodeValue(BarcodeKind::Jan), "0123456789012");
    EXPECT_EQ(sampleBarcodeValue(BarcodeKind::Nw7), "a12345678a");
    EXPECT_EQ(sampleBarcodeValue(BarcodeKind::Code39), "*12345678*");
    EXPECT_EQ(sampleBarcodeValue(BarcodeKind::Itf).size(), 14u);
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(LayoutMouse, PositionsInMillimetres) {
    // At 100 % a click 3.5 mm right of and 4.2 mm below the corner: 4 and 5.
    const LayoutMm at = layoutPositionMm(35, -42, 10);
    EXPECT_EQ(at.x, 4);
    EXPECT_EQ(at.y, 5);
    EXPECT_EQ(layoutPositionMm(0, 0, 15).x, 1);
    SheetGeometry sheet;                               // 45 x 30 mm
    EXPECT_TRUE(inLayoutHitArea(-20, 20, 10, sheet));  // 2 mm left of and above the label
    EXPECT_FALSE(inLayoutHitArea(-21, 0, 10, sheet));
    EXPECT_FALSE(inLayoutHitArea(0, -301, 10, sheet));
    EXPECT_EQ(layoutPositionMm(5, 5, 0).x, 0);  // no zoom: nothing divides by zero
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(LayoutBadInput, FieldsAndLiteralsBeyondTheLabelDrawWithoutHarm) {
    LabelDefinition d;
    d.dataFile.fieldNames = {"FAR", "HUGE"};
    d.dataFile.fieldLengths = {5000, 13};
    d.fields[0] = {60000, 60000, "", 65535, 0, 0, 7, 0xFF, 200};
    d.fields[1] = {1, 1, "", 10, 60000, 60000, 8 | 1, 0, 0};
    d.literals[0] = {"\\\\d9,,99", 255, 255, 65535, 65535};
    RecordingSurface surface;
    const LayoutHitAreas areas = drawLayout(surface, d, LayoutView{}, nullptr);
    EXPECT_GT(areas.fields[0].right, areas.label.right);  // drawn where it says, off the label
    EXPECT_FALSE(surface.calls().empty());
}

// The editor tells what printing would put in a barcode's quiet zone. A canvas symbol hides what
// is drawn before it under its own white, so only what lies beyond its field counts.
TEST_F(LayoutDrawingTest, QuietZoneWarningsOfBarcodeFields) {
    const std::string frame = "ラベルの枠線がクワイエットゾーンに入っています";
    const std::string line = "罫線がクワイエットゾーンに入っています";
    EXPECT_EQ(quietZoneWarning(d, 1), "");  // a JAN keeps 11 modules of white in its field
    EXPECT_EQ(quietZoneWarning(d, 0), "");  // a text field
    // A CODE 39 ending at the label's right edge keeps 6.7 narrow elements, 10 are needed.
    d.fields[1] = {20, 8, kDefaultFaceName, 10, 20, 10, 64, 0, 0};
    EXPECT_EQ(quietZoneWarning(d, 1), "フィールド JAN: " + frame);
    d.ruledLines[0] = {20, 0, 20, -20};  // along the field's left edge
    EXPECT_EQ(quietZoneWarning(d, 1), "フィールド JAN: " + frame + "、" + line);
    drawLayout(surface, d, view, nullptr);
    EXPECT_EQ(surface.callsStartingWith("pen dotted 0000FF").size(), 1u);
    d.sheet.noFrameLines = 1;
    d.ruledLines[0] = {30, 0, 30, -20};  // under the symbol's white
    EXPECT_EQ(quietZoneWarning(d, 1), "");
}

}  // namespace
}  // namespace qv
