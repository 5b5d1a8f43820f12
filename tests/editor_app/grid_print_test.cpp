// Grid printing as the user gets it: a PDF whose pages pdftotext reads back in the order block 1
// group 1, block 1 group 2, block 2 group 1, each under its title.
#include <QFileInfo>
#include <QPrinterInfo>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "editor/dialogs/grid_print_runner.h"
#include "platform/qt_text.h"
#include "tests/programs/program_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

// The texts of each page of a PDF.
std::vector<std::string> pdfPages(const std::string& path) {
    const std::string text = test::run("pdftotext -layout '" + path + "' -");
    std::vector<std::string> pages;
    size_t start = 0;
    for (size_t end = text.find('\f'); end != std::string::npos; end = text.find('\f', start)) {
        pages.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pages;
}

// Blank runs as one blank: the layout mode spaces words by their place on the page.
std::string collapsed(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

bool holds(const std::string& text, const std::string& part) {
    return collapsed(text).find(collapsed(part)) != std::string::npos;
}

class GridPrintTest : public ::testing::Test {
  protected:
    // Four fields 36 characters wide: two fit across A4, so every block has two groups; 60
    // records need two blocks.
    GridPrintTest() {
        document.lines = {"CODE,NAME,PLACE,NOTE"};
        for (int k = 1; k <= 60; ++k) {
            const std::string n = std::to_string(k);
            std::string line = "C";
            line.append(n).append(",N").append(n).append(",P").append(n);
            line.append(",\"with, comma ").append(n).append("\"");
            document.lines.push_back(std::move(line));
        }
        document.splitHeader();
        for (size_t k = 0; k < 4; ++k) document.columnWidths[k] = 36;
    }

    test::TempFolder folder;
    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    std::vector<QString> statuses;
};

TEST_F(GridPrintTest, PagesComeBlockByBlockWithTheirTitlesAndCells) {
    GridPrintRunner runner(document, QStringLiteral("shop.csv"), RowsmithFonts{}, messages,
                           nullptr);
    runner.showStatus = [this](const QString& text) { statuses.push_back(text); };
    const std::string path = folder.file("table.pdf");
    QString error;
    ASSERT_TRUE(runner.writePdf(fromUtf8(path), error)) << toUtf8(error);
    const std::vector<std::string> pages = pdfPages(path);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_TRUE(holds(pages[0], "shop.csv  1の1頁"));
    EXPECT_TRUE(holds(pages[1], "shop.csv  1の2頁"));
    EXPECT_TRUE(holds(pages[2], "shop.csv  2の1頁"));
    EXPECT_TRUE(holds(pages[3], "shop.csv  2の2頁"));
    // Group 1 has CODE and NAME, group 2 PLACE and NOTE with the comma kept in its cell.
    EXPECT_TRUE(holds(pages[0], "CODE") && holds(pages[0], "C1 N1\n"));
    EXPECT_FALSE(holds(pages[0], "PLACE"));
    EXPECT_TRUE(holds(pages[1], "PLACE") && holds(pages[1], "P1 with, comma 1\n"));
    EXPECT_TRUE(holds(pages[2], "C60"));
    EXPECT_FALSE(holds(pages[0], "C60"));
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.front(), QStringLiteral("印刷準備中  "));
    EXPECT_EQ(statuses.back(), QStringLiteral("ﾚﾃﾞｨ"));
    EXPECT_TRUE(messages.messages().empty());  // 60 records: no question
}

TEST_F(GridPrintTest, NarrowColumnsMakeOneGroupPerBlock) {
    for (size_t k = 0; k < 4; ++k) document.columnWidths[k] = 0;  // printed 10 wide
    GridPrintRunner runner(document, QStringLiteral("shop.csv"), RowsmithFonts{}, messages,
                           nullptr);
    QString error;
    ASSERT_TRUE(runner.writePdf(fromUtf8(folder.file("narrow.pdf")), error));
    const std::vector<std::string> pages = pdfPages(folder.file("narrow.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(holds(pages[0], "shop.csv  1の1頁"));
    EXPECT_TRUE(holds(pages[1], "shop.csv  2の1頁"));
    EXPECT_EQ(document.columnWidths[3], 10);
}

TEST_F(GridPrintTest, WithoutAPrinterPrintGoesToThePdfTheUserNames) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    const std::string path = folder.file("shop.csv");
    test::writeBytes(path, "CODE,NAME\r\nA1,apple\r\n");
    ASSERT_TRUE(document.open(path, false));
    GridPrintRunner runner(document, QStringLiteral("shop.csv"), RowsmithFonts{}, messages,
                           nullptr);
    runner.showStatus = [this](const QString& text) { statuses.push_back(text); };
    QStringList offered;
    runner.askPdfPath = [&offered](const QString& suggested) {
        offered << suggested;
        return offered.size() == 1 ? QString() : suggested;  // the first time: cancelled
    };
    EXPECT_EQ(runner.print(true), GridPrintRunner::Outcome::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(fromUtf8(path + ".pdf")));
    EXPECT_EQ(runner.print(true), GridPrintRunner::Outcome::WrotePdf);
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[0], fromUtf8(path + ".pdf"));
    const std::vector<std::string> pages = pdfPages(path + ".pdf");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(holds(pages[0], "apple"));
    EXPECT_EQ(statuses.back(),
              QStringLiteral("プリンタがないため %1 に出力しました").arg(fromUtf8(path + ".pdf")));
}

// Written through a temporary file: a PDF that cannot be made whole is reported as a failure
// and the earlier PDF stays; the next good run leaves no temporary file behind.
TEST_F(GridPrintTest, AFailedPdfIsReportedAndTheEarlierOneStays) {
    const std::string path = folder.file("table.pdf");
    test::writeBytes(path, "earlier");
    GridPrintRunner runner(document, QStringLiteral("shop.csv"), RowsmithFonts{}, messages,
                           nullptr);
    runner.askPdfPath = [&path](const QString&) { return fromUtf8(path); };
    const bool noPrinter = QPrinterInfo::availablePrinters().isEmpty();
    for (const WriteFault fault :
         {WriteFault::DiskFull, WriteFault::ReadOnlyFolder, WriteFault::CutBeforeRename}) {
        injectWriteFault(fault);
        QString error;
        EXPECT_FALSE(runner.writePdf(fromUtf8(path), error));
        EXPECT_EQ(toUtf8(error).rfind(path + " に書き込めません\n", 0), 0u) << toUtf8(error);
        if (noPrinter) {
            EXPECT_EQ(runner.print(false), GridPrintRunner::Outcome::Failed);
        }
        injectWriteFault(WriteFault::None);
        EXPECT_EQ(test::readBytes(path), "earlier");
    }
    if (noPrinter) {
        EXPECT_EQ(messages.messages().size(), 3u);
    }
    QString error;
    ASSERT_TRUE(runner.writePdf(fromUtf8(path), error)) << toUtf8(error);
    EXPECT_EQ(test::readBytes(path).rfind("%PDF", 0), 0u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(GridPrintTest, ALongDocumentAsksFirstAndNoWritesNothing) {
    test::writeBytes(folder.file("big.csv"), "CODE\r\n");
    ASSERT_TRUE(document.open(folder.file("big.csv"), false));
    document.lines.resize(1);
    for (int k = 0; k < 2001; ++k) document.lines.push_back("r,s,t,u");
    messages.scriptAnswer(MessageAnswer::No);
    messages.scriptAnswer(MessageAnswer::No);
    GridPrintRunner runner(document, QStringLiteral("big.csv"), RowsmithFonts{}, messages, nullptr);
    EXPECT_EQ(runner.print(false), GridPrintRunner::Outcome::Cancelled);
    EXPECT_EQ(runner.preview(), GridPrintRunner::Outcome::Cancelled);
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].caption, "big.csv");
    EXPECT_FALSE(std::filesystem::exists(folder.file("big.csv.pdf")));
}

}  // namespace
}  // namespace qv
