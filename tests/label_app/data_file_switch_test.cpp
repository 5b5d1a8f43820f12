// The main window after 設定 > データファイル設定 on a definition that has not been saved: data use
// and CSZ mode follow the chosen file at once, as after an open, so the next print has the
// records on its labels and a CSZ file brings its mono-pattern dialog.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "label/app/dialogs/data_file_dialog.h"
#include "label/app/main_frame.h"
#include "label/editor/widgets/mono_pattern_dialog.h"
#include "tests/label_app/main_frame_parts.h"
#include "tests/programs/program_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class DataFileSwitchTest : public ::testing::Test, protected test::MainFrameParts {
  protected:
    void SetUp() override {
        setenv("CUPS_SERVER", folder.file("no-service.sock").c_str(), 1);
        test::writeBytes(folder.file("data.csv"), "4901234567894,APPLE\r\n");
        test::writeBytes(folder.file("data.csz"), "JAN,NAME\r\n\\@,APPLE\r\n");
        LabelDefinition& d = document.definition();
        d.dataFile.fieldNames = {"JAN", "NAME"};
        d.dataFile.fieldLengths = {13, 10};
        d.fields[1] = {5, 5, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
        frame = makeFrame();
        frame->show();
    }

    void trigger(const QString& text) { test::triggerCommand(*frame, text); }

    // Chooses `path` in the data file dialog as a user does, and confirms it.
    void chooseDataFile(const std::string& path) {
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<DataFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit*>("dataPath")->setText(QString::fromStdString(path));
            dialog->accept();
        });
        trigger(QStringLiteral("データファイル設定"));
    }

    std::unique_ptr<CMainFrame> frame;
};

TEST_F(DataFileSwitchTest, TheChosenFilesRecordsPrintAtOnce) {
    chooseDataFile(folder.file("data.csv"));
    EXPECT_TRUE(document.dataFileUsable);
    EXPECT_FALSE(document.cszMode);
    // No print service: the pages of a definition never saved go to NewFile.pdf at home.
    setenv("HOME", folder.path().c_str(), 1);
    trigger(QStringLiteral("印刷(&P)..."));
    EXPECT_NE(test::run("pdftotext " + folder.file("NewFile.pdf") + " -").find("APPLE"),
              std::string::npos);
}

TEST_F(DataFileSwitchTest, ACszFileBringsTheMonoPatternDialog) {
    chooseDataFile(folder.file("data.csz"));
    EXPECT_TRUE(document.cszMode);
    EXPECT_TRUE(QTest::qWaitFor(
        [this] {
            for (auto* dialog : frame->findChildren<MonoPatternDialog*>()) {
                if (dialog->isVisible()) return true;
            }
            return false;
        },
        5000));
    chooseDataFile(folder.file("data.csv"));
    EXPECT_FALSE(document.cszMode);
    for (auto* dialog : frame->findChildren<MonoPatternDialog*>())
        EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace qv
