#include "common/layout_file.h"

#include <gtest/gtest.h>

#include "common/text_format.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

LayoutWidths widthsOf(std::initializer_list<int> values) {
    LayoutWidths widths{};
    std::copy(values.begin(), values.end(), widths.begin());
    return widths;
}

std::string countingLine(int values) {  // "   1   2   3 ..."
    std::string line;
    for (int value = 1; value <= values; ++value) line += formatText("%4d", value);
    return line;
}

TEST(LayoutFile, FormatWritesFourCharactersPerWidthUpToTheFirstZero) {
    EXPECT_EQ(formatLayoutLine(widthsOf({8, 12, 0, 5})), "   8  12");
    EXPECT_EQ(formatLayoutLine(widthsOf({})), "");
    // Wider values would shift every later slice; they are held to 4 characters.
    EXPECT_EQ(formatLayoutLine(widthsOf({12345, 7, -1000})), "9999   7-999");
}

TEST(LayoutFile, ParseReadsWholeSlices) {
    const struct {
        const char* line;
        LayoutWidths widths;
        const char* note;
    } cases[] = {
        {"   8  12", widthsOf({8, 12}), "two values"},
        {"   8  12\r\n  40", widthsOf({8, 12}), "only the first line counts"},
        {"   8  12  4", widthsOf({8, 12}), "a partial last slice is ignored"},
        {"   8      12", widthsOf({8, 0, 12}), "a blanks-only slice reads as 0"},
        {"8abc  9x", widthsOf({8, 9}), "a slice stops at its first non-digit"},
        {"  8", widthsOf({}), "shorter than one slice"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(parseLayoutLine(c.line), c.widths);
    }
    EXPECT_EQ(parseLayoutLine(countingLine(32))[29], 30);  // the first 30 values only
}

TEST(LayoutFile, ReadTakesTheFirstLineOfAnExistingFile) {
    test::TempFolder folder;
    LayoutWidths widths = widthsOf({1, 2, 3, 4});
    test::writeBytes(folder.file("SHOP.CSL"), "  10   5\r\n  99  99\r\n");
    ASSERT_TRUE(readLayoutFile(folder.file("SHOP.CSL"), widths));
    EXPECT_EQ(widths, widthsOf({10, 5}));  // the slots after the values are cleared

    test::writeBytes(folder.file("LONG.CSL"), countingLine(40) + "\n");
    ASSERT_TRUE(readLayoutFile(folder.file("LONG.CSL"), widths));
    EXPECT_EQ(widths[29], 30);

    const LayoutWidths before = widths;
    test::writeBytes(folder.file("EMPTY.CSL"), "");
    test::writeBytes(folder.file("BLANKLINE.CSL"), "\n   7");
    EXPECT_FALSE(readLayoutFile(folder.file("EMPTY.CSL"), widths));
    EXPECT_FALSE(readLayoutFile(folder.file("BLANKLINE.CSL"), widths));
    EXPECT_FALSE(readLayoutFile(folder.file("MISSING.CSL"), widths));
    EXPECT_FALSE(readLayoutFile(folder.path(), widths));  // a folder is no layout file
    EXPECT_EQ(widths, before);
}

}  // namespace
}  // namespace qv
