#include "label/data/data_file_form.h"

#include <gtest/gtest.h>

#include "common/sjis_text.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

using Names = std::vector<std::string>;
using Lengths = std::vector<int>;

DataFileSpec dataFileOf(int type, Names names, std::initializer_list<int> lengths) {
    DataFileSpec dataFile;
    dataFile.dataFileType = type;
    dataFile.fieldNames = std::move(names);
    std::copy(lengths.begin(), lengths.end(), dataFile.fieldLengths.begin());
    return dataFile;
}

Lengths firstLengths(const DataFileForm& form, size_t count) {
    const auto& lengths = form.dataFile().fieldLengths;
    return Lengths(lengths.begin(), lengths.begin() + static_cast<long>(count));
}

class DataFileFormTest : public ::testing::Test {
  protected:
    DataFileForm formOf(int type) {
        return DataFileForm(dataFileOf(type, {"A", "B", "C"}, {5, 3, 10}), folder.path(), messages);
    }
    test::TempFolder folder;
    RecordingMessageService messages;
};

TEST_F(DataFileFormTest, ListShowsStartBytesForFixedAndNumbersForComma) {
    DataFileForm form = formOf(0);
    EXPECT_EQ(form.listLines(),
              (Names{"A \t    5 \t    1", "B \t    3 \t    6", "C \t   10 \t    9"}));
    EXPECT_EQ(form.recordLength(), 18);
    form.chooseCommaSeparated();
    EXPECT_EQ(form.listLines(),
              (Names{"A \t    5 \t    1", "B \t    3 \t    2", "C \t   10 \t    3"}));
    EXPECT_EQ(form.recordLength(), 0);
}

TEST_F(DataFileFormTest, AddPlacesTheFieldBySelectionAndAbove) {
    const struct {
        int selected;
        bool above;
        Names names;
    } cases[] = {
        {-1, false, {"A", "B", "C", "N"}},  // after the last
        {-1, true, {"A", "B", "N", "C"}},   // before the last
        {0, false, {"A", "N", "B", "C"}},   // after the selected
        {0, true, {"N", "A", "B", "C"}},    // before the selected
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.selected << (c.above ? " above" : " below"));
        DataFileForm form = formOf(0);
        form.select(c.selected);
        form.setAddAbove(c.above);
        EXPECT_TRUE(form.addField("N", 7));
        EXPECT_EQ(form.dataFile().fieldNames, c.names);
    }
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(DataFileFormTest, LengthsMoveWithTheirFieldsInBothFileTypes) {
    DataFileForm fixed = formOf(0);
    fixed.select(0);
    fixed.addField("N", 7);
    EXPECT_EQ(firstLengths(fixed, 5), (Lengths{5, 7, 3, 10, 0}));
    EXPECT_EQ(fixed.recordLength(), 25);

    DataFileForm comma = formOf(1);
    comma.select(0);
    comma.addField("N", 7);
    // The later fields keep their lengths, so C still prints with its own length.
    EXPECT_EQ(firstLengths(comma, 5), (Lengths{5, 7, 3, 10, 0}));
}

TEST_F(DataFileFormTest, RefusedEntriesChangeNothing) {
    DataFileForm comma = formOf(1);
    DataFileForm fixed = formOf(0);
    const std::string hinmei = sjis::fromUtf8("品名");
    DataFileForm named(dataFileOf(1, {hinmei}, {20}), "", messages);

    EXPECT_FALSE(comma.addField("N", 0));
    EXPECT_FALSE(fixed.addField("N", -4));
    EXPECT_FALSE(comma.addField("B", 8));
    EXPECT_FALSE(named.addField(hinmei, 8));
    EXPECT_FALSE(comma.addField(" ", 8));  // would end the list
    fixed.select(1);
    EXPECT_FALSE(fixed.modifyField("C", 4));
    EXPECT_FALSE(fixed.modifyField("X", 0));
    EXPECT_EQ(messages.texts(),
              (Names{"最大ﾌｨｰﾙﾄﾞ長を指定して下さい", "ﾌｨｰﾙﾄﾞ長を指定して下さい",
                     "B は既におなじ項目名が登録されています。",
                     "品名 は既におなじ項目名が登録されています。", "項目名を指定して下さい",
                     "C は既におなじ項目名が登録されています。", "ﾌｨｰﾙﾄﾞ長を指定して下さい"}));
    EXPECT_EQ(comma.dataFile().fieldNames, (Names{"A", "B", "C"}));
    EXPECT_EQ(firstLengths(fixed, 4), (Lengths{5, 3, 10, 0}));
}

TEST_F(DataFileFormTest, ModifyKeepsItsOwnNameAndCutsLongNamesWhole) {
    DataFileForm form = formOf(0);
    EXPECT_FALSE(form.modifyField("X", 1));  // nothing selected
    form.select(1);
    EXPECT_TRUE(form.modifyField("B", 4));
    EXPECT_EQ(firstLengths(form, 3), (Lengths{5, 4, 10}));
    // 62 bytes and "品": a cut at 63 bytes would split "品" (and 127 likewise when adding).
    EXPECT_TRUE(form.modifyField(std::string(62, 'n') + sjis::fromUtf8("品"), 4));
    form.select(-1);
    EXPECT_TRUE(form.addField(std::string(126, 'm') + sjis::fromUtf8("品"), 1));
    EXPECT_EQ(form.dataFile().fieldNames,
              (Names{"A", std::string(62, 'n'), "C", std::string(126, 'm')}));
}

TEST_F(DataFileFormTest, ThirtyFieldsFillTheList) {
    DataFileForm form(dataFileOf(0, {}, {}), "", messages);
    for (int i = 1; i <= 29; ++i) ASSERT_TRUE(form.addField("F" + std::to_string(i), i));
    EXPECT_TRUE(form.nameEditable());
    form.select(0);
    form.setAddAbove(true);
    EXPECT_TRUE(form.addField("F0", 50));  // every length shifts, the last into slot 29
    EXPECT_FALSE(form.nameEditable());
    EXPECT_EQ(form.dataFile().fieldLengths[29], 29);

    EXPECT_FALSE(form.addField("F31", 1));  // refused, and told again
    EXPECT_EQ(form.fieldCount(), 30);
    EXPECT_EQ(messages.texts(),
              (Names{"ﾌｨｰﾙﾄﾞｱｲﾃﾑが 30 になりました。", "ﾌｨｰﾙﾄﾞｱｲﾃﾑが 30 になりました。"}));
}

TEST_F(DataFileFormTest, DeleteMovesLengthsUpToTheFirstZero) {
    DataFileForm form(dataFileOf(1, {"A", "B", "C"}, {5, 6, 7, 0, 9}), "", messages);
    EXPECT_FALSE(form.deleteField());  // nothing selected
    form.select(0);
    EXPECT_TRUE(form.deleteField());
    EXPECT_EQ(form.dataFile().fieldNames, (Names{"B", "C"}));
    EXPECT_EQ(firstLengths(form, 5), (Lengths{6, 7, 0, 0, 9}));

    // Without any 0 the last slot is the one that empties.
    DataFileSpec full = dataFileOf(0, {"A", "B"}, {});
    full.fieldLengths.fill(4);
    DataFileForm fullForm(full, "", messages);
    fullForm.select(1);
    fullForm.deleteField();
    EXPECT_EQ(fullForm.dataFile().fieldLengths[28], 4);
    EXPECT_EQ(fullForm.dataFile().fieldLengths[29], 0);
}

TEST_F(DataFileFormTest, BrowseSetsTheTypeFromTheExtension) {
    const struct {
        const char* path;
        int type;
    } cases[] = {
        {"/d/shop.csv", 1}, {"/d/SHOP.CSZ", 1}, {"/d/shop.Cs", 1},    {"/d/shop.txt", 0},
        {"/d/shop.dat", 0}, {"/d/shop", 0},     {"/d/v1.cs/shop", 0},  // a folder's dot is no
                                                                       // extension
    };
    for (const auto& c : cases) {
        for (int before : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.path << " from type " << before);
            DataFileForm form(dataFileOf(before, {}, {}), "", messages);
            form.choosePath(c.path);
            EXPECT_EQ(form.dataFile().dataFileType, c.type);
            EXPECT_STREQ(form.defaultExtension(), c.type == 1 ? "CSV" : "TXT");
        }
    }
}

TEST_F(DataFileFormTest, BrowseTakesTheLayoutWidthsBesideTheFile) {
    test::writeBytes(folder.file("shop.CSL"), "  13  20   8\r\n");
    DataFileForm form = formOf(0);
    form.choosePath(folder.file("other.txt"));  // no layout: the lengths stay
    EXPECT_EQ(firstLengths(form, 4), (Lengths{5, 3, 10, 0}));
    form.choosePath(folder.file("shop.csv"));
    EXPECT_EQ(firstLengths(form, 4), (Lengths{13, 20, 8, 0}));
}

TEST_F(DataFileFormTest, ResultKeepsTheStoredPathAndItsName) {
    DataFileForm form = formOf(1);
    form.choosePath("/data/表.csv");  // "表" ends in the byte 0x5C, which is no separator
    form.setSkipFirstLine(true);
    const DataFileSpec out = form.result();
    EXPECT_EQ(out.dataFilePath, "/data/\x95\x5C.csv");
    EXPECT_EQ(out.dataFileName, "\x95\x5C.csv");
    EXPECT_EQ(out.skipFirstLine, 1);
    EXPECT_EQ(out.fieldNames, (Names{"A", "B", "C"}));
}

class DataFileFormNamesTest : public DataFileFormTest {
  protected:
    DataFileForm emptyCommaForm(const std::string& storedPath) {
        DataFileSpec dataFile = dataFileOf(1, {}, {0, 12, 0});
        dataFile.dataFilePath = storedPath;  // relative to the definition's folder
        return DataFileForm(dataFile, folder.path(), messages);
    }
};

TEST_F(DataFileFormNamesTest, FirstLineGivesNamesUpToTheFirstBlankOne) {
    const struct {
        const char* firstLines;
        Names names;
        const char* note;
    } cases[] = {
        {"\"Name, with comma\",CODE,,PRICE\r\n1,2,3,4\r\n",
         {"Name, with comma", "CODE"},
         "a quoted comma stays; an empty name ends the list"},
        {"JAN,NAME, ,PRICE\n", {"JAN", "NAME"}, "so does a single blank"},
        {"\xEF\xBB\xBF商品名,価格\r\n",
         {"\x8f\xa4\x95\x69\x96\xbc", "\x89\xbf\x8a\x69"},
         "a UTF-8 file's names come as Shift-JIS, its byte-order mark left out"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        test::writeBytes(folder.file("shop.csv"), c.firstLines);
        DataFileForm form = emptyCommaForm("shop.csv");
        ASSERT_TRUE(form.canTakeNamesFromFile());
        EXPECT_TRUE(form.takeNamesFromFile());
        EXPECT_EQ(form.dataFile().fieldNames, c.names);
        EXPECT_EQ(firstLengths(form, 4), (Lengths{10, 12, 10, 10}));  // only the 0s change
        EXPECT_EQ(form.dataFile().skipFirstLine, 1);
        EXPECT_FALSE(form.canTakeNamesFromFile());  // the list is no longer empty
    }
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(DataFileFormNamesTest, AtMostThirtyNamesOnlyIntoAnEmptyCommaList) {
    std::string line;
    for (int i = 1; i <= 35; ++i) line += "N" + std::to_string(i) + ",";
    test::writeBytes(folder.file("wide.csv"), line + "\n");
    DataFileForm form = emptyCommaForm("wide.csv");
    EXPECT_TRUE(form.takeNamesFromFile());
    EXPECT_EQ(form.fieldCount(), 30);
    EXPECT_EQ(form.dataFile().fieldNames[29], "N30");

    DataFileForm filled = formOf(1);
    DataFileForm fixed = emptyCommaForm("wide.csv");
    fixed.chooseFixedLength();
    EXPECT_FALSE(filled.takeNamesFromFile(folder.file("wide.csv")));
    EXPECT_FALSE(fixed.takeNamesFromFile());
    EXPECT_EQ(filled.dataFile().fieldNames, (Names{"A", "B", "C"}));
    EXPECT_EQ(fixed.dataFile().skipFirstLine, 0);
}

TEST_F(DataFileFormNamesTest, AMissingFileIsToldAndChangesNothing) {
    DataFileForm form = emptyCommaForm("gone.csv");
    EXPECT_FALSE(form.takeNamesFromFile());
    EXPECT_EQ(messages.texts(), Names{folder.file("gone.csv") + " はオープンできませんでした "});
    EXPECT_EQ(form.fieldCount(), 0);
    EXPECT_EQ(form.dataFile().skipFirstLine, 0);
    EXPECT_EQ(firstLengths(form, 3), (Lengths{0, 12, 0}));
}

}  // namespace
}  // namespace qv
