#include "label/editor/forms/mono_pattern_form.h"

#include <gtest/gtest.h>

#include "common/message_service.h"
#include "common/sjis_text.h"
#include "label/barcode/barcode_rules.h"
#include "label/definition/definition_bits.h"
#include "tests/support/recording_surface.h"

namespace qv {
namespace {

const char* const kEmptyInput = "入力されていないコードがあります　！";
const char* const kNoRecord = "印刷するレコードを選択して下さい。";

constexpr int kJan = 8;
constexpr int kItf = 16;

class MonoPatternFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.sheet.maxColumns = 3;
        definition.sheet.maxRows = 2;
        definition.fields[1].attributes = kJan;
        definition.fields[2].attributes = kItf;
        definition.fields[3].attributes = 0;  // text
        definition.fields[4].attributes = kJan;
        csz.nameLine = sjis::fromUtf8("品名,JAN,ITF,備考,予備");
        csz.templateLine = "Apple,\\@,\\@,\\@,\\@";
        csz.lines = {csz.templateLine, "Pear,1,2,3,4"};
        csz.lineCount = 2;
    }

    LabelDefinition definition;
    CszContent csz;
    RecordingMessageService messages;
};

// --- Opening ---------------------------------------------------------------------------------

TEST_F(MonoPatternFormTest, FourMarkersGiveThreeInputsLabelledFromTheNameLine) {
    MonoPatternForm form(definition, csz, messages);
    ASSERT_EQ(form.inputCount(), 3);
    EXPECT_FALSE(form.recordListMode());
    EXPECT_EQ(form.inputs()[0].label, "JAN");
    EXPECT_EQ(form.inputs()[1].label, "ITF");
    EXPECT_EQ(form.inputs()[2].label, sjis::fromUtf8("備考"));
    EXPECT_EQ(form.inputs()[0].position, 1u);
    EXPECT_EQ(form.inputs()[2].position, 3u);
    EXPECT_EQ(form.record().text, csz.templateLine);
    EXPECT_EQ(form.record().nameLine, csz.nameLine);
    EXPECT_EQ(form.record().index, 0);
    EXPECT_EQ(form.lastEdited(), 0);
}

TEST_F(MonoPatternFormTest, QuotedOrLongerItemsAreNoMarkersAndLabelsLoseTheLineEnd) {
    csz.nameLine = "A,B\r";
    csz.templateLine = "x\\@,\\@";
    MonoPatternForm form(definition, csz, messages);
    ASSERT_EQ(form.inputCount(), 1);
    EXPECT_EQ(form.inputs()[0].position, 1u);
    EXPECT_EQ(form.inputs()[0].label, "B");
}

TEST_F(MonoPatternFormTest, WithoutMarkersTheRecordsAreListedAndNoneIsChosen) {
    csz.templateLine = "Apple,1,2";
    csz.lines = {csz.templateLine, "Pear,3,4"};
    MonoPatternForm form(definition, csz, messages);
    EXPECT_TRUE(form.recordListMode());
    EXPECT_EQ(form.records(), csz.lines);
    EXPECT_EQ(form.record().index, -1);
    EXPECT_FALSE(form.copyEnabled());
    EXPECT_FALSE(form.chooseRecord(2));
    EXPECT_FALSE(form.chooseRecord(-1));
    EXPECT_EQ(form.record().index, -1);
    EXPECT_TRUE(form.chooseRecord(1));
    EXPECT_EQ(form.record().text, "Pear,3,4");
    EXPECT_EQ(form.record().index, 1);
}

// --- Checking and previewing -----------------------------------------------------------------

TEST_F(MonoPatternFormTest, IncompleteJanHasNoPreviewUntilItsCheckDigitIsRight) {
    MonoPatternForm form(definition, csz, messages);
    form.setInput(1, "490123456789");  // twelve digits: the placeholder check digit is wrong
    EXPECT_EQ(form.lastEdited(), 1);
    EXPECT_FALSE(form.preview().has_value());
    EXPECT_FALSE(form.copyEnabled());
    form.setInput(1, "4901234567894");
    ASSERT_TRUE(form.preview().has_value());
    EXPECT_EQ(form.preview()->fieldIndex, 1);
    EXPECT_EQ(form.preview()->value, "4901234567894");
    EXPECT_TRUE(form.copyEnabled());
    form.setInput(1, "");
    EXPECT_FALSE(form.copyEnabled());
}

TEST_F(MonoPatternFormTest, ValuesArePreparedAndCheckedLikeThePrintPath) {
    MonoPatternForm plain(definition, csz, messages);
    EXPECT_FALSE(plain.valueValid(1, "4901234567890"));
    EXPECT_TRUE(plain.valueValid(1, "4901234567894 tail"));  // cut at the first space
    EXPECT_FALSE(plain.valueValid(2, "123"));                // ITF: odd length
    EXPECT_FALSE(plain.valueValid(2, "1234"));               // ITF: wrong check digit
    EXPECT_TRUE(plain.valueValid(2, "1236"));
    EXPECT_FALSE(plain.valueValid(3, "4901234567894"));  // a text field is never previewed
    EXPECT_FALSE(plain.valueValid(4, "4901234567894"));  // no such input

    definition.forceCheckCharacter = 1;  // the print path corrects the digit
    MonoPatternForm forced(definition, csz, messages);
    EXPECT_TRUE(forced.valueValid(1, "4901234567890"));
    EXPECT_TRUE(forced.valueValid(2, "123"));

    definition.forceCheckCharacter = 0;
    definition.fields[1].attributes = kJan | kBarcodeIgnoreCheckDigit;
    MonoPatternForm ignoring(definition, csz, messages);
    EXPECT_TRUE(ignoring.valueValid(1, "4901234567890"));
    EXPECT_FALSE(ignoring.valueValid(1, "49012345678"));  // the length still counts
}

TEST_F(MonoPatternFormTest, OnlyTheLastEditedFieldIsPreviewed) {
    MonoPatternForm form(definition, csz, messages);
    form.setInput(1, "4901234567894");
    form.setInput(2, "17");
    ASSERT_TRUE(form.preview().has_value());
    EXPECT_EQ(form.preview()->fieldIndex, 2);
    form.setInput(2, "1");
    EXPECT_FALSE(form.preview().has_value());
    form.setInput(0, "4901234567894");  // no such input: nothing changes
    form.setInput(4, "4901234567894");
    EXPECT_EQ(form.lastEdited(), 2);
}

TEST_F(MonoPatternFormTest, MarkerBeyondTheFieldTableIsNeverPreviewed) {
    csz.templateLine.clear();
    for (int k = 0; k < kMaxFields; ++k) csz.templateLine += "x,";
    csz.templateLine += "\\@";
    MonoPatternForm form(definition, csz, messages);
    ASSERT_EQ(form.inputCount(), 1);
    EXPECT_EQ(form.inputs()[0].position, static_cast<size_t>(kMaxFields));
    form.setInput(1, "4901234567894");
    EXPECT_FALSE(form.copyEnabled());
}

TEST_F(MonoPatternFormTest, OpeningPreviewShowsInputOneOnlyWhenItIsValid) {
    MonoPatternForm form(definition, csz, messages);
    EXPECT_FALSE(form.openingPreview());
    EXPECT_EQ(form.lastEdited(), 0);
    form.setInput(1, "4901234567894");
    form.setInput(2, "1");
    EXPECT_TRUE(form.openingPreview());
    EXPECT_EQ(form.lastEdited(), 1);
    EXPECT_TRUE(form.copyEnabled());
}

TEST(PreviewFieldBoxTest, BoxBecomesAFieldOneMillimetreInside) {
    const PreviewFieldBox atOrigin = previewFieldBox({0, 0, 400, -200});
    EXPECT_EQ(atOrigin.xMm, 1);
    EXPECT_EQ(atOrigin.yMm, 1);
    EXPECT_EQ(atOrigin.widthMm, 39);
    EXPECT_EQ(atOrigin.heightMm, 19);
    const PreviewFieldBox moved = previewFieldBox({55, -30, 455, -230});
    EXPECT_EQ(moved.xMm, 6);
    EXPECT_EQ(moved.yMm, 4);
    EXPECT_EQ(moved.widthMm, 39);
    EXPECT_EQ(moved.heightMm, 19);
}

TEST_F(MonoPatternFormTest, PreviewIsDrawnIntoTheBoxWithTheFieldsColourAndText) {
    definition.fields[1].attributes = kJan | kBarcodeShowText;
    definition.fields[1].colourIndex = 3;
    definition.fields[1].xMm = 70;  // the field's own place does not count
    MonoPatternForm form(definition, csz, messages);
    RecordingSurface empty;
    form.drawPreview(empty, {0, 0, 400, -200}, BarcodeTextFont{});
    EXPECT_TRUE(empty.calls().empty());

    form.setInput(1, "4901234567894");
    RecordingSurface surface;
    form.drawPreview(surface, {0, 0, 400, -200}, BarcodeTextFont{});
    ASSERT_EQ(surface.canvases().size(), 1u);
    const RecordingSurface::DrawnCanvas& drawn = surface.canvases().front();
    EXPECT_EQ(drawn.target, (LogicalRect{10, -10, 400, -200}));
    ASSERT_FALSE(drawn.canvas.fills.empty());
    EXPECT_EQ(drawn.canvas.fills.front().colour, colourOfIndex(3));
    ASSERT_EQ(drawn.canvas.texts.size(), 1u);
    EXPECT_EQ(drawn.canvas.texts.front().text, "4901234567894");
    EXPECT_EQ(definition.fields[1].xMm, 70);
}

// --- Printing --------------------------------------------------------------------------------

TEST_F(MonoPatternFormTest, EveryInputMustBeTypedBeforePrinting) {
    MonoPatternForm form(definition, csz, messages);
    form.setInput(1, "4901234567894");
    form.setInput(3, "memo");
    EXPECT_FALSE(form.startPrinting().has_value());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kEmptyInput});
}

TEST_F(MonoPatternFormTest, RecordListModeNeedsAChosenRecordThatIsNotEmpty) {
    csz.templateLine = "Apple,1";
    csz.lines = {csz.templateLine, ""};
    MonoPatternForm form(definition, csz, messages);
    EXPECT_FALSE(form.startPrinting().has_value());
    ASSERT_TRUE(form.chooseRecord(1));
    EXPECT_FALSE(form.startPrinting().has_value());
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{kNoRecord, kNoRecord}));

    messages.clear();
    ASSERT_TRUE(form.chooseRecord(0));
    ASSERT_TRUE(form.setCopies(4));
    const std::optional<MonoPatternPrint> print = form.startPrinting();
    ASSERT_TRUE(print.has_value());
    EXPECT_EQ(print->lines, std::vector<std::string>(6, "Apple,1"));
    EXPECT_EQ(print->copies, 4);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MonoPatternFormTest, PrintListHoldsTheInputsInPlaceOncePerLabel) {
    csz.templateLine = "Apple\t\\@\t\\@\tend";  // the line's own separator is kept
    MonoPatternForm form(definition, csz, messages);
    ASSERT_EQ(form.inputCount(), 2);
    form.setInput(1, "4901234567894");
    form.setInput(2, "a,b");
    const std::optional<MonoPatternPrint> print = form.startPrinting();
    ASSERT_TRUE(print.has_value());
    EXPECT_EQ(print->lines, std::vector<std::string>(6, "Apple\t4901234567894\t\"a,b\"\tend"));
    EXPECT_EQ(print->copies, 1);
    EXPECT_EQ(form.record().text, csz.templateLine);  // the inputs stay out of the record
}

TEST_F(MonoPatternFormTest, CopiesOutsideTheirRangeAreRefused) {
    MonoPatternForm form(definition, csz, messages);
    EXPECT_FALSE(form.setCopies(0));
    EXPECT_FALSE(form.setCopies(kMaxCopies + 1));
    EXPECT_EQ(form.copies(), 1);
    EXPECT_TRUE(form.setCopies(kMaxCopies));
    EXPECT_EQ(form.copies(), kMaxCopies);
}

// --- Field edit ------------------------------------------------------------------------------

TEST_F(MonoPatternFormTest, FieldEditShowsTheRecordAndWritesTheEditedValuesBack) {
    MonoPatternForm form(definition, csz, messages);
    const std::vector<MonoPatternEditField> fields = form.editFields();
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[0].name, sjis::fromUtf8("品名"));
    EXPECT_EQ(fields[0].value, "Apple");
    EXPECT_EQ(fields[1].value, "\\@");

    form.applyEdit({"Big, red", "\\@", "\\@", "\\@", "x", "beyond the record"});
    EXPECT_EQ(form.record().text, "\"Big, red\",\\@,\\@,\\@,x");
    form.setInput(1, "4901234567894");
    form.setInput(2, "17");
    form.setInput(3, "n");
    const std::optional<MonoPatternPrint> print = form.startPrinting();
    ASSERT_TRUE(print.has_value());
    EXPECT_EQ(print->lines.front(), "\"Big, red\",4901234567894,17,n,x");
}

TEST_F(MonoPatternFormTest, FieldEditShowsTwelveFieldsNamedByTheDefinitionWithoutANameLine) {
    csz.nameLine.clear();
    csz.templateLine = "\\@,b,c,d,e,f,g,h,i,j,k,l,m,n";
    definition.dataFile.fieldNames = {"F1", "F2"};
    MonoPatternForm form(definition, csz, messages);
    const std::vector<MonoPatternEditField> fields = form.editFields();
    ASSERT_EQ(fields.size(), static_cast<size_t>(kMonoPatternEditFields));
    EXPECT_EQ(fields[1].name, "F2");
    EXPECT_EQ(fields[2].name, "");
    EXPECT_EQ(fields[11].value, "l");
    EXPECT_EQ(form.inputs()[0].label, "");
}

// --- Enter key -------------------------------------------------------------------------------

TEST(MonoPatternFocusTest, EnterMovesThroughTheShownInputsToTheCopies) {
    using F = MonoPatternFocus;
    EXPECT_EQ(focusAfterEnter(F::Input1, 3), F::Input2);
    EXPECT_EQ(focusAfterEnter(F::Input2, 3), F::Input3);
    EXPECT_EQ(focusAfterEnter(F::Input3, 3), F::Copies);
    EXPECT_EQ(focusAfterEnter(F::Input1, 2), F::Input2);
    EXPECT_EQ(focusAfterEnter(F::Input2, 2), F::Copies);
    EXPECT_EQ(focusAfterEnter(F::Input1, 1), F::Copies);
    EXPECT_EQ(focusAfterEnter(F::Other, 3), F::Copies);
    EXPECT_EQ(focusAfterEnter(F::Copies, 3), F::Copies);
}

}  // namespace
}  // namespace qv
