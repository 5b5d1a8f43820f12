// The layout editor's mouse without a widget: what a press, a move and a release report.
#include "label/editor/forms/layout_mouse.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Label units at 100 %: 10 per millimetre, y upward from the label's top-left corner.
LogicalPoint mm(double x, double y) {
    return {static_cast<int>(x * 10), static_cast<int>(-y * 10)};
}

class LayoutMouseTest : public ::testing::Test {
  protected:
    LayoutMouseTest() {
        d.sheet.labelWidthMm = 45;
        d.sheet.labelHeightMm = 30;
        d.fields[0] = {10, 10, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
        d.literals[2] = {"PRICE", 10, 0, 20, 20};
        LayoutHitAreas areas;
        areas.label = {0, 0, 450, -300};
        areas.fields[0] = {100, -100, 200, -140};
        areas.literals[2] = {200, -200, 260, -240};
        mouse.setAreas(areas);
    }
    LabelDefinition d;
    LayoutMouse mouse{d};
};

// The field follows every move and says so; neither the press nor the release hands the dialog
// the pointer's position, which would undo the drag on confirming.
TEST_F(LayoutMouseTest, ADragMovesTheSelectedFieldAndReportsEachMove) {
    mouse.selectField(0);
    mouse.setMeasuring(true);
    const LayoutMouseResult down = mouse.press(mm(12, 11));
    EXPECT_FALSE(down.fieldPick);
    EXPECT_EQ(mouse.cursorAt(mm(12, 11)), LayoutCursor::Move);
    const LayoutMouseResult moved = mouse.move(mm(-1.5, 12), true);  // past the left edge
    EXPECT_EQ(moved.movedField, 0);
    EXPECT_TRUE(moved.modified);
    EXPECT_EQ(d.fields[0].xMm, 0);
    EXPECT_EQ(d.fields[0].yMm, 11);
    const LayoutMouseResult up = mouse.release(mm(-1.5, 12));
    EXPECT_FALSE(up.fieldPick);
    EXPECT_FALSE(up.rubberRectangle);
    EXPECT_FALSE(mouse.inverted());
}

TEST_F(LayoutMouseTest, GrabbingALiteralInLiteralModeMovesItWithoutANewPosition) {
    mouse.setMode(LayoutMode::Literal);
    mouse.selectLiteral(2);
    EXPECT_FALSE(mouse.press(mm(21, 21)).literalPick);
    EXPECT_EQ(mouse.move(mm(26, 11), true).movedLiteral, 2);
    EXPECT_EQ(d.literals[2].xMm, 25);
    EXPECT_EQ(d.literals[2].yMm, 10);
    mouse.release(mm(26, 11));
    // A press beside it is a position for the dialog.
    EXPECT_TRUE(mouse.press(mm(40, 25)).literalPick);
}

// The rectangle is handed over normalised in 0.1 mm; a dialog's store closes it, and the next
// press starts a new one instead of only removing the old.
TEST_F(LayoutMouseTest, RubberRectangleIsNormalisedAndClosedOnRequest) {
    mouse.press(mm(30, 20));
    mouse.move(mm(5, 2), true);
    const LayoutMouseResult up = mouse.release(mm(5, 2));
    ASSERT_TRUE(up.rubberRectangle);
    EXPECT_EQ(*up.rubberRectangle, (LogicalRect{50, -20, 300, -200}));
    EXPECT_TRUE(mouse.inverted());
    mouse.closeRubber();
    EXPECT_FALSE(mouse.inverted());
    mouse.press(mm(1, 1));
    EXPECT_TRUE(mouse.inverted());
}

TEST_F(LayoutMouseTest, ARightClickHitsBitmapsBeforeLiteralsBeforeFields) {
    LayoutHitAreas areas;
    areas.label = {0, 0, 450, -300};
    areas.fields[3] = {100, -100, 300, -250};
    areas.literals[1] = {150, -150, 200, -200};
    mouse.setAreas(areas);
    EXPECT_EQ(mouse.hitAt(mm(16, 16)).kind, LayoutHit::Kind::Literal);
    EXPECT_EQ(mouse.hitAt(mm(12, 12)).index, 3);
    EXPECT_EQ(mouse.hitAt(mm(40, 5)).kind, LayoutHit::Kind::Nothing);
}

}  // namespace
}  // namespace qv
