#include "label/editor/forms/literal_form.h"

#include <gtest/gtest.h>

#include "common/message_service.h"
#include "label/definition/literal_entry.h"

namespace qv {
namespace {

const char* const kBadNumber = "入力された数値に誤りがあります!";

class LiteralFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.sheet.labelWidthMm = 45;
        definition.sheet.labelHeightMm = 30;
    }

    // Adds a literal with the pending font; the position must be within the label.
    void addLiteral(LiteralForm& form, const std::string& text, int x, int y) {
        form.setText(text);
        form.pickPosition(x, y);
        ASSERT_TRUE(form.add()) << text;
    }

    LabelDefinition definition;
    RecordingMessageService messages;
};

// --- Pending values -------------------------------------------------------------------------

TEST_F(LiteralFormTest, StartsWithMinchoTenPointAndNoPosition) {
    LiteralForm form(definition, messages);
    EXPECT_EQ(form.font().face, kDefaultFaceName);
    EXPECT_EQ(form.font().pointSize, 10);
    EXPECT_FALSE(form.font().bold || form.font().italic || form.font().underline);
    EXPECT_EQ(form.colourIndex(), 0);
    EXPECT_FALSE(form.x().has_value());
    EXPECT_TRUE(form.listTexts().empty());
    EXPECT_EQ(form.selectedSlot(), -1);
}

TEST_F(LiteralFormTest, ListShowsTheTextOfEveryUsedSlotOnly) {
    definition.literals[0].entry = "Lot,Arial,2";
    definition.literals[1].entry = " ";  // one blank is no literal
    definition.literals[2].entry = "Qty,,0";
    LiteralForm form(definition, messages);
    EXPECT_EQ(form.listTexts(), (std::vector<std::string>{"Lot", "Qty"}));
    EXPECT_EQ(form.listSlots(), (std::vector<int>{0, 2}));
}

TEST_F(LiteralFormTest, SelectingLoadsEveryValueAndAnEmptyFaceBecomesMincho) {
    definition.literals[0].entry = "Lot,Arial,2";
    definition.literals[3] = LiteralPlacement{"Qty,,7", 12, 1 | 4, 20, 15};
    LiteralForm form(definition, messages);
    form.selectRow(1);
    EXPECT_EQ(form.selectedSlot(), 3);
    EXPECT_EQ(form.text(), "Qty");
    EXPECT_EQ(form.font().face, kDefaultFaceName);
    EXPECT_EQ(form.font().pointSize, 12);
    EXPECT_TRUE(form.font().bold);
    EXPECT_FALSE(form.font().italic);
    EXPECT_TRUE(form.font().underline);
    EXPECT_EQ(form.colourIndex(), 7);
    EXPECT_EQ(form.x(), 20);
    EXPECT_EQ(form.y(), 15);

    form.selectRow(0);
    EXPECT_EQ(form.font().face, "Arial");
    form.selectRow(2);  // past the list
    EXPECT_EQ(form.selectedSlot(), -1);
}

TEST_F(LiteralFormTest, ColourOutsideTheTableIsIgnored) {
    LiteralForm form(definition, messages);
    form.chooseColour(19);
    form.chooseColour(20);
    form.chooseColour(-1);
    EXPECT_EQ(form.colourIndex(), 19);
}

// --- Add --------------------------------------------------------------------------------------

TEST_F(LiteralFormTest, AddWritesEntrySizeWordAndPositionThenClears) {
    LiteralForm form(definition, messages);
    form.setText("Lot");
    form.setX(10);
    form.setY(5);
    form.chooseFont(FontChoice{"Arial", 14, false, true, true});
    form.chooseColour(3);
    ASSERT_TRUE(form.add());
    const LiteralPlacement& literal = definition.literals[0];
    EXPECT_EQ(literal.entry, "Lot,Arial,3");
    EXPECT_EQ(literal.pointSize, 14);
    EXPECT_EQ(literal.style, 2 | 4);  // italic bit 1, underline bit 2
    EXPECT_EQ(literal.xMm, 10);
    EXPECT_EQ(literal.yMm, 5);
    EXPECT_TRUE(form.text().empty());
    EXPECT_FALSE(form.x().has_value());
    EXPECT_FALSE(form.y().has_value());
    EXPECT_EQ(form.listTexts(), std::vector<std::string>{"Lot"});
    EXPECT_EQ(form.selectedSlot(), -1);
    EXPECT_TRUE(form.changed());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LiteralFormTest, AddFillsTheFirstEmptyOrBlankSlot) {
    definition.literals[0].entry = "A,,0";
    definition.literals[1].entry = " ";
    definition.literals[2].entry = "C,,0";
    LiteralForm form(definition, messages);
    addLiteral(form, "B", 1, 1);
    EXPECT_EQ(parseLiteralEntry(definition.literals[1].entry).text, "B");
    addLiteral(form, "D", 1, 1);
    EXPECT_EQ(parseLiteralEntry(definition.literals[3].entry).text, "D");
}

TEST_F(LiteralFormTest, TextWithCommaAndQuoteReadsBackWhole) {
    LiteralForm form(definition, messages);
    addLiteral(form, "1,234 \"net\"", 0, 0);
    EXPECT_EQ(form.listTexts(), std::vector<std::string>{"1,234 \"net\""});
    form.selectRow(0);
    EXPECT_EQ(form.text(), "1,234 \"net\"");
    EXPECT_EQ(form.font().face, kDefaultFaceName);
}

struct AddCase {
    const char* name;
    int pointSize;
    int x;
    int y;
    bool accepted;
};

class LiteralAddLimitsTest : public LiteralFormTest,
                             public ::testing::WithParamInterface<AddCase> {};

TEST_P(LiteralAddLimitsTest, SizeAndPositionAreChecked) {
    const AddCase& c = GetParam();
    LiteralForm form(definition, messages);
    form.setText("T");
    form.chooseFont(FontChoice{kDefaultFaceName, c.pointSize});
    form.pickPosition(c.x, c.y);
    EXPECT_EQ(form.add(), c.accepted);
    if (c.accepted) {
        EXPECT_TRUE(messages.messages().empty());
        EXPECT_EQ(definition.literals[0].xMm, c.x);
    } else {
        EXPECT_EQ(messages.texts(), std::vector<std::string>{kBadNumber});
        EXPECT_EQ(definition.literals[0].entry, "");  // nothing changed
        EXPECT_EQ(form.text(), "T");
        EXPECT_FALSE(form.changed());
    }
}

// The label is 45 x 30 mm.
INSTANTIATE_TEST_SUITE_P(
    Limits, LiteralAddLimitsTest,
    ::testing::Values(AddCase{"Size1", 1, 0, 0, true}, AddCase{"Size64", 64, 0, 0, true},
                      AddCase{"Size0", 0, 0, 0, false}, AddCase{"Size65", 65, 0, 0, false},
                      AddCase{"XAtLabelWidth", 10, 45, 0, true},
                      AddCase{"XPastLabelWidth", 10, 46, 0, false},
                      AddCase{"YAtLabelHeight", 10, 0, 30, true},
                      AddCase{"YPastLabelHeight", 10, 0, 31, false},
                      AddCase{"NegativeX", 10, -1, 0, false}),
    [](const ::testing::TestParamInfo<AddCase>& info) { return std::string(info.param.name); });

TEST_F(LiteralFormTest, AddWithoutAPositionIsRefused) {
    LiteralForm form(definition, messages);
    form.setText("T");
    form.setX(3);
    EXPECT_FALSE(form.add());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kBadNumber});
}

TEST_F(LiteralFormTest, FullTableIsRefusedWithoutWriting) {
    for (auto& literal : definition.literals) literal = LiteralPlacement{"X,,0", 10, 0, 1, 1};
    const auto before = definition.literals;
    LiteralForm form(definition, messages);
    form.setText("New");
    form.pickPosition(2, 2);
    EXPECT_FALSE(form.add());
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{
                  "リテラルは30個までしか配置できません。どれかを削除してから追加してください。"});
    EXPECT_EQ(form.text(), "New");
    EXPECT_FALSE(form.changed());
    for (size_t slot = 0; slot < before.size(); ++slot) {
        EXPECT_EQ(definition.literals[slot].entry, before[slot].entry);
    }
}

// --- Modify and delete ----------------------------------------------------------------------

TEST_F(LiteralFormTest, ModifyRewritesTheSelectedSlotWithoutCheckingSize) {
    definition.literals[0] = LiteralPlacement{"A,,0", 10, 0, 1, 1};
    definition.literals[1] = LiteralPlacement{"B,,0", 10, 0, 2, 2};
    LiteralForm form(definition, messages);
    form.selectRow(1);
    form.setText("B2");
    form.chooseFont(FontChoice{"Arial", 72, true});
    form.pickPosition(45, 30);
    ASSERT_TRUE(form.modify());
    EXPECT_EQ(definition.literals[1].entry, "B2,Arial,0");
    EXPECT_EQ(definition.literals[1].pointSize, 72);
    EXPECT_EQ(definition.literals[1].style, 1);
    EXPECT_EQ(definition.literals[1].xMm, 45);
    EXPECT_EQ(definition.literals[0].entry, "A,,0");
    EXPECT_EQ(form.listTexts(), (std::vector<std::string>{"A", "B2"}));
    EXPECT_EQ(form.selectedSlot(), 1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LiteralFormTest, ModifyChecksThePosition) {
    definition.literals[0] = LiteralPlacement{"A,,0", 10, 0, 1, 1};
    LiteralForm form(definition, messages);
    form.selectRow(0);
    form.setY(31);
    EXPECT_FALSE(form.modify());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kBadNumber});
    EXPECT_EQ(definition.literals[0].yMm, 1);
}

TEST_F(LiteralFormTest, ModifyOrDeleteWithoutSelectionDoesNothing) {
    definition.literals[0] = LiteralPlacement{"A,,0", 10, 0, 1, 1};
    LiteralForm form(definition, messages);
    form.pickPosition(3, 3);
    EXPECT_FALSE(form.modify());
    EXPECT_FALSE(form.remove());
    EXPECT_EQ(definition.literals[0].xMm, 1);
    EXPECT_FALSE(form.changed());
}

TEST_F(LiteralFormTest, DeletingTheThirdOfFiveMovesTheLaterOnesDown) {
    for (int i = 0; i < 5; ++i) {
        definition.literals[static_cast<size_t>(i)] = LiteralPlacement{
            std::string(1, static_cast<char>('A' + i)) + ",,0", 10 + i, i % 2, 10 + i, 20 + i};
    }
    LiteralForm form(definition, messages);
    form.selectRow(2);
    ASSERT_TRUE(form.remove());
    EXPECT_EQ(form.listTexts(), (std::vector<std::string>{"A", "B", "D", "E"}));
    const LiteralPlacement& third = definition.literals[2];
    EXPECT_EQ(third.entry, "D,,0");
    EXPECT_EQ(third.pointSize, 13);
    EXPECT_EQ(third.style, 1);
    EXPECT_EQ(third.xMm, 13);
    EXPECT_EQ(third.yMm, 23);
    const LiteralPlacement& fourth = definition.literals[3];
    EXPECT_EQ(fourth.entry, "E,,0");
    EXPECT_EQ(fourth.pointSize, 14);
    EXPECT_EQ(fourth.xMm, 14);
    EXPECT_EQ(fourth.yMm, 24);
    EXPECT_FALSE(isListEntry(definition.literals[4].entry));
    EXPECT_EQ(definition.literals[4].xMm, -1);
    EXPECT_EQ(form.selectedSlot(), -1);
    EXPECT_TRUE(form.changed());
}

TEST_F(LiteralFormTest, DeletingTheLastSlotOfAFullTableEmptiesIt) {
    for (auto& literal : definition.literals) literal = LiteralPlacement{"X,,0", 10, 0, 1, 1};
    LiteralForm form(definition, messages);
    form.selectRow(kMaxLiterals - 1);
    ASSERT_TRUE(form.remove());
    EXPECT_EQ(form.listTexts().size(), 29u);
    EXPECT_EQ(definition.literals[kMaxLiterals - 1].entry, "");
}

// --- Macro choice ---------------------------------------------------------------------------

TEST_F(LiteralFormTest, MacroCodeBecomesTheTextAndSelectsAMatchingLiteral) {
    definition.literals[0] = LiteralPlacement{"A,,0", 10, 0, 1, 1};
    definition.literals[1] = LiteralPlacement{"\\d1,,4", 11, 0, 5, 6};
    LiteralForm form(definition, messages);
    EXPECT_TRUE(form.chooseMacro("\\d1"));
    EXPECT_EQ(form.selectedSlot(), 1);
    EXPECT_EQ(form.colourIndex(), 4);
    EXPECT_EQ(form.x(), 5);

    EXPECT_FALSE(form.chooseMacro("\\t1"));
    EXPECT_EQ(form.text(), "\\t1");
}

}  // namespace
}  // namespace qv
