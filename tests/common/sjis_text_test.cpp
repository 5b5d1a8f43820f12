#include "common/sjis_text.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace qv::sjis {
namespace {

TEST(SjisConversion, KnownCharactersBothWays) {
    // Byte values from Microsoft's published code page 932 table.
    const struct {
        const char *cp932, *utf8, *note;
    } cases[] = {
        {"\x5C", "\\", "0x5C is the backslash, not the yen sign"},
        {"\x7E", "~", "0x7E is the tilde, not the overline"},
        {"\x82\xA0", "あ", "hiragana"},
        {"\xB1", "ｱ", "half-width katakana is one byte"},
        {"\x95\x5C", "表", "trail byte 0x5C"},
        {"\x83\x61", "ヂ", "trail byte 'a'"},
        {"\x81\x60", "～", "wave dash is U+FF5E in CP932"},
        {"\x87\x40", "①", "NEC row 13 circled digit"},
        {"\xFA\x40", "ⅰ", "IBM extension"},
        {"\xFB\xFC", "髙", "IBM extension kanji"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(toUtf8(c.cp932), c.utf8);
        bool lossless = false;
        EXPECT_EQ(fromUtf8(c.utf8, &lossless), c.cp932);
        EXPECT_TRUE(lossless);
    }
    // NEC-selected IBM extensions (0xED/0xEE) come back as the IBM codes (0xFA-0xFC).
    EXPECT_EQ(toUtf8("\xEE\xEF\xED\x40"), "ⅰ纊");
    EXPECT_EQ(fromUtf8("ⅰ纊"), "\xFA\x40\xFA\x5C");
}

TEST(SjisConversion, InvalidBytesShowReplacementAndGoOn) {
    const struct {
        const char *cp932, *utf8, *note;
    } cases[] = {
        {"\x80", "\uFFFD", "unassigned single byte"},
        {"a\xFFz", "a\uFFFDz", "0xFF is never a character"},
        {"A\x82", "A\uFFFD", "lead byte cut off at the end"},
        {"\x82\x20Z", "\uFFFD Z", "lead byte followed by a blank"},
        {"\x85\x40", "\uFFFD@", "row 0x85 is unassigned; the trail byte reads on its own"},
        {"\x82\xA0\x82", "あ\uFFFD", "good character, then a cut one"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(toUtf8(c.cp932), c.utf8);
    }
    EXPECT_EQ(toUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(SjisConversion, UnmappableAndMalformedInputBecomesQuestionMarks) {
    const struct {
        const char *utf8, *cp932, *note;
    } cases[] = {
        {"a€z", "a?z", "euro sign has no CP932 form"},
        {"😀", "?", "four-byte character"},
        {"\xC3", "?", "lead byte alone at the end"},
        {"\xE3\x81Z", "?Z", "cut three-byte sequence is one unit"},
        {"\xC0\xAF", "??", "overlong encoding"},
        {"\xED\xA0\x80", "???", "encoded surrogate"},
        {"\x80あ", "?\x82\xA0", "stray continuation byte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        bool lossless = true;
        EXPECT_EQ(fromUtf8(c.utf8, &lossless), c.cp932);
        EXPECT_FALSE(lossless);
    }
    EXPECT_EQ(fromUtf16Le(std::string("A\0\x42\x30\x68\x88", 6)), "A\x82\xA0\x95\x5C");  // Aあ表
    // U+1F600 as a surrogate pair, a lone high surrogate, an odd byte at the end.
    EXPECT_EQ(fromUtf16Le(std::string("\x3D\xD8\x00\xDE\x3D\xD8Z\0Y", 9)), "??Z?");
}

TEST(SjisConversion, ThreadsConvertIndependently) {
    // Long texts keep iconv busy, so threads sharing one descriptor would mix their output.
    std::string cp932;
    std::string utf8;
    for (int i = 0; i < 5000; ++i) {
        cp932 += "\x95\x5Cz";
        utf8 += "表z";
    }
    std::vector<int> failures(4, 0);
    std::vector<std::thread> threads;
    threads.reserve(failures.size());
    for (int& failed : failures) {
        threads.emplace_back([&] {
            for (int round = 0; round < 100; ++round) failed += toUtf8(cp932) != utf8;
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

TEST(SjisBytes, IsTrailAtScansFromTheStart) {
    // a, 表, 0x81 0x81 (a pair: 0x81 is a valid trail byte), 0x81 alone at the end.
    const std::string text = "a\x95\x5C\x81\x81\x81";
    for (size_t index = 0; index <= text.size(); ++index) {
        EXPECT_EQ(isTrailAt(text, index), index == 2 || index == 4) << index;
    }
    EXPECT_FALSE(isTrailAt("\x82\x20", 1));  // 0x20 is no trail byte
    EXPECT_FALSE(isTrailAt("\xB1\x5C", 1));  // half-width katakana is no lead byte
}

TEST(SjisBytes, AsciiUpperLeavesDoubleByteCharactersAlone) {
    EXPECT_EQ(asciiUpper("abc\x83\x61z"), "ABC\x83\x61Z");  // ヂ ends in 'a'
    EXPECT_EQ(asciiUpper("\xB1z\x83"), "\xB1Z\x83");        // ｱ is one byte; cut lead byte
    EXPECT_EQ(upperLastThree("shop.csv"), "CSV");
    EXPECT_EQ(upperLastThree("qv"), "QV");
    EXPECT_EQ(upperLastThree("x.q\x83\x61"), "Q\x83\x61");
}

TEST(SjisBytes, CutsNeverSplitACharacter) {
    const struct {
        std::string text;
        size_t maxBytes, expected;
        const char* note;
    } cases[] = {
        {"abc", 2, 2, "plain ASCII"},
        {"a\x82\xA0", 2, 1, "would split あ"},
        {"a\x82\xA0", 3, 3, "あ fits"},
        {"\x95\x5Cx", 1, 0, "表 whose trail byte looks like a backslash"},
        {"\xB1\xB2", 1, 1, "half-width katakana"},
        {"a\x82", 5, 2, "lead byte at the end is kept when all fits"},
        {"\x82\x20Z", 1, 1, "lead byte without valid trail is a single byte"},
        {"abc", 0, 0, "nothing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(safePrefixLength(c.text, c.maxBytes), c.expected);
        EXPECT_EQ(truncateBytes(c.text, c.maxBytes), c.text.substr(0, c.expected));
    }
    EXPECT_EQ(fitBytes("ab\x95\x5C", 3), "ab ");  // a split character leaves a blank
    EXPECT_EQ(fitBytes("ab", 4), "ab  ");
    EXPECT_EQ(fitBytes("abcdef", 3), "abc");
}

TEST(SjisBytes, EveryBytePairIsHandled) {
    // All two-byte texts, each followed by a byte that could be a trail byte.
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::string text{static_cast<char>(first), static_cast<char>(second), 'a'};
            const size_t cut = safePrefixLength(text, 2);
            ASSERT_TRUE(cut == 2 || (cut == 1 && isTrailAt(text, 2))) << first << " " << second;
            ASSERT_EQ(asciiUpper(text).size(), 3u);
            ASSERT_FALSE(toUtf8(text).empty());
        }
    }
}

}  // namespace
}  // namespace qv::sjis
