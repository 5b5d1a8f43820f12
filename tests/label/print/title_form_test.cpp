#include "label/print/title_form.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

LabelDefinition titledDefinition() {
    LabelDefinition definition;
    definition.titleText = "Stock";
    definition.titleFontName = "Arial";
    definition.titlePointSize = 18;
    definition.titleBold = 1;
    definition.titleItalic = 0;
    definition.titleUnderline = 1;
    definition.titlePosition = 5;  // middle, right
    definition.titleColourIndex = 7;
    definition.titleAuxText = "aux";
    definition.printPageNumber = 0;
    definition.printDate = 1;
    return definition;
}

TEST(TitleFormTest, StartsWithTheDefinitionsValues) {
    const TitleForm form(titledDefinition());
    EXPECT_EQ(form.text(), "Stock");
    EXPECT_EQ(form.font().face, "Arial");
    EXPECT_EQ(form.font().pointSize, 18);
    EXPECT_TRUE(form.font().bold);
    EXPECT_FALSE(form.font().italic);
    EXPECT_TRUE(form.font().underline);
    EXPECT_EQ(form.horizontal(), 2);
    EXPECT_EQ(form.vertical(), 1);
    EXPECT_EQ(form.colourIndex(), 7);
    EXPECT_FALSE(form.printPageNumber());
    EXPECT_TRUE(form.printDate());
}

// Each button stores 3 x vertical + horizontal with the other group's current button.
TEST(TitleFormTest, PositionGroups) {
    TitleForm form(titledDefinition());  // 5: middle, right
    form.chooseVertical(2);
    EXPECT_EQ(form.position(), 8);  // bottom, right: the horizontal button is kept
    form.chooseHorizontal(0);
    EXPECT_EQ(form.position(), 6);  // bottom, left
    form.chooseVertical(0);
    EXPECT_EQ(form.position(), 0);
    form.chooseHorizontal(1);
    EXPECT_EQ(form.position(), 1);
    EXPECT_EQ(form.horizontal(), 1);
    EXPECT_EQ(form.vertical(), 0);
    form.chooseHorizontal(3);  // no such button
    EXPECT_EQ(form.position(), 1);
}

TEST(TitleFormTest, PositionOutsideTheTableChecksNoButtonUntilOneIsChosen) {
    LabelDefinition definition = titledDefinition();
    definition.titlePosition = 11;
    TitleForm form(definition);
    EXPECT_EQ(form.horizontal(), -1);
    EXPECT_EQ(form.vertical(), -1);
    LabelDefinition untouched;
    form.storeInto(untouched);
    EXPECT_EQ(untouched.titlePosition, 11);
    form.chooseVertical(1);  // the unchecked horizontal group counts as its first button
    EXPECT_EQ(form.position(), 3);
    EXPECT_EQ(form.horizontal(), 0);
}

TEST(TitleFormTest, FontChoiceTakesFaceSizeStylesAndEmptiesTheAuxText) {
    TitleForm form(titledDefinition());
    EXPECT_EQ(form.auxText(), "aux");
    form.chooseFont({"Courier New", 9, false, true, false});
    EXPECT_EQ(form.font().face, "Courier New");
    EXPECT_EQ(form.font().pointSize, 9);
    EXPECT_FALSE(form.font().bold);
    EXPECT_TRUE(form.font().italic);
    EXPECT_FALSE(form.font().underline);
    EXPECT_EQ(form.auxText(), "");
}

TEST(TitleFormTest, ColourChoiceKeepsToTheTable) {
    TitleForm form(titledDefinition());
    form.chooseColour(0);
    EXPECT_EQ(form.colourIndex(), 0);
    form.chooseColour(kColourCount - 1);
    EXPECT_EQ(form.colourIndex(), 19);
    form.chooseColour(kColourCount);
    form.chooseColour(-1);
    EXPECT_EQ(form.colourIndex(), 19);
}

TEST(TitleFormTest, OkStoresEveryValue) {
    TitleForm form(titledDefinition());
    form.setText("Shipping");
    form.chooseFont({"System", 12, true, true, false});
    form.chooseHorizontal(1);
    form.chooseVertical(0);
    form.chooseColour(3);
    form.setPrintPageNumber(true);
    form.setPrintDate(false);

    LabelDefinition definition = titledDefinition();
    form.storeInto(definition);
    EXPECT_EQ(definition.titleText, "Shipping");
    EXPECT_EQ(definition.titleFontName, "System");
    EXPECT_EQ(definition.titlePointSize, 12);
    EXPECT_EQ(definition.titleBold, 1);
    EXPECT_EQ(definition.titleItalic, 1);
    EXPECT_EQ(definition.titleUnderline, 0);
    EXPECT_EQ(definition.titlePosition, 1);
    EXPECT_EQ(definition.titleAuxText, "");
    EXPECT_EQ(definition.titleColourIndex, 3);
    EXPECT_EQ(definition.printPageNumber, 1);
    EXPECT_EQ(definition.printDate, 0);
}

TEST(TitleFormTest, OkWithoutChangesKeepsTheDefinition) {
    const LabelDefinition before = titledDefinition();
    LabelDefinition after = before;
    TitleForm(before).storeInto(after);
    EXPECT_EQ(after.titleText, before.titleText);
    EXPECT_EQ(after.titleFontName, before.titleFontName);
    EXPECT_EQ(after.titlePointSize, before.titlePointSize);
    EXPECT_EQ(after.titleAuxText, "aux");  // only a font choice empties it
    EXPECT_EQ(after.titlePosition, 5);
    EXPECT_EQ(after.titleColourIndex, 7);
    EXPECT_EQ(after.printPageNumber, 0);
}

}  // namespace
}  // namespace qv
