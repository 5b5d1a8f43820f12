#include "label/data/csz_conversion.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

TEST(CszTargetPath, CutsAtTheLastDotOfTheWholePath) {
    EXPECT_EQ(cszTargetPath("C:\\DATA\\SHOP.CSV"), "C:\\DATA\\SHOP.Csz");
    EXPECT_EQ(cszTargetPath("/data/a.b.csv"), "/data/a.b.Csz");
    EXPECT_EQ(cszTargetPath("/data/v1.2/SHOP"), "/data/v1.Csz");  // the folder's dot counts
    EXPECT_EQ(cszTargetPath("SHOP"), ".Csz");                     // in the current folder
}

TEST(CszDisplayPath, ShortensFromThirtyNineCharacters) {
    // 38 characters, most of them 3 bytes long: shown as is.
    const std::string shorter =
        "/共有/商品マスタ/二〇二四年度/東京本店/商品一覧表ファイル最新版.csv";
    EXPECT_EQ(shortenedPathForDisplay(shorter), shorter);
    // 39 characters: the first 18, ".....", the last 20, each character whole.
    EXPECT_EQ(shortenedPathForDisplay(
                  "/共有/商品マスタ/二〇二四年度/東京本店/商品一覧表ファイル最新版2.csv"),
              "/共有/商品マスタ/二〇二四年度/東.....本店/商品一覧表ファイル最新版2.csv");
}

class CszConversionTest : public ::testing::Test {
  protected:
    CszConversionTest() { test::writeBytes(source, "A,B\r\n1,2\r\n"); }

    test::TempFolder folder;
    std::string source = folder.file("SHOP.CSV");
    std::string target = folder.file("SHOP.Csz");
    RecordingMessageService messages;
    CszConversion dialog{messages};
};

TEST_F(CszConversionTest, RenameMovesTheChosenFile) {
    EXPECT_FALSE(dialog.canExecute());
    EXPECT_FALSE(dialog.execute());
    dialog.chooseSource(source);
    EXPECT_TRUE(dialog.canExecute());
    EXPECT_TRUE(dialog.execute());  // rename is the initial mode
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(test::readBytes(target), "A,B\r\n1,2\r\n");
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(CszConversionTest, RenameRefusals) {
    test::writeBytes(target, "old");
    dialog.chooseSource(source);
    EXPECT_FALSE(dialog.execute());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{target + " は既に存在しています！"});
    EXPECT_EQ(test::readBytes(source), "A,B\r\n1,2\r\n");  // both files as they were
    EXPECT_EQ(test::readBytes(target), "old");

    messages.clear();
    dialog.chooseSource(folder.file("GONE.CSV"));
    EXPECT_FALSE(dialog.execute());
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find(folder.file("GONE.CSV")), std::string::npos);
}

TEST_F(CszConversionTest, CopyKeepsTheSourceAndOverwritesTheTarget) {
    test::writeBytes(target, "an older and longer conversion");
    dialog.chooseSource(source);
    dialog.setMode(CszConversion::Mode::Copy);
    EXPECT_TRUE(dialog.execute());
    EXPECT_EQ(test::readBytes(source), "A,B\r\n1,2\r\n");
    EXPECT_EQ(test::readBytes(target), "A,B\r\n1,2\r\n");
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(CszConversionTest, CopyFailuresNameTheFile) {
    dialog.setMode(CszConversion::Mode::Copy);
    dialog.chooseSource(folder.file("GONE.CSV"));
    EXPECT_FALSE(dialog.execute());
    // A folder in the target's place cannot be replaced by a file.
    fs::create_directory(target);
    dialog.chooseSource(source);
    EXPECT_FALSE(dialog.execute());
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);  // no leftovers
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{folder.file("GONE.CSV") + " はオープン出来ませんでした！",
                                        target + " は作成出来ませんでした！"}));
}

}  // namespace
}  // namespace qv
