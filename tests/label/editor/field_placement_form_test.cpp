#include "label/editor/forms/field_placement_form.h"

#include <gtest/gtest.h>

#include "label/definition/barcode_kind.h"

namespace qv {
namespace {

constexpr const char* kNoSelection = "フィールド項目が選択されていません。";
constexpr const char* kNoPosition = "位置を指定して下さい　！";

// Fields: 0 a JAN barcode facing left, 1 a one-blank name (not listed), 2 a placed text field in
// vertical writing, right ("下"), bold and underlined, 3 a text field that is not placed.
class FieldPlacementFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.dataFile.dataFileName = "stock.csv";
        definition.dataFile.fieldNames = {"CODE", " ", "NAME", "PRICE"};
        FieldPlacement& code = definition.fields[0];
        code = {10, 5, "Arial", 9, 30, 12, static_cast<int>(BarcodeKind::Jan), 8, 3};
        FieldPlacement& name = definition.fields[2];
        name = {4, 20, "Arial", 12, 0, 0, 0x05, 0x06, 7};
    }

    // A stand-in for "バーコード種選択" that chooses `kind` facing right.
    static FieldPlacementForm::BarcodeKindHook kindChooser(BarcodeKind kind) {
        return [kind](LabelDefinition& definition, int fieldIndex, int& pendingFlags) {
            definition.fields[static_cast<size_t>(fieldIndex)].attributes = static_cast<int>(kind);
            pendingFlags = 0;
            return true;
        };
    }

    LabelDefinition definition;
    RecordingMessageService messages;
};

TEST_F(FieldPlacementFormTest, ListLeavesOutOneBlankNamesAndKeepsFieldIndices) {
    FieldPlacementForm form(definition, messages);
    ASSERT_EQ(form.fieldList().size(), 3u);
    EXPECT_EQ(form.fieldList()[1].fieldIndex, 2);
    EXPECT_EQ(form.fieldList()[1].nameSjis, "NAME");
    EXPECT_EQ(form.fieldList()[2].fieldIndex, 3);
    EXPECT_EQ(form.dataFileLabel(), "File :stock.csv");
    EXPECT_EQ(form.selectedField(), -1);
    EXPECT_FALSE(form.fontEnabled());
    EXPECT_FALSE(form.confirmEnabled());
    EXPECT_FALSE(form.removeEnabled());
}

TEST_F(FieldPlacementFormTest, SelectingAnUnlistedFieldClearsTheSelection) {
    FieldPlacementForm form(definition, messages);
    form.selectField(2);
    form.selectField(1);  // the one-blank name
    EXPECT_EQ(form.selectedField(), -1);
    EXPECT_EQ(form.xMm(), -1);
}

TEST_F(FieldPlacementFormTest, SelectingABarcodeFieldShowsItsBars) {
    FieldPlacementForm form(definition, messages);
    form.selectField(0);
    EXPECT_TRUE(form.isBarcode());
    EXPECT_FALSE(form.fontEnabled());
    EXPECT_TRUE(form.removeEnabled());
    EXPECT_EQ(form.xMm(), 10);
    EXPECT_EQ(form.yMm(), 5);
    EXPECT_EQ(form.barWidthMm(), 30);
    EXPECT_EQ(form.barHeightMm(), 12);
    EXPECT_EQ(form.colourIndex(), 3);
    EXPECT_FALSE(form.confirmEnabled());  // nothing differs yet
}

TEST_F(FieldPlacementFormTest, SelectingATextFieldShowsFontStyleAndAlignment) {
    FieldPlacementForm form(definition, messages);
    form.selectField(2);
    EXPECT_FALSE(form.isBarcode());
    EXPECT_TRUE(form.fontEnabled());
    EXPECT_EQ(form.fontName(), "Arial");
    EXPECT_EQ(form.pointSize(), 12);
    EXPECT_TRUE(form.bold());
    EXPECT_FALSE(form.italic());
    EXPECT_TRUE(form.underline());
    EXPECT_EQ(form.alignment(), PlacementAlignment::Right);
    EXPECT_TRUE(form.vertical());
    EXPECT_STREQ(form.firstAlignmentLabel(), "上");
    EXPECT_STREQ(form.lastAlignmentLabel(), "下");
}

TEST_F(FieldPlacementFormTest, VerticalWritingRelabelsTheOuterAlignmentButtons) {
    FieldPlacementForm form(definition, messages);
    form.selectField(3);
    EXPECT_STREQ(form.firstAlignmentLabel(), "左");
    EXPECT_STREQ(form.lastAlignmentLabel(), "右");
    EXPECT_EQ(form.setVertical(true), PlacementNotice::EntryChanged);
    EXPECT_STREQ(form.firstAlignmentLabel(), "上");
    EXPECT_STREQ(form.lastAlignmentLabel(), "下");
    form.setVertical(false);
    EXPECT_STREQ(form.firstAlignmentLabel(), "左");
}

TEST_F(FieldPlacementFormTest, AlignmentReplacesOnlyTheAlignmentBits) {
    FieldPlacementForm form(definition, messages);
    form.selectField(2);  // flags: right, vertical
    form.chooseAlignment(PlacementAlignment::Centre);
    EXPECT_EQ(form.layoutFlags(), 0x05);
    form.chooseAlignment(PlacementAlignment::Left);
    EXPECT_EQ(form.layoutFlags(), 0x04);
    EXPECT_EQ(definition.fields[2].layoutFlags, 0x06);  // stored only on confirming
    EXPECT_TRUE(form.confirmEnabled());
}

TEST_F(FieldPlacementFormTest, ButtonsWithoutASelectionAskForOne) {
    FieldPlacementForm form(definition, messages);
    const auto noFont = [](const std::string&, const FontChoice&) {
        ADD_FAILURE() << "the font picker opened";
        return std::optional<FontChoice>();
    };
    EXPECT_EQ(form.changeFont(noFont), PlacementNotice::None);
    EXPECT_EQ(form.confirm(), PlacementNotice::None);
    EXPECT_EQ(form.removeFromLabel(), PlacementNotice::None);
    const std::vector<std::string> expected(3, kNoSelection);
    EXPECT_EQ(messages.texts(), expected);
    EXPECT_EQ(form.pickPosition(1, 2), PlacementNotice::None);  // no field to place
}

TEST_F(FieldPlacementFormTest, ConfirmingWithoutAPositionStoresNothing) {
    FieldPlacementForm form(definition, messages);
    form.selectField(3);
    const FieldPlacement before = definition.fields[3];
    form.chooseColour(5);
    EXPECT_TRUE(form.confirmEnabled());
    EXPECT_EQ(form.confirm(), PlacementNotice::None);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kNoPosition});
    EXPECT_EQ(definition.fields[3].colourIndex, before.colourIndex);
    EXPECT_EQ(definition.fields[3].xMm, -1);
    EXPECT_EQ(form.selectedField(), 3);  // the user can still give the position
}

TEST_F(FieldPlacementFormTest, ConfirmingATextFieldStoresPositionFontAndColour) {
    FieldPlacementForm form(definition, messages);
    form.selectField(3);
    EXPECT_EQ(form.pickPosition(7, 8), PlacementNotice::EntryChanged);
    form.chooseColour(19);
    form.chooseAlignment(PlacementAlignment::Centre);
    EXPECT_EQ(form.confirm(), PlacementNotice::EntryStored);
    const FieldPlacement& stored = definition.fields[3];
    EXPECT_EQ(stored.xMm, 7);
    EXPECT_EQ(stored.yMm, 8);
    EXPECT_EQ(stored.colourIndex, 19);
    EXPECT_EQ(stored.layoutFlags, 0x01);
    EXPECT_EQ(stored.fontName, kDefaultFaceName);
    // The selection and the pending values are cleared.
    EXPECT_EQ(form.selectedField(), -1);
    EXPECT_EQ(form.xMm(), -1);
    EXPECT_EQ(form.yMm(), -1);
    EXPECT_FALSE(form.confirmEnabled());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FieldPlacementFormTest, SwitchingABarcodeToTextStoresNoBarSize) {
    FieldPlacementForm form(definition, messages);
    form.selectField(0);
    EXPECT_EQ(form.chooseText(), PlacementNotice::EntryChanged);
    EXPECT_EQ(definition.fields[0].attributes, 0);  // at once
    EXPECT_FALSE(form.isBarcode());
    EXPECT_TRUE(form.confirmEnabled());
    EXPECT_EQ(form.confirm(), PlacementNotice::EntryStored);
    EXPECT_EQ(definition.fields[0].barWidthMm, 0);
    EXPECT_EQ(definition.fields[0].barHeightMm, 0);
    EXPECT_EQ(definition.fields[0].layoutFlags, 0);  // no direction for text
    EXPECT_EQ(definition.fields[0].xMm, 10);
}

TEST_F(FieldPlacementFormTest, ATextFieldWithoutAFaceKeepsItsStoredFace) {
    definition.fields[3].fontName.clear();
    FieldPlacementForm form(definition, messages);
    form.selectField(3);
    form.pickPosition(1, 1);
    EXPECT_EQ(form.confirm(), PlacementNotice::EntryStored);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "フォントの登録ができませんでした");
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(definition.fields[3].xMm, 1);  // the rest is stored
}

TEST_F(FieldPlacementFormTest, ChoosingBarcodeAsksForTheKindAndEnablesConfirming) {
    FieldPlacementForm form(definition, messages);
    form.selectField(3);
    EXPECT_EQ(form.chooseBarcode(kindChooser(BarcodeKind::Nw7)), PlacementNotice::EntryChanged);
    EXPECT_TRUE(form.isBarcode());
    EXPECT_TRUE(form.confirmEnabled());
    EXPECT_FALSE(form.fontEnabled());
    // A dragged rectangle gives the bar size; a click alone keeps it.
    form.pickPosition(3, 4, 25, 10);
    form.pickPosition(5, 6);
    EXPECT_EQ(form.barWidthMm(), 25);
    EXPECT_EQ(form.barHeightMm(), 10);
    EXPECT_EQ(form.confirm(), PlacementNotice::EntryStored);
    const FieldPlacement& stored = definition.fields[3];
    EXPECT_EQ(stored.attributes, static_cast<int>(BarcodeKind::Nw7));
    EXPECT_EQ(stored.xMm, 5);
    EXPECT_EQ(stored.yMm, 6);
    EXPECT_EQ(stored.barWidthMm, 25);
    EXPECT_EQ(stored.barHeightMm, 10);
}

TEST_F(FieldPlacementFormTest, AnUnchangedKindLeavesTheEntryAsItWas) {
    FieldPlacementForm form(definition, messages);
    form.selectField(3);
    const auto unchanged = [](LabelDefinition&, int, int&) { return false; };
    EXPECT_EQ(form.chooseBarcode(unchanged), PlacementNotice::None);
    EXPECT_FALSE(form.isBarcode());
    EXPECT_FALSE(form.confirmEnabled());
}

TEST_F(FieldPlacementFormTest, ChangingTheFontStoresSizeAndStyleAtOnce) {
    FieldPlacementForm form(definition, messages);
    form.selectField(2);
    std::string caption;
    FontChoice preset;
    const auto picker = [&](const std::string& title, const FontChoice& current) {
        caption = title;
        preset = current;
        return std::optional<FontChoice>(FontChoice{"System", 20, false, true, false});
    };
    EXPECT_EQ(form.changeFont(picker), PlacementNotice::EntryChanged);
    EXPECT_EQ(caption, "「NAME」のフォント");
    EXPECT_EQ(preset.face, "Arial");
    EXPECT_EQ(preset.pointSize, 12);
    EXPECT_TRUE(preset.bold);
    EXPECT_TRUE(preset.underline);
    EXPECT_EQ(definition.fields[2].pointSize, 20);
    EXPECT_EQ(definition.fields[2].attributes, 0x02);   // italic only
    EXPECT_EQ(definition.fields[2].fontName, "Arial");  // the face waits for confirming
    EXPECT_TRUE(form.italic());
    EXPECT_FALSE(form.bold());
    form.confirm();
    EXPECT_EQ(definition.fields[2].fontName, "System");
}

TEST_F(FieldPlacementFormTest, ACancelledFontChangesNothing) {
    FieldPlacementForm form(definition, messages);
    form.selectField(2);
    const auto cancel = [](const std::string&, const FontChoice&) {
        return std::optional<FontChoice>();
    };
    EXPECT_EQ(form.changeFont(cancel), PlacementNotice::None);
    EXPECT_EQ(definition.fields[2].pointSize, 12);
    EXPECT_EQ(definition.fields[2].attributes, 0x05);
    EXPECT_FALSE(form.confirmEnabled());
}

TEST_F(FieldPlacementFormTest, RemovingKeepsTheFieldSelectedWithTheSystemFace) {
    FieldPlacementForm form(definition, messages);
    form.selectField(2);
    EXPECT_EQ(form.removeFromLabel(), PlacementNotice::EntryStored);
    const FieldPlacement& stored = definition.fields[2];
    EXPECT_EQ(stored.xMm, -1);
    EXPECT_EQ(stored.yMm, 0);
    EXPECT_EQ(stored.fontName, "System");
    EXPECT_EQ(stored.pointSize, 10);
    EXPECT_EQ(stored.layoutFlags, 0x04);  // the alignment goes, vertical writing stays
    EXPECT_EQ(stored.attributes, 0x05);
    EXPECT_EQ(form.selectedField(), 2);
    EXPECT_EQ(form.fontName(), "System");
    EXPECT_EQ(form.pointSize(), 10);
    EXPECT_EQ(form.xMm(), -1);
}

TEST_F(FieldPlacementFormTest, RemovingABarcodeClearsItsBarSize) {
    FieldPlacementForm form(definition, messages);
    form.selectField(0);
    form.removeFromLabel();
    EXPECT_EQ(definition.fields[0].barWidthMm, 0);
    EXPECT_EQ(definition.fields[0].barHeightMm, 0);
    EXPECT_EQ(definition.fields[0].layoutFlags, 8);  // the direction is no alignment bit
    EXPECT_TRUE(form.isBarcode());
}

TEST_F(FieldPlacementFormTest, BarcodesIgnoreTextLayoutAndColoursOutsideTheTable) {
    FieldPlacementForm form(definition, messages);
    form.selectField(0);
    EXPECT_EQ(form.chooseAlignment(PlacementAlignment::Centre), PlacementNotice::None);
    EXPECT_EQ(form.setVertical(true), PlacementNotice::None);
    EXPECT_EQ(form.chooseColour(20), PlacementNotice::None);
    EXPECT_EQ(form.layoutFlags(), 8);
    EXPECT_EQ(form.colourIndex(), 3);
    EXPECT_EQ(form.setBarSize(31, 12), PlacementNotice::EntryChanged);
    EXPECT_TRUE(form.confirmEnabled());
}

}  // namespace
}  // namespace qv
