// The data editor's fonts in "ROWSMITH.INI": defaults, Shift-JIS faces on disk and damaged values.
#include "editor/model/rowsmith_fonts.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace qv {
namespace {

// "ＭＳ 明朝" in code page 932: Ｍ 826C, Ｓ 8272, 明 96BE, 朝 92A9 (JIS X 0208 rows 3, 44, 36).
const char* const kMsMinchoSjis = "\x82\x6c\x82\x72 \x96\xbe\x92\xa9";

// What a file without usable font keys gives: print font "ＭＳ 明朝" and screen font "System",
// both 12 points, no filter in the picker.
const RowsmithFonts kDefaultFonts{"ＭＳ 明朝", 12, "System", 12, false, false};

class RowsmithFontsTest : public ::testing::Test {
  protected:
    std::string settingsWith(const std::string& bytes) {
        test::writeBytes(folder.file("ROWSMITH.INI"), bytes);
        return folder.file("ROWSMITH.INI");
    }
    test::TempFolder folder;
};

TEST_F(RowsmithFontsTest, FileWithoutFontsSectionGivesTheDefaults) {
    const ProfileFile settings(settingsWith("[FILES MODE]\r\nNewOpen=1\r\n"));
    EXPECT_EQ(readRowsmithFonts(settings), kDefaultFonts);
}

TEST_F(RowsmithFontsTest, AllSixKeysRoundTripWithShiftJisFaces) {
    ProfileFile settings(folder.file("ROWSMITH.INI"));
    RowsmithFonts fonts;
    fonts.printFace = "IPA明朝";
    fonts.printSize = 10;
    fonts.screenFace = "ＭＳ 明朝";
    fonts.screenSize = 16;
    fonts.trueTypeOnly = true;
    fonts.japaneseOnly = true;
    ASSERT_TRUE(writeRowsmithFonts(settings, fonts));

    const std::string bytes = test::readBytes(settings.path());
    EXPECT_NE(bytes.find("[FONTS]"), std::string::npos);
    EXPECT_NE(bytes.find("PrintFace=IPA\x96\xbe\x92\xa9\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("PrintSize=10\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(std::string("ChildFace=") + kMsMinchoSjis + "\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("ChildSize=16\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("TrueType=1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Nihongo=1\r\n"), std::string::npos);
    EXPECT_EQ(readRowsmithFonts(settings), fonts);
}

TEST_F(RowsmithFontsTest, ShiftJisFaceWrittenByHandReadsAsUtf8) {
    const ProfileFile settings(
        settingsWith(std::string("[FONTS]\r\nChildFace=") + kMsMinchoSjis + "\r\nChildSize=9\r\n"));
    const RowsmithFonts fonts = readRowsmithFonts(settings);
    EXPECT_EQ(fonts.screenFace, "ＭＳ 明朝");
    EXPECT_EQ(fonts.screenSize, 9);
}

TEST_F(RowsmithFontsTest, DamagedValuesFallBackToTheDefaults) {
    // An empty face, sizes of zero, text and beyond the picker's limit; any non-zero flag is on.
    const ProfileFile settings(
        settingsWith("[FONTS]\nPrintFace=\nPrintSize=0\nChildFace=\"\"\nChildSize=1000\nTrueType="
                     "2\nNihongo=x\n"));
    RowsmithFonts expected = kDefaultFonts;
    expected.trueTypeOnly = true;
    EXPECT_EQ(readRowsmithFonts(settings), expected);

    const ProfileFile text(settingsWith("[FONTS]\nPrintSize=abc\nChildSize=999\n"));
    EXPECT_EQ(readRowsmithFonts(text).printSize, 12);
    EXPECT_EQ(readRowsmithFonts(text).screenSize, 999);  // the largest size accepted
}

TEST_F(RowsmithFontsTest, FiltersAloneLeaveFacesAndSizesAsStored) {
    ProfileFile settings(
        settingsWith("[FONTS]\r\nPrintFace=Arial\r\nPrintSize=8\r\nTrueType=1\r\n"));
    RowsmithFonts fonts;  // faces and sizes differ from the file's
    fonts.japaneseOnly = true;
    ASSERT_TRUE(writeFontFilters(settings, fonts));
    const RowsmithFonts read = readRowsmithFonts(settings);
    EXPECT_EQ(read.printFace, "Arial");
    EXPECT_EQ(read.printSize, 8);
    EXPECT_FALSE(read.trueTypeOnly);
    EXPECT_TRUE(read.japaneseOnly);
}

TEST_F(RowsmithFontsTest, UnwritableFileReportsFailure) {
    // A plain file where the settings folder should be.
    test::writeBytes(folder.file("blocker"), "");
    ProfileFile settings(folder.file("blocker/ROWSMITH.INI"));
    EXPECT_FALSE(writeRowsmithFonts(settings, RowsmithFonts{}));
    EXPECT_FALSE(settings.lastError().empty());
}

}  // namespace
}  // namespace qv
