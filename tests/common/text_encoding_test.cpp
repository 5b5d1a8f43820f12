// Telling UTF-8 from Shift-JIS, and UTF-8 text kept whole on its way through the core.
#include "common/text_encoding.h"

#include <gtest/gtest.h>

#include "common/sjis_text.h"

namespace qv {
namespace {

const std::string kSjisText = "\x8f\xa4\x95\x69\x96\xbc,\x89\xbf\x8a\x69\r\n";  // 商品名,価格
const std::string kUtf8Text = "商品名,価格\r\n";

TEST(TextEncodingTest, TheGuessFollowsTheByteOrderMarkAndValidMultiByteText) {
    EXPECT_EQ(guessEncoding(std::string(kUtf8ByteOrderMark) + "ABC\r\n", true), TextEncoding::Utf8);
    EXPECT_EQ(guessEncoding(kUtf8Text, true), TextEncoding::Utf8);
    EXPECT_EQ(guessEncoding(kSjisText, true), TextEncoding::ShiftJis);
    EXPECT_EQ(guessEncoding("CODE,NAME\r\n4901234567894,ABC\r\n", true), TextEncoding::ShiftJis);
    EXPECT_EQ(guessEncoding("", true), TextEncoding::ShiftJis);
    // Cut inside a character: at the end of the file that is no UTF-8; where only the look ends,
    // the character goes on beyond it.
    const std::string cut = kUtf8Text.substr(0, 4);
    EXPECT_EQ(guessEncoding(cut, true), TextEncoding::ShiftJis);
    const std::string longFile = std::string(kEncodingGuessBytes - 1, 'A') + kUtf8Text;
    EXPECT_EQ(guessEncoding(longFile, false), TextEncoding::Utf8);
    // A UTF-8 character first met beyond 64 KiB is not looked at: Shift-JIS.
    EXPECT_EQ(guessEncoding(std::string(kEncodingGuessBytes, 'A') + kUtf8Text, false),
              TextEncoding::ShiftJis);
    // The real case of a wrong guess: half-width katakana "ﾃｽ" in Shift-JIS (C3 BD) is also
    // valid UTF-8 ("ý"); "ﾃｽﾄ" (C3 BD C4) is not.
    EXPECT_EQ(guessEncoding("\xC3\xBD,1\r\n", true), TextEncoding::Utf8);
    EXPECT_EQ(guessEncoding("\xC3\xBD\xC4,1\r\n", true), TextEncoding::ShiftJis);
    // Overlong forms and surrogates are no UTF-8.
    EXPECT_EQ(guessEncoding("\xC0\xAF", true), TextEncoding::ShiftJis);
    EXPECT_EQ(guessEncoding("\xED\xA0\x80", true), TextEncoding::ShiftJis);
}

TEST(TextEncodingTest, AValidStartFollowedByABrokenSequenceIsNotValidToTheEnd) {
    Utf8Check check;
    check.feed(kUtf8Text);
    check.feed("\xE5\x95");  // a character cut between two pieces
    EXPECT_TRUE(check.valid());
    EXPECT_FALSE(check.validToTheEnd());
    check.feed("\x86\r\n");
    EXPECT_TRUE(check.validToTheEnd());
    check.feed("\x8f\xa4");  // Shift-JIS late in the file
    EXPECT_FALSE(check.valid());
}

// The table the quick conversion uses gives what iconv gives, for every character of CP932
// outside the user-defined area (whose codes the kept characters share).
TEST(TextEncodingTest, TheQuickConversionAgreesWithIconv) {
    std::string all;
    for (int byte = 0x20; byte < 0xE0; ++byte) {
        if (byte < 0x7F || byte > 0xA0) all += static_cast<char>(byte);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if ((lead > 0x9F && lead < 0xE0) || (lead >= 0xF0 && lead <= 0xF9)) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            // Codes without a character (shown as U+FFFD) are no text of a file.
            if (trail != 0x7F && sjis::toUtf8(code).find("\xEF\xBF\xBD") == std::string::npos) {
                all += code;
            }
        }
    }
    const std::string utf8 = sjis::toUtf8(all);
    EXPECT_EQ(utf8ToCore(utf8), sjis::fromUtf8(utf8));
}

TEST(TextEncodingTest, CharactersWithoutShiftJisFormSurviveTheCore) {
    const std::string text = "𠮷野家 🍣 商品";
    const std::string core = utf8ToCore(text);
    EXPECT_EQ(core.find('?'), std::string::npos);
    EXPECT_EQ(sjis::toUtf8(core), text);
    EXPECT_EQ(sjis::characterCount(core), 8u);      // every kept character is one double-byte code
    EXPECT_EQ(utf8ToCore("𠮷"), utf8ToCore("𠮷"));  // the same code every time
    // The user-defined area's own characters (U+E000 ...) never meet a kept code: U+E757's own
    // code F9FC may be 𠮷's.
    for (const std::string privateUse : {"\uE757", "\uE000", "\uE5A2"}) {
        EXPECT_EQ(sjis::toUtf8(utf8ToCore(privateUse)), privateUse);
        EXPECT_EQ(sjis::toUtf8(sjis::fromUtf8Keeping(privateUse)), privateUse);
    }
    EXPECT_EQ(utf8ToCore("a\xFFz"), "a?z");
    // Characters that iconv would give the code of a look-alike come back as themselves.
    for (const std::string lookAlike : {"〜", "¥", "−", "—"}) {
        EXPECT_EQ(sjis::toUtf8(utf8ToCore(lookAlike)), lookAlike) << lookAlike;
    }
    EXPECT_EQ(parseEncodingChoice("utf8"), EncodingChoice::Utf8);
    EXPECT_FALSE(parseEncodingChoice("UTF-8"));
}

}  // namespace
}  // namespace qv
