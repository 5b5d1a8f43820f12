// The first label of a partly used sheet and the copies per record, set beside the print
// button: a label the sheet does not have is told and nothing prints; otherwise printing begins
// there (here into the PDF that printing without a print service writes).
#include <QAction>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "label/app/main_frame.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "tests/label_app/main_frame_parts.h"
#include "tests/programs/program_test_support.h"

namespace qv {
namespace {

TEST(PartlyUsedSheetTest, PrintingBeginsAtTheLabelBesideThePrintButton) {
    test::MainFrameParts parts;
    setenv("CUPS_SERVER", parts.folder.file("no-service.sock").c_str(), 1);
    LabelDefinition d = newLabelDefinition();  // 6 x 6 labels
    d.dataFile.dataFilePath = "data.csv";
    d.dataFile.fieldNames = {"NAME"};
    d.dataFile.fieldLengths = {10};
    d.fields[0] = {5, 5, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
    ASSERT_EQ(saveDefinitionFile(parts.folder.file("sheet.qvd"), d, nullptr),
              DefinitionFileStatus::Ok);
    test::writeBytes(parts.folder.file("data.csv"), "APPLE\r\nPEAR\r\nPLUM\r\n");
    ASSERT_TRUE(parts.document.openDocument(parts.folder.file("sheet.qvd")));
    applyDataFileModes(parts.document);
    const std::unique_ptr<CMainFrame> frame = parts.makeFrame();
    QSpinBox* first = frame->findChild<QSpinBox*>(QStringLiteral("firstLabel"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->value(), 1);
    QAction* print = nullptr;
    for (QAction* action : frame->findChild<QToolBar*>()->actions()) {
        if (action->text() == QStringLiteral("印刷")) print = action;
    }
    ASSERT_NE(print, nullptr);

    first->setValue(37);
    print->trigger();
    ASSERT_EQ(parts.messages.texts().size(), 1u);
    EXPECT_EQ(parts.messages.texts()[0],
              "開始ラベル 37 はありません（このシートのラベルは 36 枚です）");
    EXPECT_FALSE(std::filesystem::exists(parts.folder.file("sheet.pdf")));
    // The status bar keeps what the print told, not "Ready".
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QStringLiteral("開始ラベル 37 はありません（このシートのラベルは 36 枚です）"));

    first->setValue(35);
    print->trigger();
    const std::string pdf = parts.folder.file("sheet.pdf");
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_TRUE(
        frame->statusBar()->currentMessage().startsWith(QStringLiteral("プリンタがないため")))
        << frame->statusBar()->currentMessage().toStdString();
    const std::string info = test::run("pdfinfo " + pdf);
    EXPECT_EQ(std::stoi(info.substr(info.find("Pages:") + 6)), 2) << info;
    const std::string page1 = test::run("pdftotext -f 1 -l 1 " + pdf + " -");
    EXPECT_NE(page1.find("PEAR"), std::string::npos) << page1;
    EXPECT_EQ(page1.find("PLUM"), std::string::npos) << page1;

    // With 部数 20 from label 1: APPLE and 16 PEARs on the first sheet, 4 PEARs and the 20 PLUMs
    // on the second.
    first->setValue(1);
    QSpinBox* copies = frame->findChild<QSpinBox*>(QStringLiteral("copiesPerRecord"));
    ASSERT_NE(copies, nullptr);
    copies->setValue(20);
    print->trigger();
    const std::string page2 = test::run("pdftotext -f 2 -l 2 " + pdf + " -");
    size_t plums = 0;
    for (size_t at = page2.find("PLUM"); at != std::string::npos; at = page2.find("PLUM", at + 1)) {
        ++plums;
    }
    EXPECT_EQ(plums, 20u) << page2;
}

}  // namespace
}  // namespace qv
