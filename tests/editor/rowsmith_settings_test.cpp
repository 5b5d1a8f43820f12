// The data editor's settings file: defaults, the association keys COMD%d, the placement and the
// reopen list, as they are read and written.
#include "editor/model/rowsmith_settings.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class RowsmithSettingsTest : public ::testing::Test {
  protected:
    ProfileFile file(const std::string& bytes) {
        test::writeBytes(folder.file("ROWSMITH.INI"), bytes);
        return ProfileFile(folder.file("ROWSMITH.INI"));
    }
    test::TempFolder folder;
};

TEST_F(RowsmithSettingsTest, DefaultsOfAnEmptyFile) {
    const RowsmithSettings s = readRowsmithSettings(file(""));
    EXPECT_TRUE(s.newOnStart);
    EXPECT_TRUE(s.makeBackup);
    EXPECT_TRUE(s.labelProgramPath.empty());
    EXPECT_TRUE(s.associations.empty());
    EXPECT_FALSE(s.placement.hasRect);
    EXPECT_TRUE(s.placement.toolbar);
    EXPECT_TRUE(s.placement.statusBar);
    EXPECT_TRUE(s.reopenList.empty());
}

TEST_F(RowsmithSettingsTest, AssociationsStopAtTheFirstGap) {
    ProfileFile f = file(
        "[PROCESS]\r\nCOMD0=\"\"a\",\"a.qvd\",\"a.csv\"\"\r\nCOMD1=\"\"b\",\"b.qvd\",\"b."
        "csv\"\"\r\n"
        "COMD3=\"\"d\",\"d.qvd\",\"d.csv\"\"\r\n");
    RowsmithSettings s = readRowsmithSettings(f);
    ASSERT_EQ(s.associations.size(), 2u);
    EXPECT_EQ(s.associations[0], "\"a\",\"a.qvd\",\"a.csv\"");
    EXPECT_EQ(s.associations[1], "\"b\",\"b.qvd\",\"b.csv\"");
}

TEST_F(RowsmithSettingsTest, FewerAssociationsBlankTheKeysNoLongerNeeded) {
    std::string stored = "[PROCESS]\r\n";
    for (int k = 0; k < 5; ++k) {
        stored +=
            "COMD" + std::to_string(k) + "=\"\"n" + std::to_string(k) + "\",\"x\",\"y\"\"\r\n";
    }
    ProfileFile f = file(stored);
    RowsmithSettings s = readRowsmithSettings(f);
    ASSERT_EQ(s.storedAssociations, 5);
    s.associations.resize(3);
    writeRowsmithSettings(f, s);
    EXPECT_EQ(f.readString("PROCESS", "COMD2", "?"), "\"n2\",\"x\",\"y\"");
    EXPECT_EQ(f.readString("PROCESS", "COMD3", "?"), "");
    EXPECT_EQ(f.readString("PROCESS", "COMD4", "?"), "");
    EXPECT_EQ(readRowsmithSettings(f).associations.size(), 3u);
}

TEST_F(RowsmithSettingsTest, PlacementAndFlagsRoundTrip) {
    ProfileFile f = file("[Window size]\r\nRect=0010 0020 0630 0470\r\nmax=1\r\ntool=0\r\n");
    RowsmithSettings s = readRowsmithSettings(f);
    ASSERT_TRUE(s.placement.hasRect);
    EXPECT_EQ(s.placement.rect.left, 10);
    EXPECT_EQ(s.placement.rect.top, 20);
    EXPECT_EQ(s.placement.rect.right, 630);
    EXPECT_EQ(s.placement.rect.bottom, 470);
    EXPECT_TRUE(s.placement.maximised);
    EXPECT_FALSE(s.placement.toolbar);
    s.newOnStart = false;
    s.labelProgramPath = "/opt/ラベル/quorvi32";
    s.placement.minimised = true;
    writeRowsmithSettings(f, s);
    const RowsmithSettings back = readRowsmithSettings(f);
    EXPECT_FALSE(back.newOnStart);
    EXPECT_TRUE(back.makeBackup);
    EXPECT_EQ(back.labelProgramPath, "/opt/ラベル/quorvi32");
    EXPECT_TRUE(back.placement.minimised);
    EXPECT_TRUE(back.placement.maximised);
    EXPECT_EQ(f.readString("Window size", "Rect", ""), "0010 0020 0630 0470");
}

TEST_F(RowsmithSettingsTest, ReopenListKeepsPathsWithCommasAndQuotes) {
    ProfileFile f = file("");
    const std::vector<std::string> paths = {"/data/shop.csv", "/data/a,b.csv", "/d/say \"x\".csv",
                                            "/データ/商品.csv"};
    writeReopenList(f, paths);
    EXPECT_EQ(readRowsmithSettings(f).reopenList, paths);
    writeReopenList(f, {});
    EXPECT_EQ(f.readString("PreOpen", "PathName", "?"), "");
    EXPECT_TRUE(readRowsmithSettings(f).reopenList.empty());
    EXPECT_EQ(parseReopenList("\"a\",,\"c\""), std::vector<std::string>{"a"});
}

}  // namespace
}  // namespace qv
