// The page index: pages of at most n records, page breaks by field and by marker line, the
// group page numbers, the page limit, and LoadPage agreeing with the index.
#include <gtest/gtest.h>

#include "tests/label/data/data_test_support.h"

namespace qv {
namespace {

using test::kCloseBracket;
using test::kOpenBracket;

class PageIndexTest : public ::testing::Test {
  protected:
    // Writes the lines as a CSV file, opens it and indexes it.
    DataFileReader& index(const std::vector<std::string>& lines, int labelsPerPage,
                          bool skipFirstLine = false, int pageBreakField = 0) {
        return indexWith(test::readerSettings(pageBreakField), lines, labelsPerPage, skipFirstLine);
    }
    DataFileReader& indexWith(const DataReaderSettings& settings,
                              const std::vector<std::string>& lines, int labelsPerPage,
                              bool skipFirstLine = false) {
        test::writeBytes(folder.file("data.csv"), test::linesOf(lines));
        reader = std::make_unique<DataFileReader>(settings, messages);
        EXPECT_TRUE(reader->Open(folder.file("data.csv"), skipFirstLine));
        returned = reader->BuildPageIndex(labelsPerPage, skipFirstLine);
        return *reader;
    }
    std::vector<int> recordCounts() const {
        std::vector<int> counts;
        for (const PageIndexEntry& page : reader->pageIndex()) counts.push_back(page.recordCount);
        return counts;
    }
    std::vector<int> groupPages() const {
        std::vector<int> groups;
        for (int page = 1; page <= reader->pageCount(); ++page) {
            groups.push_back(reader->groupPageNumber(page));
        }
        return groups;
    }
    // Loads every page and checks it against the index; returns the pages' first fields.
    std::vector<std::vector<std::string>> loadAll(int labelsPerPage) {
        std::vector<std::vector<std::string>> pages;
        for (int page = 1; page <= reader->pageCount(); ++page) {
            reader->LoadPage(page, labelsPerPage);
            const PageIndexEntry& entry = reader->pageIndex()[static_cast<size_t>(page - 1)];
            EXPECT_EQ(static_cast<int>(reader->pageLines().size()), entry.recordCount) << page;
            EXPECT_EQ(reader->pageSubtitle(), entry.subtitle) << page;
            std::vector<std::string> firstFields;
            for (size_t k = 0; reader->Record(k); ++k) firstFields.push_back(reader->Field(0));
            pages.push_back(firstFields);
        }
        return pages;
    }

    test::TempFolder folder;
    RecordingMessageService messages;
    std::unique_ptr<DataFileReader> reader;
    int returned = 0;
};

TEST_F(PageIndexTest, RecordsFillPagesOfNLabels) {
    std::vector<std::string> lines = {"NAME,X"};
    for (const std::string& record : test::numberedRecords(9)) lines.push_back(record);
    index(lines, 4, true);
    EXPECT_EQ(reader->pageCount(), 3);  // 9 records after the header, 4 labels a page
    EXPECT_EQ(recordCounts(), (std::vector<int>{4, 4, 1}));
    EXPECT_EQ(returned, 10);  // record lines read plus one; the header is not one
    EXPECT_EQ(groupPages(), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(reader->pageBreakActive());
    EXPECT_EQ(loadAll(4), (std::vector<std::vector<std::string>>{
                              {"r1", "r2", "r3", "r4"}, {"r5", "r6", "r7", "r8"}, {"r9"}}));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(PageIndexTest, EmptyLinesAreRecordsAndAnEmptyFileHasNoPage) {
    index({"a", "", "b"}, 2);
    EXPECT_EQ(recordCounts(), (std::vector<int>{2, 1}));
    EXPECT_EQ(loadAll(2), (std::vector<std::vector<std::string>>{{"a", ""}, {"b"}}));
    index({}, 6);
    EXPECT_EQ(reader->pageCount(), 0);
    EXPECT_EQ(returned, 1);
    index({"HEADER"}, 6, true);
    EXPECT_EQ(reader->pageCount(), 0);
    EXPECT_EQ(returned, 1);
}

TEST_F(PageIndexTest, PageLimitStopsIndexingWithTheMessage) {
    index(test::numberedRecords(1000), 1);
    EXPECT_EQ(reader->pageCount(), 1000);
    EXPECT_TRUE(messages.messages().empty());

    index(test::numberedRecords(1003), 1);
    EXPECT_EQ(reader->pageCount(), 1000);  // the first 1000 pages print
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "印刷可能な最大ページ数は1001ページまでです。\n"
              "1001ページを越える分はファイルを分割して印刷して下さい。");
    EXPECT_TRUE(messages.messages()[0].beep);
    reader->LoadPage(1000, 1);
    ASSERT_TRUE(reader->Record(0));
    EXPECT_EQ(reader->Field(0), "r1000");
}

TEST_F(PageIndexTest, PageBreakByFieldWithSubtitleAndGroupPages) {
    index({"1,A", "2,A", "3,B"}, 6, false, 2);
    EXPECT_TRUE(reader->pageBreakActive());
    EXPECT_EQ(recordCounts(), (std::vector<int>{2, 1}));
    EXPECT_EQ(groupPages(), (std::vector<int>{1, 1}));
    EXPECT_EQ(reader->pageIndex()[0].subtitle, kOpenBracket + "A" + kCloseBracket);
    EXPECT_EQ(reader->pageIndex()[1].subtitle, kOpenBracket + "B" + kCloseBracket);
    EXPECT_EQ(reader->pageSubtitle(), kOpenBracket + "A" + kCloseBracket);
    EXPECT_EQ(loadAll(6), (std::vector<std::vector<std::string>>{{"1", "2"}, {"3"}}));

    std::vector<std::string> lines;
    for (int i = 1; i <= 14; ++i) lines.push_back(std::to_string(i) + ",SAME");
    lines.push_back("15,OTHER");
    index(lines, 6, false, 2);
    EXPECT_EQ(recordCounts(), (std::vector<int>{6, 6, 2, 1}));
    EXPECT_EQ(groupPages(), (std::vector<int>{1, 2, 3, 1}));  // 1 again after the break
    loadAll(6);
}

TEST_F(PageIndexTest, ChangeRightAfterAFullPageStartsANewGroup) {
    // The third A fills the page; B then starts a page of its own, which is a new group.
    index({"1,A", "2,A", "3,A", "4,B", "5,B"}, 3, false, 2);
    EXPECT_EQ(recordCounts(), (std::vector<int>{3, 2}));
    EXPECT_EQ(groupPages(), (std::vector<int>{1, 1}));
    // A change on the line that would fill the page moves that line to the next page, so
    // loading never drops it.
    index({"1,A", "2,A", "3,B", "4,B"}, 3, false, 2);
    EXPECT_EQ(loadAll(3), (std::vector<std::vector<std::string>>{{"1", "2"}, {"3", "4"}}));
}

TEST_F(PageIndexTest, FixedLengthRecordsBreakOnTheirSlices) {
    DataReaderSettings settings = test::readerSettings(2);
    settings.fieldLengths = {5, 1};
    // The first slice holds a comma: it stays one field, so field 2 is still the letter.
    test::writeBytes(folder.file("data.txt"), test::linesOf({"1,000A", "2,000A", "3,000B"}, "\n"));
    DataFileReader fixed(settings, messages);
    ASSERT_TRUE(fixed.Open(folder.file("data.txt"), false));
    EXPECT_FALSE(fixed.isComma());
    fixed.BuildPageIndex(6, false);
    ASSERT_EQ(fixed.pageCount(), 2);
    EXPECT_EQ(fixed.pageIndex()[0].recordCount, 2);
    EXPECT_EQ(fixed.pageIndex()[1].subtitle, kOpenBracket + "B" + kCloseBracket);
}

// A record with copies prints as many labels, going on over the next page; page breaks, group
// pages and the page limit count the labels as printed.
TEST_F(PageIndexTest, CopiesPerRecordFillThePagesAsPrinted) {
    DataReaderSettings settings = test::readerSettings(2);
    settings.copiesPerRecord = 4;
    indexWith(settings, {"1,A", "2,A", "3,B"}, 6);
    EXPECT_EQ(recordCounts(), (std::vector<int>{6, 2, 4}));
    EXPECT_EQ(groupPages(), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(loadAll(6), (std::vector<std::vector<std::string>>{
                              {"1", "1", "1", "1", "2", "2"}, {"2", "2"}, {"3", "3", "3", "3"}}));

    settings = test::readerSettings(0);
    settings.copiesPerRecord = 1001;
    indexWith(settings, {"only"}, 1);
    EXPECT_EQ(reader->pageCount(), kMaxIndexedPages);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("1001"), std::string::npos);
}

// The count from a field: an empty or non-number value prints one label, and one message names
// those records; 0 prints none.
TEST_F(PageIndexTest, CopiesFromAFieldAndItsBadValues) {
    DataReaderSettings settings = test::readerSettings(0);
    settings.copiesField = 2;
    indexWith(settings, {"a, 2 ", "b,x", "c,", "d,0", "e,10000", "f,3"}, 10);
    EXPECT_EQ(loadAll(10),
              (std::vector<std::vector<std::string>>{{"a", "a", "b", "c", "e", "f", "f", "f"}}));
    ASSERT_EQ(messages.texts().size(), 1u);
    const std::string told = messages.texts()[0];
    for (const char* named : {"レコード 2: \"x\"", "レコード 3: \"\"", "レコード 5: \"10000\""}) {
        EXPECT_NE(told.find(named), std::string::npos) << told;
    }
    EXPECT_EQ(told.find("レコード 4"), std::string::npos) << told;
}

// Page breaks by field and marker lines index a UTF-8 file as its Shift-JIS conversion: the
// sub-titles and the records come out as the core holds text.
TEST_F(PageIndexTest, Utf8FilesBreakAndNamePagesAsShiftJisOnes) {
    const std::string fruits = "\x89\xca\x95\xa8";  // 果物
    index({"\xEF\xBB\xBF@果物", "りんご,1", "なし,1", "@野菜", "ねぎ,2"}, 6);
    EXPECT_EQ(recordCounts(), (std::vector<int>{2, 1}));
    EXPECT_EQ(reader->pageIndex()[0].subtitle, kOpenBracket + fruits + kCloseBracket);
    index({"果物,a", "果物,b", "野菜,c"}, 6, false, 1);
    EXPECT_EQ(recordCounts(), (std::vector<int>{2, 1}));
    EXPECT_EQ(reader->pageIndex()[0].subtitle, kOpenBracket + fruits + kCloseBracket);
    EXPECT_EQ(loadAll(6)[1], (std::vector<std::string>{"\x96\xec\x8d\xd8"}));  // 野菜
}

TEST_F(PageIndexTest, MarkerLinesStartPagesAndNameThem) {
    index({"@Fruits\x01", "apple", "pear", "@Greens", "leek"}, 6);
    EXPECT_TRUE(reader->pageBreakActive());
    EXPECT_EQ(recordCounts(), (std::vector<int>{2, 1}));
    EXPECT_EQ(returned, 4);  // markers are no records
    EXPECT_EQ(reader->pageIndex()[0].subtitle, kOpenBracket + "Fruits\x01" + kCloseBracket);
    EXPECT_EQ(reader->pageIndex()[1].subtitle, kOpenBracket + "Greens" + kCloseBracket);
    EXPECT_EQ(loadAll(6), (std::vector<std::vector<std::string>>{{"apple", "pear"}, {"leek"}}));

    // A marker in the middle of a full run, markers in a row, and group pages after them.
    index({"a", "b", "c", "@One", "@Two", "d", "e", "f"}, 2);
    EXPECT_EQ(recordCounts(), (std::vector<int>{2, 1, 2, 1}));
    EXPECT_EQ(groupPages(), (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(reader->pageIndex()[2].subtitle, kOpenBracket + "Two" + kCloseBracket);
    EXPECT_EQ(loadAll(2),
              (std::vector<std::vector<std::string>>{{"a", "b"}, {"c"}, {"d", "e"}, {"f"}}));
}

TEST_F(PageIndexTest, WithAPageBreakFieldAnAtSignIsAnOrdinaryRecord) {
    index({"@x,A", "y,A"}, 6, false, 2);
    EXPECT_EQ(recordCounts(), (std::vector<int>{2}));
}

TEST_F(PageIndexTest, IndexingRestoresTheFilePositionAndAnyPageLoadsAlone) {
    index(test::numberedRecords(7), 3);
    reader->LoadPage(3, 3);
    ASSERT_TRUE(reader->Record(0));
    EXPECT_EQ(reader->Field(0), "r7");
    EXPECT_FALSE(reader->Record(1));
    EXPECT_EQ(reader->Field(0), "");
    EXPECT_TRUE(reader->LoadPage(4, 3));  // not in the index
    EXPECT_TRUE(reader->pageLines().empty());
    EXPECT_EQ(reader->BuildPageIndex(0, false), 1);  // a grid without labels holds nothing
    EXPECT_EQ(reader->pageCount(), 0);
}

}  // namespace
}  // namespace qv
