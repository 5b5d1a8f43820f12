// Extraction by record numbers and by field ranges into the buffer of a new document.
#include "editor/model/extraction.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

class ExtractionTest : public ::testing::Test {
  protected:
    ExtractionTest() {
        document.lines = {"CODE,NAME", "A1,apple",     "B1,banana", "A2,avocado",
                          "C1,cherry", "B2,blueberry", ",empty"};
        document.splitHeader();
        document.columnWidths[0] = 6;
        document.columnWidths[1] = 14;
    }
    std::vector<std::string> records() const {
        return {buffer.lines().begin() + 1, buffer.lines().end()};
    }
    // A field range run as the dialog does it: checks, then the scan.
    int fieldRun(const std::string& name, std::string from, std::string to) {
        const std::optional<FieldRange> range =
            checkFieldRange(document.headerNames, name, from, to, messages);
        return range ? runFieldExtraction(buffer, document, *range) : -1;
    }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    ExtractionBuffer buffer;
};

TEST_F(ExtractionTest, SerialRunsAppendInTheirOrderUnderOneHeader) {
    ASSERT_TRUE(runSerialExtraction(buffer, document, 3, 5, messages));
    ASSERT_TRUE(runSerialExtraction(buffer, document, 1, 1, messages));
    EXPECT_EQ(buffer.count(), 4);
    const std::optional<ExtractedRecords> taken = buffer.take();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->lines, (std::vector<std::string>{"CODE,NAME", "A2,avocado", "C1,cherry",
                                                      "B2,blueberry", "A1,apple"}));
    EXPECT_EQ(taken->headerNames, (std::vector<std::string>{"CODE", "NAME"}));
    EXPECT_EQ(taken->columnWidths[1], 14);
    EXPECT_FALSE(buffer.take());  // handed over once, then empty
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(ExtractionTest, SerialRangesOutOfOrderOrBeyondTheRecords) {
    EXPECT_FALSE(runSerialExtraction(buffer, document, 4, 2, messages));
    EXPECT_FALSE(runSerialExtraction(buffer, document, 0, 2, messages));
    EXPECT_FALSE(runSerialExtraction(buffer, document, 7, 9, messages));
    ASSERT_EQ(messages.messages().size(), 3u);
    EXPECT_EQ(messages.messages()[0].text, "To は From より大きくなければなりません。");
    EXPECT_TRUE(messages.messages()[0].beep);
    EXPECT_EQ(messages.messages()[2].text, "From には 1 から 6 までの連番を指定して下さい　！");
    EXPECT_FALSE(buffer.take());  // refusals take not even the header

    ASSERT_TRUE(runSerialExtraction(buffer, document, 5, 99, messages));  // stops at the last
    EXPECT_EQ(records(), (std::vector<std::string>{"B2,blueberry", ",empty"}));
}

TEST_F(ExtractionTest, FieldRangeWithEmptyToTakesTheFromPrefix) {
    EXPECT_EQ(fieldRun("code", "A", ""), 2);  // name by its beginning, any case
    EXPECT_EQ(records(), (std::vector<std::string>{"A1,apple", "A2,avocado"}));
    EXPECT_EQ(fieldRun("NA", "b", "c"), 3);  // appended after the first run
    EXPECT_EQ(buffer.count(), 5);
    EXPECT_EQ(records().back(), "B2,blueberry");  // in the order of the source
}

TEST_F(ExtractionTest, SwapQuestionTurnsTheRangeAroundOnYesOnly) {
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_EQ(fieldRun("CODE", "B", "A"), -1);
    messages.scriptAnswer(MessageAnswer::Yes);
    std::string from = "B";
    std::string to = "A";
    const std::optional<FieldRange> range =
        checkFieldRange(document.headerNames, "CODE", from, to, messages);
    ASSERT_TRUE(range);
    EXPECT_EQ(from, "A");  // shown swapped in the dialog
    EXPECT_EQ(to, "B");
    EXPECT_EQ(runFieldExtraction(buffer, document, *range), 4);
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].text,
              "From の値が To の値より大きい\n 文字列を入れ替えますか　？");
    EXPECT_EQ(messages.messages()[0].caption, "From > To Change ?");
    EXPECT_EQ(messages.messages()[0].buttons, MessageButtons::YesNo);
}

TEST_F(ExtractionTest, FieldRangeRefusals) {
    EXPECT_EQ(fieldRun("", "A", "B"), -1);
    EXPECT_EQ(fieldRun("PRICE", "A", "B"), -1);
    EXPECT_EQ(fieldRun("CODE", "AB", "C"), -1);
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"対象のフィールドを指定して下さい　！",
                                        "該当するﾌｨｰﾙﾄﾞはありません！",
                                        "From の桁数が To の桁数より大きい　！"}));
    EXPECT_FALSE(buffer.take());
}

TEST_F(ExtractionTest, ARunWithNoMatchStillGivesTheHeaderAndAnEmptySourceGivesNothing) {
    EXPECT_EQ(fieldRun("CODE", "X", ""), 0);
    const std::optional<ExtractedRecords> taken = buffer.take();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->lines, std::vector<std::string>{"CODE,NAME"});

    CROWSMITHDoc headerOnly(messages);
    headerOnly.lines = {"CODE,NAME"};
    headerOnly.splitHeader();
    EXPECT_EQ(runFieldExtraction(buffer, headerOnly, {0, "A", "Z"}), 0);
    EXPECT_FALSE(buffer.take());
}

}  // namespace
}  // namespace qv
