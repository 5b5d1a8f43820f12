#include "label/editor/forms/ruled_line_form.h"

#include <gtest/gtest.h>

#include "common/message_service.h"

namespace qv {
namespace {

class RuledLineFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.sheet.labelWidthMm = 45;
        definition.sheet.labelHeightMm = 30;
    }

    void type(RuledLineForm& form, int startX, int startY, int endX, int endY) {
        form.setStartX(startX);
        form.setStartY(startY);
        form.setEndX(endX);
        form.setEndY(endY);
    }

    LabelDefinition definition;
    RecordingMessageService messages;
};

// --- List -------------------------------------------------------------------------------------

TEST_F(RuledLineFormTest, ListHasOneLinePerSlotWithYShownPositive) {
    definition.ruledLines[1] = RuledLine{3, -4, 40, -5};
    RuledLineForm form(definition, messages);
    const std::vector<std::string> lines = form.listLines();
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], "0...");
    EXPECT_EQ(lines[1], "1...(3mm×4mm→40mm×5mm)");
    EXPECT_EQ(lines[29], "29...");
}

// --- Enabling ---------------------------------------------------------------------------------

// An enabled button must act: every value on the label, and modify needs a line to modify.
TEST_F(RuledLineFormTest, AddAndModifyAreEnabledOnlyForALineOnTheLabel) {
    RuledLineForm form(definition, messages);
    EXPECT_FALSE(form.addEnabled());
    form.setStartX(0);
    form.setStartY(0);
    form.setEndX(46);  // past the 45 mm width
    form.setEndY(30);  // the label's bottom edge
    EXPECT_FALSE(form.addEnabled());
    EXPECT_FALSE(form.add());
    form.setEndX(45);
    EXPECT_TRUE(form.addEnabled());
    EXPECT_FALSE(form.modifyEnabled());
    form.setEndY(std::nullopt);
    EXPECT_FALSE(form.addEnabled());
    definition.ruledLines[4] = RuledLine{1, -2, 3, -4};
    form.selectSlot(4);
    form.setEndX(44);
    EXPECT_TRUE(form.modifyEnabled());
    form.setEndX(46);
    EXPECT_FALSE(form.modifyEnabled());
    EXPECT_FALSE(form.modify());
    EXPECT_EQ(definition.ruledLines[4].endX, 3);
}

TEST_F(RuledLineFormTest, SelectingShowsTheLineAndEnablesOnlyDelete) {
    definition.ruledLines[2] = RuledLine{3, -4, 40, -5};
    RuledLineForm form(definition, messages);
    form.setStartX(1);
    form.selectSlot(2);
    EXPECT_EQ(form.values().startX, 3);
    EXPECT_EQ(form.values().startY, 4);
    EXPECT_EQ(form.values().endX, 40);
    EXPECT_EQ(form.values().endY, 5);
    EXPECT_TRUE(form.removeEnabled());
    EXPECT_FALSE(form.addEnabled());
    EXPECT_FALSE(form.modifyEnabled());
}

TEST_F(RuledLineFormTest, ALineDrawnInTheViewIsShownAndSelected) {
    RuledLineForm form(definition, messages);
    definition.ruledLines[0] = RuledLine{1, -2, 3, -4};  // written by the layout view
    form.lineDrawn(0);
    EXPECT_EQ(form.selectedSlot(), 0);
    EXPECT_EQ(form.values().endY, 4);
    EXPECT_EQ(form.listLines()[0], "0...(1mm×2mm→3mm×4mm)");
}

// --- Add, modify, delete ----------------------------------------------------------------------

TEST_F(RuledLineFormTest, TopEdgeLineIsStoredAsGiven) {
    RuledLineForm form(definition, messages);
    type(form, 0, 0, 45, 0);
    ASSERT_TRUE(form.add());
    const RuledLine& line = definition.ruledLines[0];
    EXPECT_EQ(line.startX, 0);
    EXPECT_EQ(line.startY, 0);
    EXPECT_EQ(line.endX, 45);
    EXPECT_EQ(line.endY, 0);
    EXPECT_TRUE(form.changed());
}

TEST_F(RuledLineFormTest, YIsStoredNegatedAndListedPositive) {
    definition.ruledLines[0] = RuledLine{1, -1, 2, -2};
    RuledLineForm form(definition, messages);
    type(form, 0, 0, 10, 5);
    ASSERT_TRUE(form.add());
    EXPECT_EQ(definition.ruledLines[1].endY, -5);  // first slot whose start X is -1
    EXPECT_EQ(form.listLines()[1], "1...(0mm×0mm→10mm×5mm)");
}

TEST_F(RuledLineFormTest, AddOutsideTheLabelDoesNothing) {
    RuledLineForm form(definition, messages);
    type(form, 0, 0, 46, 0);
    EXPECT_FALSE(form.add());
    type(form, 0, 31, 45, 0);
    EXPECT_FALSE(form.add());
    form.setStartY(std::nullopt);
    EXPECT_FALSE(form.add());
    EXPECT_EQ(definition.ruledLines[0].startX, -1);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_FALSE(form.changed());
}

TEST_F(RuledLineFormTest, FullTableIsRefusedWithAMessage) {
    for (auto& line : definition.ruledLines) line = RuledLine{1, -1, 2, -2};
    RuledLineForm form(definition, messages);
    type(form, 0, 0, 10, 10);
    EXPECT_FALSE(form.add());
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{
                  "罫線は30本までしか設定できません。どれかを削除してから追加してください。"});
    for (const RuledLine& line : definition.ruledLines) EXPECT_EQ(line.endX, 2);
    EXPECT_FALSE(form.changed());
}

TEST_F(RuledLineFormTest, ModifyRewritesTheSelectedSlot) {
    definition.ruledLines[0] = RuledLine{1, -1, 2, -2};
    definition.ruledLines[1] = RuledLine{3, -3, 4, -4};
    RuledLineForm form(definition, messages);
    form.selectSlot(1);
    form.setEndX(45);
    form.setEndY(30);
    ASSERT_TRUE(form.modify());
    EXPECT_EQ(definition.ruledLines[1].startX, 3);
    EXPECT_EQ(definition.ruledLines[1].startY, -3);
    EXPECT_EQ(definition.ruledLines[1].endX, 45);
    EXPECT_EQ(definition.ruledLines[1].endY, -30);
    EXPECT_EQ(definition.ruledLines[0].endX, 2);
}

TEST_F(RuledLineFormTest, ModifyWithoutSelectionOrOutsideTheLabelDoesNothing) {
    definition.ruledLines[0] = RuledLine{1, -1, 2, -2};
    RuledLineForm form(definition, messages);
    type(form, 0, 0, 10, 10);
    EXPECT_FALSE(form.modify());
    form.selectSlot(0);
    form.setEndX(46);
    EXPECT_FALSE(form.modify());
    EXPECT_EQ(definition.ruledLines[0].endX, 2);
}

TEST_F(RuledLineFormTest, DeleteEmptiesTheSlotAndLeavesOthers) {
    definition.ruledLines[0] = RuledLine{1, -1, 2, -2};
    definition.ruledLines[1] = RuledLine{3, -3, 4, -4};
    RuledLineForm form(definition, messages);
    form.selectSlot(0);
    ASSERT_TRUE(form.remove());
    EXPECT_EQ(definition.ruledLines[0].startX, -1);
    EXPECT_EQ(definition.ruledLines[0].startY, 0);
    EXPECT_EQ(definition.ruledLines[0].endX, 0);
    EXPECT_EQ(definition.ruledLines[0].endY, 0);
    EXPECT_EQ(definition.ruledLines[1].endX, 4);
    EXPECT_EQ(form.listLines()[0], "0...");
    EXPECT_FALSE(form.removeEnabled());
    // The freed slot is the first one a new line takes.
    type(form, 5, 5, 6, 6);
    ASSERT_TRUE(form.add());
    EXPECT_EQ(definition.ruledLines[0].startX, 5);
}

}  // namespace
}  // namespace qv
