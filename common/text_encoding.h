// The two encodings of data files, and the one rule both programs use to tell them apart.
//
// Shift-JIS comes first: every file that is not plainly UTF-8 is read as Shift-JIS, as always.
// A file is UTF-8 when it begins with the UTF-8 byte-order mark, or when its first 64 KiB are
// valid UTF-8 holding at least one multi-byte character (and the rest, where a reader meets it,
// is valid too). Pure ASCII is Shift-JIS: the bytes are the same either way.
//
// Where the guess can be wrong: a Shift-JIS file whose only non-ASCII text is half-width katakana
// in pairs such as "ﾃｽ" (C3 BD) is also valid UTF-8 ("ý") and is taken for UTF-8; full-width
// Shift-JIS text almost never is, as its lead bytes 81-9F cannot begin a UTF-8 character. A
// UTF-8 file whose first non-ASCII character lies beyond 64 KiB is taken for Shift-JIS. Both
// programs then let the user choose the encoding (quorvi32: 文字コード in the data file dialog
// or --encoding; rowsmith: the open dialog or 別の文字コードで開き直す).
//
// The core keeps text as CP932 bytes. A UTF-8 text is brought there by utf8ToCore: every
// character CP932 has becomes its CP932 bytes, and every other one (emoji, 𠮷, ...) a code of
// CP932's user-defined area that sjis::toUtf8 turns back into that very character, so nothing
// is lost on the way to a font or back into a UTF-8 file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

enum class TextEncoding { ShiftJis, Utf8 };
// What the user chose: the guess, or one of the two.
enum class EncodingChoice { Auto, ShiftJis, Utf8 };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// How much of a file the guess looks at.
constexpr size_t kEncodingGuessBytes = 64 * 1024;

// Whether UTF-8 bytes fed in pieces are all valid, and whether any multi-byte character came.
// A character cut at the end of one piece goes on in the next.
class Utf8Check {
  public:
    void feed(std::string_view bytes);
    // At the end of the file: a character still cut there is invalid.
    bool validToTheEnd() const { return valid_ && pending_ == 0; }
    bool valid() const { return valid_; }
    bool multiByte() const { return multiByte_; }

  private:
    bool valid_ = true;
    bool multiByte_ = false;
    int pending_ = 0;           // continuation bytes still needed
    unsigned char low_ = 0x80;  // the range of the next continuation byte
    unsigned char high_ = 0xBF;
};

// The encoding of a file from its first bytes (at most kEncodingGuessBytes are looked at);
// `whole` says that they are the whole file, so a character cut at their end is no sign of UTF-8.
TextEncoding guessEncoding(std::string_view firstBytes, bool whole);

// The choice as it stands: Auto gives the guess.
TextEncoding encodingOf(EncodingChoice choice, std::string_view firstBytes, bool whole);

// "auto", "sjis" and "utf8" (as --encoding takes them); nothing for any other text.
std::optional<EncodingChoice> parseEncodingChoice(std::string_view text);
// "Shift-JIS" or "UTF-8", as the programs show them.
const char* encodingName(TextEncoding encoding);

// UTF-8 text as the core holds it (see the top of this file). A malformed byte becomes '?'.
std::string utf8ToCore(std::string_view utf8);
// The same into `out`, whose storage is reused (a reader converts line after line).
void utf8ToCore(std::string_view utf8, std::string& out);

}  // namespace qv
