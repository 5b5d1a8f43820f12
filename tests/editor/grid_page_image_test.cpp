// The page image of a printed table: rows and column groups per page, the page order, cells that
// keep any value whole, and the question before a long print.
#include "editor/model/grid_page_image.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// 100 twips per character; 2000 wide, so two fields 8 wide fit and a third does not; rows of
// 300 in 1200, so 5 rows, 3 records a page.
const GridMetrics kMetrics{300, 100, 2000, 1200};

class GridPageImageTest : public ::testing::Test {
  protected:
    GridPageImageTest() {
        document.lines = {"A,B,C,D", "a1,b1,c1,d1", "a2,b2,c2,d2", "a3,b3,c3,d3", "a4,b4,c4,d4"};
        document.splitHeader();
        for (size_t k = 0; k < 4; ++k) document.columnWidths[k] = 8;
    }
    void compose() { image.compose(document, printWidths(document), kMetrics, nullptr); }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    GridPageImage image;
};

TEST_F(GridPageImageTest, TwiceAsWideAsThePaperGoesBlockByBlockThenGroupByGroup) {
    compose();
    EXPECT_EQ(image.groups(), (std::vector<size_t>{0, 2, 4}));
    EXPECT_EQ(image.titleLines(), (std::vector<std::string>{"0802A,0802B", "0802C,0802D"}));
    EXPECT_EQ(image.lines(), (std::vector<std::string>{
                                 "@&/&00101", "0802a1,0802b1", "0802a2,0802b2", "0802a3,0802b3",
                                 "&/&/END", "@&/&00102", "0802c1,0802d1", "0802c2,0802d2",
                                 "0802c3,0802d3", "&/&/END", "@&/&00201", "0802a4,0802b4",
                                 "&/&/END", "@&/&00202", "0802c4,0802d4", "&/&/END"}));
    ASSERT_EQ(image.pageCount(), 4);
    const std::optional<GridPage> third = image.page(3);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->block, 2);
    EXPECT_EQ(third->group, 1);
    ASSERT_EQ(third->rows.size(), 1u);
    EXPECT_EQ(third->rows[0][1].text, "b4");
    EXPECT_EQ(third->titles[0].width, 802);
    EXPECT_EQ(image.page(2)->group, 2);
    EXPECT_FALSE(image.page(0));
    EXPECT_FALSE(image.page(5));
}

TEST_F(GridPageImageTest, ColumnsThatFitMakeOneGroupAndZeroWidthsBecomeTen) {
    document.columnWidths = {};
    document.columnWidths[0] = 3;
    const std::vector<int> widths = printWidths(document);
    EXPECT_EQ(widths, (std::vector<int>{3, 10, 10, 10}));
    EXPECT_EQ(document.columnWidths[3], 10);  // the one change printing makes
    image.compose(document, widths, {300, 40, 9000, 1200}, nullptr);
    EXPECT_EQ(image.groups(), (std::vector<size_t>{0, 4}));
    EXPECT_EQ(image.pageCount(), 2);
    EXPECT_EQ(image.page(2)->block, 2);
    EXPECT_EQ(image.page(2)->group, 1);
}

TEST_F(GridPageImageTest, AFieldWiderThanThePaperKeepsAGroupOfItsOwn) {
    EXPECT_EQ(columnGroups({30, 5, 30}, 100, 2000), (std::vector<size_t>{0, 1, 2, 3}));
    EXPECT_EQ(cellWidth(200, 100), 9999);  // the prefix stays four digits
    EXPECT_EQ(columnGroups({}, 100, 2000), (std::vector<size_t>{0, 0}));
}

TEST_F(GridPageImageTest, CellsKeepCommasBackslashesQuotesAndShiftJisWhole) {
    document.lines = {"A,B,C,D", "\"x,y\",C:\\,\"\x95\x5C\",\\\"q\\\""};
    compose();
    const std::optional<GridPage> page = image.page(1);
    ASSERT_TRUE(page);
    ASSERT_EQ(page->rows.size(), 1u);
    ASSERT_EQ(page->rows[0].size(), 2u);
    EXPECT_EQ(page->rows[0][0].text, "x,y");
    EXPECT_EQ(page->rows[0][1].text, "C:\\");
    EXPECT_EQ(image.page(2)->rows[0][0].text, "\x95\x5C");
    EXPECT_EQ(image.page(2)->rows[0][1].text, "\"q\"");

    const std::string odd("\x81,\\\x95\x5C,", 6);  // a stray lead byte before a comma
    const std::vector<GridCell> back = splitGridLine(gridCell(12, odd) + "," + gridCell(7, ""));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].width, 12);
    EXPECT_EQ(back[0].text, odd);
    EXPECT_EQ(back[1].width, 7);
    EXPECT_EQ(back[1].text, "");
}

TEST_F(GridPageImageTest, EmptyFieldsAndShortRecordsGiveEmptyCells) {
    document.lines = {"A,B,C,D", "a1,,c1", ""};
    compose();
    EXPECT_EQ(image.lines()[1], "0802a1,0802");
    EXPECT_EQ(image.page(2)->rows[0][1].text, "");
    EXPECT_EQ(image.page(2)->rows[1][0].text, "");  // the empty line is a row of empty cells
}

TEST_F(GridPageImageTest, ProgressReportsEveryTenthOnce) {
    document.lines = {"A,B,C,D"};
    for (int k = 0; k < 95; ++k) document.lines.push_back("r" + std::to_string(k));
    std::vector<int> tenths;
    image.compose(document, printWidths(document), kMetrics,
                  [&tenths](int t) { tenths.push_back(t); });
    EXPECT_EQ(tenths, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(image.pageCount(), 32 * 2);
    EXPECT_EQ(gridPreparingStatus(3), "印刷準備中  ■■■");
}

TEST_F(GridPageImageTest, TwoThousandRecordsPrintWithoutAskingAndOneMoreAsks) {
    EXPECT_TRUE(confirmGridPrint(2000, "shop.csv", messages));
    EXPECT_TRUE(messages.messages().empty());
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(confirmGridPrint(2001, "shop.csv", messages));
    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(confirmGridPrint(2001, "shop.csv", messages));
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].text,
              "2001 行の印刷またはﾌﾟﾚﾋﾞｭｰを行うための準備には\n"
              "少し時間が掛かりますがよろしいですか？");
    EXPECT_EQ(messages.messages()[0].caption, "shop.csv");
    EXPECT_EQ(messages.messages()[0].buttons, MessageButtons::YesNo);
}

TEST(GridMetricsTest, RecordsPerPage) {
    EXPECT_EQ(recordsPerPage({300, 100, 2000, 1200}), 3);
    EXPECT_EQ(recordsPerPage({300, 100, 2000, 1199}), 2);
    EXPECT_EQ(recordsPerPage({5000, 100, 2000, 1200}), 1);  // never less than one record
}

}  // namespace
}  // namespace qv
