// The main window with a CSZ definition, as a user meets it: the mono-pattern dialog opens by
// itself once after loading, and "印刷開始" prints the chosen record on every label of every copy
// (to a PDF beside the definition, since the tests reach no print service).
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "label/app/main_frame.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "label/editor/widgets/mono_pattern_dialog.h"
#include "tests/label_app/main_frame_parts.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

std::string pdfPages(const std::string& pdf) {
    std::string output;
    if (FILE* pipe = popen(("pdfinfo " + pdf + " 2>/dev/null").c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
            const std::string line = buffer;
            if (line.rfind("Pages:", 0) == 0) output = line.substr(line.find_last_of(' ') + 1);
        }
        pclose(pipe);
    }
    return output.empty() ? output : output.substr(0, output.size() - 1);
}

class MainFrameMonoTest : public ::testing::Test, protected test::MainFrameParts {
  protected:
    void SetUp() override {
        LabelDefinition d = newLabelDefinition();
        d.sheet.maxColumns = 2;
        d.sheet.maxRows = 2;
        d.dataFile.dataFilePath = "data.csz";
        d.dataFile.skipFirstLine = 1;
        d.dataFile.fieldNames = {"JAN", "NAME"};
        d.dataFile.fieldLengths = {13, 10};
        d.fields[0] = {5, 5, kDefaultFaceName, 10, 45, 22, 8 | 1, 0, 0};
        ASSERT_EQ(saveDefinitionFile(folder.file("sheet.qvd"), d, nullptr),
                  DefinitionFileStatus::Ok);
        test::writeBytes(folder.file("data.csz"), "JAN,NAME\r\n\\@,APPLE\r\n");
        settings.directPrint = true;
        document.addOpenStep(
            [this](CQuorviDoc& opened) { checkDataFileOnOpen(opened, messages, true, nullptr); });
        frame = makeFrame();
    }

    std::vector<MonoPatternDialog*> monoDialogs() {
        std::vector<MonoPatternDialog*> shown;
        for (MonoPatternDialog* dialog : frame->findChildren<MonoPatternDialog*>()) {
            if (dialog->isVisible()) shown.push_back(dialog);
        }
        return shown;
    }

    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameMonoTest, DialogOpensOnceAfterLoadingAndPrintsTheCopies) {
    frame->show();
    ASSERT_TRUE(frame->openDefinition(QString::fromStdString(folder.file("sheet.qvd"))));
    ASSERT_TRUE(document.cszMode);
    EXPECT_TRUE(monoDialogs().empty());  // not at once: the window settles first
    ASSERT_TRUE(QTest::qWaitFor([this] { return !monoDialogs().empty(); }, 5000));
    QTest::qWait(1200);
    ASSERT_EQ(monoDialogs().size(), 1u);  // once only
    MonoPatternDialog& dialog = *monoDialogs().front();

    test::click(test::child<QPushButton>(dialog, "printButton"));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"入力されていないコードがあります　！"});
    EXPECT_FALSE(std::filesystem::exists(folder.file("sheet.pdf")));

    messages.clear();
    QTest::keyClicks(test::child<QLineEdit>(dialog, "input1"), "4901234567894");
    test::child<QSpinBox>(dialog, "copies")->setValue(3);
    test::click(test::child<QPushButton>(dialog, "printButton"));
    ASSERT_EQ(messages.texts().size(), 1u);  // where the pages went instead of a printer
    EXPECT_EQ(messages.texts()[0].rfind("プリンタがないため " + folder.file("sheet.pdf"), 0), 0u)
        << messages.texts()[0];
    ASSERT_TRUE(std::filesystem::exists(folder.file("sheet.pdf")));
    EXPECT_EQ(pdfPages(folder.file("sheet.pdf")), "3");
}

TEST_F(MainFrameMonoTest, ADataFileOtherThanCszOpensNoDialog) {
    test::writeBytes(folder.file("data.csv"), "JAN,NAME\r\n4901234567894,APPLE\r\n");
    LabelDefinition d;
    ASSERT_EQ(loadDefinitionFile(folder.file("sheet.qvd"), d), DefinitionFileStatus::Ok);
    d.dataFile.dataFilePath = "data.csv";
    ASSERT_EQ(saveDefinitionFile(folder.file("plain.qvd"), d, nullptr), DefinitionFileStatus::Ok);
    frame->show();
    ASSERT_TRUE(frame->openDefinition(QString::fromStdString(folder.file("plain.qvd"))));
    QTest::qWait(700);
    EXPECT_TRUE(monoDialogs().empty());
}

}  // namespace
}  // namespace qv
