// Reading records: line ends, long lines, fixed-length slices, headers, CSZ files, and the data
// file check that follows opening a definition.
#include <gtest/gtest.h>

#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "tests/label/data/data_test_support.h"

namespace qv {
namespace {

class DataFileReaderTest : public ::testing::Test {
  protected:
    // The records of every line of `bytes` written as `name`, one page holding them all.
    std::vector<DataRecord> readAll(const std::string& name, const std::string& bytes,
                                    const DataReaderSettings& settings = test::readerSettings()) {
        test::writeBytes(folder.file(name), bytes);
        DataFileReader reader(settings, messages);
        EXPECT_TRUE(reader.Open(folder.file(name), false));
        reader.BuildPageIndex(1000, false);
        reader.LoadPage(1, 1000);
        std::vector<DataRecord> records;
        for (size_t k = 0; reader.Record(k); ++k) records.push_back(reader.recordFields());
        reader.Close();
        return records;
    }

    test::TempFolder folder;
    RecordingMessageService messages;
};

TEST_F(DataFileReaderTest, CrLfAndLfFilesReadAlikeAndTheLastLineNeedsNoEnd) {
    const std::vector<DataRecord> expected = {{"a", "b"}, {"", ""}, {"c", "d e"}};
    EXPECT_EQ(readAll("lf.csv", "a,b\n,\nc,d e\n"), expected);
    EXPECT_EQ(readAll("crlf.csv", "a,b\r\n,\r\nc,d e\r\n"), expected);
    EXPECT_EQ(readAll("open.csv", "a,b\r\n,\r\nc,d e"), expected);
    // A lone CR inside a line is data; an empty line is a record of one empty field.
    EXPECT_EQ(readAll("cr.csv", "a\rb\n\n"), (std::vector<DataRecord>{{"a\rb"}, {""}}));
}

TEST_F(DataFileReaderTest, ALongLineIsOneRecordWithEveryByte) {
    const std::string longField(2000, 'x');
    const std::string longer(600, 'y');  // beyond the 511 bytes a field once held
    const std::vector<DataRecord> records =
        readAll("long.csv", longField + "\r\nshort," + longer + "\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (DataRecord{longField}));
    EXPECT_EQ(records[1], (DataRecord{"short", longer}));
}

TEST_F(DataFileReaderTest, FixedLengthSlicesCountBytes) {
    DataReaderSettings settings = test::readerSettings();
    settings.fieldLengths = {3, 5, 0, 4};
    // "ABC" and "DEFGH"; the length list ends at the first 0, so the rest is ignored.
    EXPECT_EQ(readAll("f.txt", "ABCDEFGHIJ\n", settings),
              (std::vector<DataRecord>{{"ABC", "DEFGH"}}));
    // A slice may cut a double-byte character: "あい" is 82 A0 82 A2. The line end stays in
    // the line, so a field that reaches it holds the newline; a slice beyond the end is empty.
    settings.fieldLengths = {3, 4, 2};
    EXPECT_EQ(readAll("g.txt", "\x82\xa0\x82\xa2\r\n", settings),
              (std::vector<DataRecord>{{"\x82\xa0\x82", "\xa2\n", ""}}));
}

// A UTF-8 file reads as the same records as its Shift-JIS conversion: with a byte-order mark,
// without, and fixed-length fields counting UTF-8 bytes, sliced at character boundaries.
TEST_F(DataFileReaderTest, Utf8FilesReadAsTheirShiftJisConversion) {
    const std::vector<DataRecord> expected = {{"\x8f\xa4\x95\x69", "1\\2"}};  // 商品, 1\2
    EXPECT_EQ(readAll("s.csv", "\x8f\xa4\x95\x69,1\\2\r\n"), expected);
    EXPECT_EQ(readAll("u.csv", "商品,1\\2\r\n"), expected);
    EXPECT_EQ(readAll("b.csv", "\xEF\xBB\xBF商品,1\\2\r\n"), expected);
    // Chosen as Shift-JIS, the UTF-8 bytes stay as they are.
    DataReaderSettings sjisChosen = test::readerSettings();
    sjisChosen.encoding = EncodingChoice::ShiftJis;
    EXPECT_EQ(readAll("c.csv", "商品,1\r\n", sjisChosen), (std::vector<DataRecord>{{"商品", "1"}}));

    DataReaderSettings fixed = test::readerSettings();
    fixed.fieldLengths = {6, 4, 3};
    // "商品" is 6 UTF-8 bytes; the next 4 bytes would cut "名" (3 bytes) after "AB": the field
    // ends before it and "名" begins the next one, which reaches the line end.
    EXPECT_EQ(readAll("f.txt", "商品AB名C\n", fixed),
              (std::vector<DataRecord>{{"\x8f\xa4\x95\x69", "AB",
                                        "\x96\xbc"
                                        "C\n"}}));
}

// The first 64 KiB look like UTF-8, a Shift-JIS character comes later: the file is Shift-JIS.
TEST_F(DataFileReaderTest, ALateShiftJisCharacterMakesTheFileShiftJis) {
    const std::string ascii = std::string(kEncodingGuessBytes, 'A') + "\n";
    const std::string bytes = "\xC3\xBD\n" + ascii + "\x8f\xa4\n";  // "ý" or "ﾃｽ"; then 商
    const std::vector<DataRecord> records = readAll("late.csv", bytes);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], (DataRecord{"\xC3\xBD"}));
    EXPECT_EQ(records[2], (DataRecord{"\x8f\xa4"}));
}

TEST_F(DataFileReaderTest, ReadHeaderSplitsTheFirstLineAtOnce) {
    test::writeBytes(folder.file("h.csv"), "CODE,NAME\r\n1,x\r\n");
    DataFileReader reader(test::readerSettings(), messages);
    ASSERT_TRUE(reader.Open(folder.file("h.csv"), true));
    EXPECT_EQ(reader.recordFields(), (DataRecord{"CODE", "NAME"}));
    EXPECT_TRUE(reader.isComma());
    EXPECT_FALSE(reader.cszMode());
}

TEST_F(DataFileReaderTest, OpenFailureAndCloseWhenNotOpenAreReported) {
    DataFileReader reader(test::readerSettings(), messages);
    EXPECT_FALSE(reader.Open(folder.file("none.csv"), false));
    EXPECT_FALSE(reader.isOpen());
    reader.Close();
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{folder.file("none.csv") + " はオープンできませんでした ",
                                        "FileClose 有効なファイルではありません！"}));
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
}

class CszTest : public DataFileReaderTest {
  protected:
    DataFileReader& open(const std::string& bytes, bool skipFirstLine) {
        test::writeBytes(folder.file("shop.Csz"), bytes);
        reader = std::make_unique<DataFileReader>(test::readerSettings(), messages);
        EXPECT_TRUE(reader->Open(folder.file("shop.Csz"), skipFirstLine));
        EXPECT_TRUE(reader->cszMode());
        return *reader;
    }
    std::unique_ptr<DataFileReader> reader;
};

TEST_F(CszTest, FiveHundredRecordLinesLoadWithoutAMessage) {
    open(test::linesOf(test::numberedRecords(500)), false);
    EXPECT_EQ(reader->csz().lines.size(), 500u);
    EXPECT_EQ(reader->csz().lineCount, 500);
    EXPECT_EQ(reader->csz().templateLine, "r1,x");
    EXPECT_EQ(reader->csz().nameLine, "");
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(CszTest, FiveHundredAndOneRecordLinesKeepAllAfterTheMessage) {
    std::vector<std::string> lines = {"CODE,NAME"};
    for (const std::string& record : test::numberedRecords(503)) lines.push_back(record);
    open(test::linesOf(lines), true);
    EXPECT_EQ(reader->csz().nameLine, "CODE,NAME");
    EXPECT_EQ(reader->csz().templateLine, "r1,x");
    EXPECT_EQ(reader->csz().lines.size(), 501u);
    EXPECT_EQ(reader->csz().lines.back(), "r501,x");
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"一つのＣＳＺファイルで扱える\n最大件数は 500 迄です。"}));

    messages.clear();
    lines.resize(502);  // the header and 501 record lines
    open(test::linesOf(lines), true);
    EXPECT_EQ(reader->csz().lines.size(), 501u);
    EXPECT_EQ(messages.messages().size(), 1u);
}

TEST_F(CszTest, AHundredThousandLinesKeepTheFirst501) {
    open(test::linesOf(test::numberedRecords(100000)), false);
    EXPECT_EQ(reader->csz().lines.size(), 501u);
    EXPECT_EQ(reader->csz().lines.back(), "r501,x");
    EXPECT_EQ(messages.messages().size(), 1u);
}

TEST_F(CszTest, OnlyTheLineEndIsCut) {
    open("a,b\r\nc,d", false);  // no line end after the last line
    EXPECT_EQ(reader->csz().lines, (std::vector<std::string>{"a,b", "c,d"}));
    reader->setPageLines({"c,d", "c,d"});
    ASSERT_TRUE(reader->Record(1));
    EXPECT_EQ(reader->Field(1), "d");
    reader->Close();
    EXPECT_TRUE(messages.messages().empty());  // a CSZ reader is open until closed
}

class DataFileCheckTest : public ::testing::Test {
  protected:
    bool openWithDataFile(const std::string& stored, bool startupPrintMode) {
        LabelDefinition definition;
        definition.dataFile.dataFilePath = stored;
        EXPECT_EQ(saveDefinitionFile(folder.file("shop.qvd"), definition, nullptr),
                  DefinitionFileStatus::Ok);
        document.addOpenStep([this, startupPrintMode](CQuorviDoc& opened) {
            checkDataFileOnOpen(opened, messages, startupPrintMode,
                                [this](CQuorviDoc&) { ++dialogs; });
        });
        return document.openDocument(folder.file("shop.qvd"));
    }

    test::TempFolder folder;
    RecordingMessageService messages;
    CQuorviDoc document{messages};
    int dialogs = 0;
};

TEST_F(DataFileCheckTest, RelativeDataFileBesideTheDefinitionIsFound) {
    test::writeBytes(folder.file("shop.csv"), "a\n");
    ASSERT_TRUE(openWithDataFile("shop.csv", false));
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(document.dataFileUsable);
    EXPECT_FALSE(document.cszMode);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(dataFileLocalPath(document), folder.file("shop.csv"));
}

TEST_F(DataFileCheckTest, MissingDataFileOpensTheDialogUnlessPrintingAtStart) {
    ASSERT_TRUE(openWithDataFile("gone.csz", false));
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"データファイルが存在しません、確認して下さい　！！"}));
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.cszMode);  // the modes follow the extension all the same
}

TEST_F(DataFileCheckTest, StartupPrintModeOnlyTellsTheUser) {
    ASSERT_TRUE(openWithDataFile("gone.csv", true));
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(document.isModified());
}

TEST(DataFileModesTest, ExtensionDecides) {
    EXPECT_TRUE(dataFileModes("a.txt").usable);
    EXPECT_TRUE(dataFileModes("A.CSV").usable);
    EXPECT_TRUE(dataFileModes("a.Csz").csz);
    EXPECT_FALSE(dataFileModes("a.dat").usable);
    EXPECT_FALSE(dataFileModes("").usable);
}

}  // namespace
}  // namespace qv
