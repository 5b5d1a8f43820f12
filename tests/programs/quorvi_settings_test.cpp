#include "label/app/quorvi_settings.h"

#include <climits>
#include <optional>

#include <gtest/gtest.h>

#include "common/sjis_text.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

TEST(QuorviSettingsTest, DefaultsAreReadAndWrittenBack) {
    test::TempFolder folder;
    ProfileFile file(folder.file("QUORVI32.INI"));
    QuorviSettings settings;
    readStartSettings(file, settings);
    readRemainingSettings(file, settings);
    EXPECT_EQ(settings.formZoom, 5);
    EXPECT_TRUE(settings.directPrint);
    EXPECT_TRUE(settings.shortJanNotAligned);
    EXPECT_EQ(settings.print.barTextFace, "Arial");
    EXPECT_EQ(settings.print.date.eraOffset, 88);
    // The file now holds the keys the start writes back.
    EXPECT_EQ(file.readInt("Recent Use", "LComp", -1), 5);
    EXPECT_EQ(file.readInt("Recent Use", "BarM32", -1), 2048);
    EXPECT_EQ(file.readString("Recent Use", "PB1", ""), sjis::fromUtf8("＜"));
    EXPECT_EQ(file.readInt("Date", "NenGap", -1), 88);
    EXPECT_EQ(file.readInt("Recent Use", "HikiDirect", -1), -1);  // written when the window closes
}

TEST(QuorviSettingsTest, BadValuesFallBack) {
    test::TempFolder folder;
    test::writeBytes(folder.file("Q.INI"),
                     "[Recent Use]\r\nLComp=0\r\nDirectPrint=0\r\nCode=3\r\nPageStyle=7\r\n"
                     "garbage line\r\nHikiDirect=x\r\n");
    ProfileFile file(folder.file("Q.INI"));
    QuorviSettings settings;
    readStartSettings(file, settings);
    readRemainingSettings(file, settings);
    EXPECT_EQ(settings.formZoom, 5);                        // 0 is outside 1..10
    EXPECT_EQ(file.readInt("Recent Use", "LComp", -1), 5);  // and written back as 5
    EXPECT_FALSE(settings.directPrint);
    EXPECT_EQ(settings.lastBarcodeKind, 3);
    EXPECT_FALSE(settings.printDialogAtStartup);  // "x" reads 0
    EXPECT_EQ(settings.print.pageStyle, PageStyle::PerGroup);
    settings.formZoom = 7;
    settings.printDialogAtStartup = true;
    writeExitSettings(file, settings);
    writeMainWindowSettings(file, settings);
    EXPECT_EQ(file.readInt("Recent Use", "LComp", -1), 7);
    EXPECT_EQ(file.readInt("Recent Use", "HikiDirect", -1), 1);
}

// The data file's encoding is kept for each definition, however its path was written; the
// first entry goes when every entry is taken.
TEST(QuorviSettingsTest, DataEncodingsAreKeptPerDefinition) {
    test::TempFolder folder;
    ProfileFile file(folder.file("QUORVI32.INI"));
    const std::string a = folder.file("a.qvd");
    ASSERT_TRUE(writeDataEncoding(file, a, EncodingChoice::Utf8));
    ASSERT_TRUE(writeDataEncoding(file, folder.file("b.qvd"), EncodingChoice::ShiftJis));
    EXPECT_EQ(readDataEncoding(file, folder.path() + "/./a.qvd"), EncodingChoice::Utf8);
    EXPECT_EQ(readDataEncoding(file, folder.file("b.qvd")), EncodingChoice::ShiftJis);
    EXPECT_EQ(readDataEncoding(file, folder.file("c.qvd")), EncodingChoice::Auto);
    ASSERT_TRUE(writeDataEncoding(file, a, EncodingChoice::Auto));
    EXPECT_EQ(readDataEncoding(file, a), EncodingChoice::Auto);
    for (int k = 0; k <= kMostDataEncodings; ++k) {
        ASSERT_TRUE(
            writeDataEncoding(file, folder.file(std::to_string(k) + ".qvd"), EncodingChoice::Utf8));
    }
    // "0.qvd" took the freed first entry: it went first, then "b.qvd".
    EXPECT_EQ(readDataEncoding(file, folder.file("0.qvd")), EncodingChoice::Auto);
    EXPECT_EQ(readDataEncoding(file, folder.file("b.qvd")), EncodingChoice::Auto);
    EXPECT_EQ(readDataEncoding(file, folder.file("1.qvd")), EncodingChoice::Utf8);
    EXPECT_EQ(readDataEncoding(file, folder.file("30.qvd")), EncodingChoice::Utf8);
}

TEST(QuorviSettingsTest, WindowRectAtFixedOffsets) {
    const WindowRect rect = parseWindowRect("0010 0020 0800 0600");
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right, 800);
    EXPECT_EQ(rect.bottom, 600);
    EXPECT_EQ(formatWindowRect({10, 20, 630, 470}), "0010 0020 0630 0470");
    const WindowRect cut = parseWindowRect("0010 00");  // a short value reads what it has
    EXPECT_EQ(cut.top, 0);
    EXPECT_EQ(cut.bottom, 0);
}

TEST(QuorviSettingsTest, OnlyASensibleRectPlacesTheWindow) {
    const std::optional<WindowPlacement> placed = placementOf({-10, 20, 630, 470});
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->x, -10);
    EXPECT_EQ(placed->y, 20);
    EXPECT_EQ(placed->width, 640);
    EXPECT_EQ(placed->height, 450);
    // Values at the ends of int (as a damaged settings file gives them), edges beyond any
    // desktop, and empty, inverted or giant sizes all fall back to the default placement.
    EXPECT_FALSE(placementOf(parseWindowRect("-9999 0000 9999999999 0009")));
    for (const WindowRect& bad :
         {WindowRect{INT_MIN, 0, INT_MAX, 10}, WindowRect{0, INT_MIN, 10, INT_MAX},
          WindowRect{INT_MAX - 5, 0, INT_MAX, 10}, WindowRect{100, 0, 100, 10},
          WindowRect{0, 50, 10, 40}, WindowRect{0, 0, 40000, 10}}) {
        EXPECT_FALSE(placementOf(bad)) << formatWindowRect(bad);
    }
}

}  // namespace
}  // namespace qv
