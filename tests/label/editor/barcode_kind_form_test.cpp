#include "label/editor/forms/barcode_kind_form.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class BarcodeKindFormTest : public ::testing::Test {
  protected:
    FieldPlacement& field() { return definition.fields[2]; }
    LabelDefinition definition;
};

TEST_F(BarcodeKindFormTest, OpeningShowsTheFieldsWord) {
    field().attributes = 16 | 2 | 1;  // ITF, ignore check digit, text under the bars
    const BarcodeKindForm form(definition, 2, 8);
    EXPECT_EQ(form.kind(), BarcodeKind::Itf);
    EXPECT_TRUE(form.ignoreCheckDigitEnabled());
    EXPECT_TRUE(form.ignoreCheckDigit());
    EXPECT_TRUE(form.showText());
    EXPECT_TRUE(form.facesLeft());
}

TEST_F(BarcodeKindFormTest, OpeningATextFieldChecksNoKind) {
    field().attributes = 3;  // bold italic text
    const BarcodeKindForm form(definition, 2, 1);
    EXPECT_EQ(form.kind(), BarcodeKind::Text);
    EXPECT_FALSE(form.ignoreCheckDigitEnabled());
    EXPECT_FALSE(form.facesLeft());  // bit 0 is not the direction
}

TEST_F(BarcodeKindFormTest, ChoosingAKindReplacesTheWholeWordAtOnce) {
    field().attributes = 8 | 2 | 1;  // JAN with both bits
    BarcodeKindForm form(definition, 2, 0);
    form.chooseKind(BarcodeKind::Nw7);
    EXPECT_EQ(field().attributes, 32);
    EXPECT_EQ(definition.lastBarcodeKind, 4);
    EXPECT_FALSE(form.ignoreCheckDigitEnabled());
    form.chooseKind(BarcodeKind::Jan);
    EXPECT_EQ(field().attributes, 8);
    EXPECT_TRUE(form.ignoreCheckDigitEnabled());
    EXPECT_EQ(definition.lastBarcodeKind, 1);
}

TEST_F(BarcodeKindFormTest, LastKindNumbers) {
    BarcodeKindForm form(definition, 0, 0);
    const std::pair<BarcodeKind, int> cases[] = {{BarcodeKind::Jan, 1},
                                                 {BarcodeKind::Itf, 2},
                                                 {BarcodeKind::Code39, 3},
                                                 {BarcodeKind::Nw7, 4}};
    for (const auto& [kind, number] : cases) {
        form.chooseKind(kind);
        EXPECT_EQ(definition.fields[0].attributes, static_cast<int>(kind));
        EXPECT_EQ(definition.lastBarcodeKind, number);
    }
}

TEST_F(BarcodeKindFormTest, KindsThatAreNotOfferedAreIgnored) {
    field().attributes = 64;
    definition.lastBarcodeKind = 3;
    BarcodeKindForm form(definition, 2, 0);
    form.chooseKind(BarcodeKind::Code128);
    form.chooseKind(BarcodeKind::Text);
    EXPECT_EQ(field().attributes, 64);
    EXPECT_EQ(definition.lastBarcodeKind, 3);
}

TEST_F(BarcodeKindFormTest, FieldSwitchedFromJanToNw7LosesTheCheckDigitBit) {
    field().attributes = 8 | 2;
    BarcodeKindForm form(definition, 2, 0);
    form.chooseKind(BarcodeKind::Nw7);
    form.finish();
    EXPECT_EQ(field().attributes, 32);
}

TEST_F(BarcodeKindFormTest, FinishSetsAndClearsBothBits) {
    field().attributes = 16 | 1;
    BarcodeKindForm form(definition, 2, 0);
    form.setShowText(false);
    form.setIgnoreCheckDigit(true);
    form.finish();
    EXPECT_EQ(field().attributes, 16 | 2);
    form.setShowText(true);
    form.setIgnoreCheckDigit(false);
    form.finish();
    EXPECT_EQ(field().attributes, 16 | 1);
}

TEST_F(BarcodeKindFormTest, FinishLeavesATextFieldAlone) {
    field().attributes = 4;  // underlined text
    BarcodeKindForm form(definition, 2, 0);
    form.setShowText(true);
    form.finish();
    EXPECT_EQ(field().attributes, 4);
}

TEST_F(BarcodeKindFormTest, DirectionIsHandedBackNotStored) {
    field().layoutFlags = 0;
    BarcodeKindForm form(definition, 2, 3);
    form.setFacesLeft(true);
    EXPECT_EQ(form.finish(), 8);  // the whole word becomes 8
    form.setFacesLeft(false);
    EXPECT_EQ(form.finish(), 0);
    EXPECT_EQ(field().layoutFlags, 0);
}

}  // namespace
}  // namespace qv
