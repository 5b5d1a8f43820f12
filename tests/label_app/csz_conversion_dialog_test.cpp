// The CSZ conversion dialog as the user drives it: "実 行" waits for a source, renaming and
// copying make the CSZ file, a refusal keeps the dialog open and the files as they were.
#include "label/app/dialogs/csz_conversion_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include <gtest/gtest.h>

#include "tests/label_app/widget_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class CszConversionDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeBytes(source(), "JAN,NAME\r\n4901234567894,A\r\n");
        dialog.setBrowseHook([this](QWidget*, const BrowseRequest& request) {
            lastRequest = request;
            return QString::fromStdString(source());
        });
        dialog.show();
    }
    std::string source() const { return folder.file("SHOP.CSV"); }
    std::string target() const { return folder.file("SHOP.Csz"); }
    void choose() { test::click(test::child<QPushButton>(dialog, "browse")); }
    void execute() { test::click(test::child<QPushButton>(dialog, "execute")); }

    test::TempFolder folder;
    RecordingMessageService messages;
    CszConversionDialog dialog{messages};
    BrowseRequest lastRequest;
};

TEST_F(CszConversionDialogTest, ExecuteWaitsForASourceAndRenames) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ＣＳＺファイル変換"));
    EXPECT_FALSE(dialog.executeButton()->isEnabled());
    EXPECT_TRUE(dialog.findChildren<QRadioButton*>().constFirst()->isChecked());  // リネーム
    choose();
    EXPECT_EQ(lastRequest.title, QStringLiteral("ファイルの参照"));
    EXPECT_TRUE(lastRequest.filter.contains(QStringLiteral("*.csv")));
    ASSERT_TRUE(dialog.executeButton()->isEnabled());
    EXPECT_EQ(test::child<QLabel>(dialog, "path")->text().toStdString(),
              dialog.conversion().displayPath());
    execute();
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(test::readBytes(target()), "JAN,NAME\r\n4901234567894,A\r\n");
    EXPECT_FALSE(std::filesystem::exists(source()));
}

TEST_F(CszConversionDialogTest, RenameOntoAnExistingFileIsRefusedAndCopyOverwrites) {
    test::writeBytes(target(), "old");
    choose();
    execute();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{target() + " は既に存在しています！"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(test::readBytes(target()), "old");
    EXPECT_TRUE(std::filesystem::exists(source()));

    messages.clear();
    test::click(dialog.findChildren<QRadioButton*>().at(1));  // "コピーして作る"
    EXPECT_EQ(dialog.conversion().mode(), CszConversion::Mode::Copy);
    execute();
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(test::readBytes(target()), "JAN,NAME\r\n4901234567894,A\r\n");
    EXPECT_TRUE(std::filesystem::exists(source()));  // a copy keeps its source
}

}  // namespace
}  // namespace qv
