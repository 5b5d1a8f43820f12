// Page composition through the recording surface: fill orders, running numbers, ruled lines,
// text fields, colours, page counts, page breaks in the footer, and barcode failures in place.
#include <gtest/gtest.h>

#include "label/definition/literal_entry.h"
#include "tests/label/print/print_test_support.h"

namespace qv {
namespace {

class PrintJobTest : public ::testing::Test, public test::PrintFixture {
  protected:
    // The last word of the last call: the page number of a footer line.
    static std::string lastWord(const std::vector<std::string>& calls) {
        const std::string& last = calls.back();
        return last.substr(last.rfind(' ') + 1);
    }
};

// Label corners of the 3 x 2 sheet: columns at x 100, 500, 900; rows at y -200, -500. The field
// sits 20 right of and 30 below a corner.
TEST_F(PrintJobTest, NOrderFillsColumnsFirstOverTwoPages) {
    ASSERT_EQ(prepare(test::numberedRecords(7)), 2);
    EXPECT_EQ(print(1, "textOut"),
              (std::vector<std::string>{"textOut 120 -230 r1", "textOut 120 -530 r2",
                                        "textOut 520 -230 r3", "textOut 520 -530 r4",
                                        "textOut 920 -230 r5", "textOut 920 -530 r6"}));
    EXPECT_EQ(print(2, "textOut"), (std::vector<std::string>{"textOut 120 -230 r7"}));
}

TEST_F(PrintJobTest, ZOrderFillsRowsFirst) {
    document.definition().sheet.printDirection = 1;
    prepare(test::numberedRecords(4));
    EXPECT_EQ(print(1, "textOut"),
              (std::vector<std::string>{"textOut 120 -230 r1", "textOut 520 -230 r2",
                                        "textOut 920 -230 r3", "textOut 120 -530 r4"}));
}

// A partly used sheet from label 3: labels 1 and 2 stay blank (no frame, constants or number),
// the records and numbers begin at label 3 in the fill order, and page 2 is whole.
TEST_F(PrintJobTest, APartlyUsedSheetBeginsAtItsFirstFreeLabel) {
    LabelDefinition& d = document.definition();
    d.serialStartNumber = 100;
    d.literals[0] = {makeLiteralEntry({"\\@", "", 0}), 10, 0, 1, 1};
    for (const int order : {0, 1}) {  // N, then Z
        d.sheet.printDirection = order;
        job = std::make_unique<LabelPrintJob>(document, settings, clock, messages);
        test::writeBytes(folder.file("data.csv"), test::linesOf(test::numberedRecords(7)));
        d.dataFile.dataFilePath = folder.file("data.csv");
        document.dataFileUsable = true;
        job->startAtLabel(3);
        ASSERT_EQ(job->prepare(), 2);  // 4 records on page 1, 3 on page 2
        const std::vector<std::string> page1 = print(1, "textOut");
        ASSERT_EQ(page1.size(), 8u);
        // Label 3 is the first of column 2 in N order, the last of row 1 in Z order.
        EXPECT_EQ(page1[0], order == 0 ? "textOut 510 -210 100" : "textOut 910 -210 100");
        EXPECT_EQ(page1[4], order == 0 ? "textOut 520 -230 r1" : "textOut 920 -230 r1");
        const std::vector<std::string> page2 = print(2, "textOut");
        ASSERT_EQ(page2.size(), 9u);
        EXPECT_EQ(page2[0], "textOut 110 -210 104");
        EXPECT_EQ(page2[6], "textOut 120 -230 r5");
        // Four framed labels of four edges each on page 1; page 2 has the whole grid frame.
        EXPECT_EQ(print(1, "lineTo").size(), 16u);
        EXPECT_TRUE(print(1, "rectangle").empty());
        EXPECT_EQ(print(2, "rectangle").size(), 1u);
    }
    // Beyond the sheet's labels it begins at the last one; label 1 is the sheet as without it.
    job->startAtLabel(99);
    EXPECT_EQ(job->firstLabel(), 6);
    job->startAtLabel(1);
    RecordingSurface whole;
    job->prepare();
    job->printPage(whole, 1);
    LabelPrintJob plain(document, settings, clock, messages);
    plain.prepare();
    RecordingSurface today;
    plain.printPage(today, 1);
    EXPECT_EQ(whole.calls(), today.calls());
}

TEST_F(PrintJobTest, RunningNumbersFollowThePageAndEveryLiteral) {
    LabelDefinition& d = document.definition();
    d.serialStartNumber = 100;
    d.fields[0].xMm = -1;
    d.literals[0] = {makeLiteralEntry({"\\@", "", 0}), 10, 0, 1, 1};
    prepare(test::numberedRecords(18));
    std::vector<std::string> numbers;
    for (const std::string& call : print(3, "textOut")) numbers.push_back(lastWord({call}));
    EXPECT_EQ(numbers, (std::vector<std::string>{"112", "113", "114", "115", "116", "117"}));

    d.literals[1] = {makeLiteralEntry({"\\@", "", 0}), 10, 0, 20, 1};  // two a label
    numbers.clear();
    for (const std::string& call : print(1, "textOut")) numbers.push_back(lastWord({call}));
    EXPECT_EQ(numbers.front(), "100");
    EXPECT_EQ(numbers[1], "101");
    EXPECT_EQ(numbers.back(), "111");
}

TEST_F(PrintJobTest, RuledLinesOnEveryLabelAndTheFrame) {
    LabelDefinition& d = document.definition();
    d.ruledLines[0] = {0, -5, 40, -5};
    prepare({"only one record"});
    const std::vector<std::string> moves = print(1, "moveTo");
    // Two inner column lines, one inner row line, then one ruled line on each of 6 labels.
    ASSERT_EQ(moves.size(), 3u + 6u);
    EXPECT_EQ(moves[3], "moveTo 100 -250");
    EXPECT_EQ(moves[8], "moveTo 900 -550");
    EXPECT_EQ(print(1, "rectangle"), (std::vector<std::string>{"rectangle 100 -200 1300 -800"}));
    d.sheet.noFrameLines = 1;
    EXPECT_TRUE(print(1, "rectangle").empty());
}

// A damaged definition's grid of 65535 x 65535: the 8 x 7 labels that reach onto the paper are
// drawn, each with the running number of its place in the fill order; the records go to the
// first labels; extreme ruled lines and bitmap rectangles stay in range or are left out.
TEST_F(PrintJobTest, ADamagedGridDrawsOnlyWhatThePaperShows) {
    LabelDefinition& d = document.definition();
    d.sheet.maxColumns = 65535;
    d.sheet.maxRows = 65535;
    d.literals[0] = {makeLiteralEntry({"\\@", "", 0}), 10, 0, 1, 1};
    d.ruledLines[0] = {0, INT32_MIN, INT32_MAX, -5};
    d.bitmaps[0] = {"logo.bmp", INT32_MIN, 0, INT32_MAX, -100};
    ASSERT_EQ(prepare(test::numberedRecords(3)), 1);
    RecordingSurface surface;
    job->printPage(surface, 1);
    EXPECT_LT(surface.calls().size(), 1000u);
    EXPECT_EQ(surface.callsStartingWith("lineTo").size(), 7u + 6u + 56u);  // columns, rows, lines
    const std::vector<std::string> texts = surface.callsStartingWith("textOut");
    ASSERT_EQ(texts.size(), 56u + 3u);
    EXPECT_EQ(texts[0], "textOut 110 -210 1");
    EXPECT_EQ(texts[7], "textOut 510 -210 65536");  // column 1 begins at label 65535
    EXPECT_EQ(texts[56], "textOut 120 -230 r1");
    EXPECT_EQ(texts[58], "textOut 120 -830 r3");
    for (const std::string& call : surface.callsStartingWith("moveTo")) {
        EXPECT_EQ(call.find("-2147"), std::string::npos) << call;
    }
}

TEST_F(PrintJobTest, TextFieldBoxAndAlignments) {
    // 10 pt = 35 units high, a character 17 wide: the box of 10 characters is 170 wide.
    LabelDefinition& d = document.definition();
    prepare({"ABC"});
    d.fields[0].layoutFlags = 1;  // centred
    EXPECT_EQ(print(1, "textInRect 120"),
              (std::vector<std::string>{"textInRect 120 -230 290 -265 centre top ABC"}));
    d.fields[0].layoutFlags = 2;  // right
    EXPECT_EQ(print(1, "textInRect 120"),
              (std::vector<std::string>{"textInRect 120 -230 290 -265 right top ABC"}));
    // Vertical writing: the box is 35 wide and 170 high; centred text moves down by half of
    // 170 - 51, right-aligned by all of it.
    d.fields[0].layoutFlags = 4 | 1;
    EXPECT_EQ(print(1, "textClipped"),
              (std::vector<std::string>{"textClipped 155 -289 [120 -230 155 -400] ABC"}));
    d.fields[0].layoutFlags = 4 | 2;
    EXPECT_EQ(print(1, "textClipped"),
              (std::vector<std::string>{"textClipped 155 -349 [120 -230 155 -400] ABC"}));
    d.fields[0].layoutFlags = 4;
    EXPECT_EQ(print(1, "textOut"), (std::vector<std::string>{"textOut 155 -230 ABC"}));
    EXPECT_EQ(print(1, "font @")[0], "font @ＭＳ 明朝 35 w0 e900 450");
    d.fields[0].pointSize = 0;  // nothing drawn
    EXPECT_TRUE(print(1, "textOut").empty());
    EXPECT_TRUE(print(1, "font @").empty());
}

// A value of a megabyte, or a field length of 65535, lays out only what can reach the paper: at
// 10 pt no more than 2 x (297 mm x 100 / 35 + 1) bytes.
TEST_F(PrintJobTest, AHugeValueLaysOutWhatCanReachThePaper) {
    LabelDefinition& d = document.definition();
    d.dataFile.fieldLengths[0] = 65535;
    d.fields[0].layoutFlags = 2;  // right: the box is measured on the field length
    prepare({std::string(1000000, 'x')});
    const std::vector<std::string> texts = print(1, "textInRect 120");
    ASSERT_EQ(texts.size(), 1u);
    const std::string shown = texts[0].substr(texts[0].rfind(' ') + 1);
    EXPECT_EQ(shown, std::string(1698, 'x'));
}

TEST_F(PrintJobTest, ColoursAndMonochromeDevices) {
    LabelDefinition& d = document.definition();
    d.fields[0].colourIndex = 4;  // 0x0000FF
    d.literals[0] = {makeLiteralEntry({"L", "", 1}), 10, 0, 1, 1};
    prepare({"x"});
    std::vector<std::string> colours = print(1, "textColour");
    EXPECT_EQ(colours[0], "textColour FF0000");  // the literal
    EXPECT_EQ(colours[6], "textColour 0000FF");  // the field
    colourCount = 2;  // monochrome: the field prints black, the literal keeps its colour
    colours = print(1, "textColour");
    EXPECT_EQ(colours[0], "textColour FF0000");
    EXPECT_EQ(colours[6], "textColour 000000");
    colourCount = 256;
    d.fields[0].colourIndex = 200;  // outside the table: black
    EXPECT_EQ(print(1, "textColour")[6], "textColour 000000");
}

TEST_F(PrintJobTest, PageCountOfAnEmptyFile) {
    EXPECT_EQ(prepare({}), 1);  // constants are printed once
    document.definition().dataFile.skipFirstLine = 1;
    EXPECT_EQ(prepare({"HEADER"}), 0);  // skipped header, six labels a page: nothing
    document.definition().sheet.maxColumns = 1;
    document.definition().sheet.maxRows = 1;
    EXPECT_EQ(prepare({"HEADER"}), 1);
    document.dataFileUsable = false;  // no data use: one page
    job = std::make_unique<LabelPrintJob>(document, settings, clock, messages);
    EXPECT_EQ(job->prepare(), 1);
}

TEST_F(PrintJobTest, PageBreaksGiveSubtitleAndGroupPagesInTheFooter) {
    LabelDefinition& d = document.definition();
    d.pageBreakField = 2;
    d.printPageNumber = 1;
    d.titleText = "T";
    std::vector<std::string> lines;
    for (int i = 1; i <= 8; ++i) lines.push_back("r" + std::to_string(i) + ",A");
    lines.push_back("r9,B");
    ASSERT_EQ(prepare(lines), 3);  // A: 6 + 2 records, B: 1
    EXPECT_EQ(print(2, "textInRect").back(), "textInRect 100 -800 2870 -2000 centre middle Page 2");
    EXPECT_EQ(print(2, "textInRect")[0], "textInRect 100 -7 2870 -197 centre middle ＜A＞T");
    EXPECT_EQ(print(3, "textInRect")[0], "textInRect 100 -7 2870 -197 centre middle ＜B＞T");
    EXPECT_EQ(lastWord(print(3, "textInRect")), "1");
    settings.pageStyle = PageStyle::PerGroupAndRunning;
    prepare(lines);
    EXPECT_EQ(lastWord(print(2, "textInRect")), "2-2");
    EXPECT_EQ(lastWord(print(3, "textInRect")), "1-3");
}

TEST_F(PrintJobTest, FooterWithoutBreaksAndTheOutputDate) {
    LabelDefinition& d = document.definition();
    d.printPageNumber = 1;
    d.printDate = 1;
    prepare(test::numberedRecords(13));
    const std::vector<std::string> texts = print(3, "textInRect");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(lastWord({texts[1]}), "3");
    EXPECT_EQ(texts[2], "textInRect 100 -800 2870 -2000 right middle 1997.10.10");
}

TEST_F(PrintJobTest, FailingBarcodeShowsItsMessageAndPrintingGoesOn) {
    LabelDefinition& d = document.definition();
    d.dataFile.fieldNames = {"JAN", "NAME"};
    d.dataFile.fieldLengths = {13, 10};
    d.fields[1] = d.fields[0];
    d.fields[0].attributes = 8;  // JAN
    d.fields[0].barWidthMm = 30;
    d.fields[0].barHeightMm = 10;
    prepare({"4901234567890,after"});  // the right check digit is 4
    const std::vector<std::string> texts = print(1, "textOut");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "textOut 120 -230 ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(4)");
    EXPECT_EQ(texts[1], "textOut 120 -230 after");
}

// The listing's "文字" follows the barcode fields drawn: their show-text bit.
TEST_F(PrintJobTest, DrawingABarcodeSetsTheBarTextFlag) {
    LabelDefinition& d = document.definition();
    d.fields[0].attributes = 8 | 1;  // JAN with its text
    d.fields[0].barWidthMm = 30;
    d.fields[0].barHeightMm = 10;
    d.barTextFlag = 0;
    prepare({"4901234567894"});
    print(1, "");
    EXPECT_EQ(d.barTextFlag, 1);
    d.fields[0].attributes = 8;
    print(1, "");
    EXPECT_EQ(d.barTextFlag, 0);
}

}  // namespace
}  // namespace qv
