// The barcode field dialog's rules: the adding pass for each symbology, the question on a value
// the validator refuses, the removing pass, and the start and stop edits.
#include "editor/model/barcode_field_form.h"

#include <gtest/gtest.h>

#include "common/message_service.h"

namespace qv {
namespace {

const char* const kDone = "変換は終了しました";

class BarcodeFieldFormTest : public ::testing::Test {
  protected:
    BarcodeFieldFormTest() {
        document.lines = {"NAME,CODE"};
        form.setFieldName("code");
        form.highlightRecord = [this](int record) { highlighted.push_back(record); };
    }
    void setValues(const std::vector<std::string>& values) {
        document.lines.resize(1);
        for (const std::string& value : values) document.lines.push_back("n," + value);
        document.splitHeader();
    }
    std::string value(size_t record) const {
        const std::string& line = document.lines[record];
        return line.substr(line.find(',') + 1);
    }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    BarcodeFieldForm form{document, messages};
    std::vector<int> highlighted;
};

TEST_F(BarcodeFieldFormTest, JanWritesTheCheckDigitAndCompletesTwelveDigits) {
    setValues({"4901234567890", "490123456789", "1234567", "", "4901234567894  "});
    form.setAction(BarcodeAction::Jan);
    EXPECT_TRUE(form.addPass());
    EXPECT_EQ(value(1), "4901234567894");
    EXPECT_EQ(value(2), "4901234567894");
    EXPECT_EQ(value(3), "12345670");
    EXPECT_EQ(value(4), "");
    EXPECT_EQ(value(5), "4901234567894");  // trailing blanks go
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kDone});
    EXPECT_TRUE(document.isModified());
}

TEST_F(BarcodeFieldFormTest, ItfCompletesAnOddLengthAndWritesTheCheckDigit) {
    setValues({"12345", "123456"});
    form.setAction(BarcodeAction::Itf);
    form.addPass();
    EXPECT_EQ(value(1), "123457");
    EXPECT_EQ(value(2), "123457");
}

TEST_F(BarcodeFieldFormTest, Code39PutsTheStarsAroundOnceAndTheCheckCharacterBeforeTheStop) {
    setValues({"ABC", "*ABC*"});
    form.setAction(BarcodeAction::Code39);
    EXPECT_EQ(form.start(), "*");
    form.addPass();
    EXPECT_EQ(value(1), "*ABC*");
    EXPECT_EQ(value(2), "*ABC*");

    form.setCheckCharacter(true);
    form.addPass();
    EXPECT_EQ(value(1), "*ABCX*");  // 10 + 11 + 12 = 33: X
}

TEST_F(BarcodeFieldFormTest, Nw7TakesTheChosenStartAndStopLetters) {
    setValues({"A123B", "456"});
    form.setAction(BarcodeAction::Nw7);
    form.setStart("a");
    form.setStop("b");
    form.addPass();
    EXPECT_EQ(value(1), "a123b");
    EXPECT_EQ(value(2), "a456b");
}

class Nw7FailureTest : public BarcodeFieldFormTest {
  protected:
    Nw7FailureTest() {
        setValues({"12", "1x2", "34"});
        form.setAction(BarcodeAction::Nw7);
        form.setCheckCharacter(true);
    }
};

TEST_F(Nw7FailureTest, NoStopsThePassAtTheFailingRecord) {
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(form.addPass());
    EXPECT_NE(value(1), "12");
    EXPECT_EQ(value(2), "1x2");
    EXPECT_EQ(value(3), "34");
    EXPECT_EQ(highlighted, std::vector<int>{2});
    ASSERT_EQ(messages.messages().size(), 1u);
    const Message& question = messages.messages()[0];
    EXPECT_EQ(question.text,
              "NW7 Err 使用不可の文字が使用されている\n続けて変換するときは「はい」を"
              "\n中止するときは「いいえ」を押して下さい。");
    EXPECT_EQ(question.caption, "JAN ERROR");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
}

TEST_F(Nw7FailureTest, YesGoesOnAndLeavesTheFailingRecordUnchanged) {
    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(form.addPass());
    EXPECT_EQ(value(2), "1x2");
    EXPECT_EQ(value(3).substr(0, 3), "a34");
    EXPECT_EQ(value(3).back(), 'a');
    EXPECT_EQ(value(3).size(), 5u);  // the check character took the place of "#"
    EXPECT_EQ(messages.texts().back(), kDone);
}

TEST_F(BarcodeFieldFormTest, RemovingTakesOffStartAndStopAndJanChangesNothing) {
    setValues({"*ABC*", "a123b", "4901234567894 "});
    form.setAction(BarcodeAction::Jan);
    EXPECT_TRUE(form.removePass());
    EXPECT_EQ(document.lines[1], "n,*ABC*");
    EXPECT_EQ(document.lines[3], "n,4901234567894 ");
    EXPECT_FALSE(document.isModified());

    form.setAction(BarcodeAction::Code39);
    form.removePass();
    EXPECT_EQ(value(1), "ABC");
    form.setAction(BarcodeAction::Nw7);
    form.removePass();
    EXPECT_EQ(value(2), "123");
}

// Lines whose value has no start or stop character stay byte for byte, and a line that loses
// them changes in that value only: its separators, quotes and blanks stay.
TEST_F(BarcodeFieldFormTest, RemovingLeavesOtherValuesAndLinesByteForByte) {
    document.lines = {"NAME,CODE,MEMO",
                      "n\t*A1*,memo  ",         // mixed separators, blanks after the memo
                      "n,E2  \tx",              // blanks only, mixed separators
                      "\"n\",F3,\"y\"",         // quoted neighbours
                      "n,\"*D,4*\"  \t\"z\" ",  // quoted value with blanks after it
                      "n,X123\tq",              // no NW7 letters at either end
                      "n,A123B,\"q\""};
    document.splitHeader();
    const std::vector<std::string> before = document.lines;
    form.setAction(BarcodeAction::Code39);
    EXPECT_TRUE(form.removePass());
    EXPECT_EQ(document.lines,
              (std::vector<std::string>{before[0], "n\tA1,memo  ", before[2], before[3],
                                        "n,\"D,4\"\t\"z\" ", before[5], before[6]}));

    document.lines = before;
    form.setAction(BarcodeAction::Nw7);
    EXPECT_TRUE(form.removePass());
    EXPECT_EQ(document.lines, (std::vector<std::string>{before[0], before[1], before[2], before[3],
                                                        before[4], before[5], "n,123,\"q\""}));
}

TEST_F(BarcodeFieldFormTest, ALongLineIsReportedAndStillProcessed) {
    setValues({"*ABC*"});
    document.lines[1] += "," + std::string(520, 'x');
    document.lines[0] += ",MEMO";
    document.splitHeader();
    form.setAction(BarcodeAction::Code39);
    form.removePass();
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"レコード長が長すぎます、512Byte まで", kDone}));
    EXPECT_EQ(document.lines[1].substr(0, 6), "n,ABC,");
}

TEST_F(BarcodeFieldFormTest, StartAndStopTakeOneLetterFromAToD) {
    const char* const rule = "指定できるのは a ～ dのうちの\n一文字だけです　！";
    form.setAction(BarcodeAction::Nw7);
    EXPECT_TRUE(form.startStopEnabled());
    form.setStart("e");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{rule});
    EXPECT_EQ(form.memory().nw7Start, "e");  // remembered all the same
    setValues({"123"});
    EXPECT_FALSE(form.addPass());
    EXPECT_EQ(value(1), "123");

    form.setAction(BarcodeAction::Jan);
    EXPECT_EQ(form.start(), "");
    form.setAction(BarcodeAction::Nw7);
    EXPECT_EQ(form.start(), "a");  // a remembered letter outside a to d
}

TEST_F(BarcodeFieldFormTest, AFieldMustBeNamedAndKnown) {
    setValues({"123"});
    form.setFieldName("");
    EXPECT_FALSE(form.addPass());
    form.setFieldName("PRICE");
    EXPECT_FALSE(form.removePass());
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"対象のフィールドを指定して下さい　！",
                                                          "該当するﾌｨｰﾙﾄﾞはありません！"}));
}

}  // namespace
}  // namespace qv
