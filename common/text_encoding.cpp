#include "common/text_encoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/sjis_text.h"

namespace qv {

void Utf8Check::feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (!valid_) return;
        const auto byte = static_cast<unsigned char>(c);
        if (pending_ > 0) {
            if (byte < low_ || byte > high_) {
                valid_ = false;
                return;
            }
            low_ = 0x80;
            high_ = 0xBF;
            --pending_;
            continue;
        }
        if (byte < 0x80) continue;
        multiByte_ = true;
        if (byte >= 0xC2 && byte <= 0xDF) {
            pending_ = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            pending_ = 2;
            if (byte == 0xE0) low_ = 0xA0;   // no overlong forms
            if (byte == 0xED) high_ = 0x9F;  // no surrogates
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            pending_ = 3;
            if (byte == 0xF0) low_ = 0x90;
            if (byte == 0xF4) high_ = 0x8F;  // nothing above U+10FFFF
        } else {
            valid_ = false;
        }
    }
}

TextEncoding guessEncoding(std::string_view firstBytes, bool whole) {
    if (firstBytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        return TextEncoding::Utf8;
    }
    const bool cut = firstBytes.size() > kEncodingGuessBytes;
    Utf8Check check;
    check.feed(firstBytes.substr(0, kEncodingGuessBytes));
    // A character cut where the look ends goes on beyond it: only the end of the file is an end.
    const bool valid = whole && !cut ? check.validToTheEnd() : check.valid();
    return valid && check.multiByte() ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}

TextEncoding encodingOf(EncodingChoice choice, std::string_view firstBytes, bool whole) {
    switch (choice) {
        case EncodingChoice::ShiftJis:
            return TextEncoding::ShiftJis;
        case EncodingChoice::Utf8:
            return TextEncoding::Utf8;
        case EncodingChoice::Auto:
            break;
    }
    return guessEncoding(firstBytes, whole);
}

std::optional<EncodingChoice> parseEncodingChoice(std::string_view text) {
    if (text == "auto") return EncodingChoice::Auto;
    if (text == "sjis") return EncodingChoice::ShiftJis;
    if (text == "utf8") return EncodingChoice::Utf8;
    return std::nullopt;
}

const char* encodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? "UTF-8" : "Shift-JIS";
}

namespace {

std::string encodeUtf8(uint32_t cp) {
    std::string out;
    if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
    } else {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    }
    out += static_cast<char>(0x80 | (cp & 0x3F));
    return out;
}

// The CP932 form of every code point below U+10000 as iconv gives it (one byte below 0x100, two
// bytes as lead << 8 | trail, 0 for none), built once, so that a UTF-8 line is converted by
// lookups instead of a call of iconv for every line. A form that turns back into another
// character (iconv gives 〜 U+301C the code of ～ U+FF5E, and ¥ that of the backslash) counts
// as none: such a character is kept as itself.
const std::vector<uint16_t>& cp932Forms() {
    static const std::vector<uint16_t> forms = [] {
        std::vector<uint16_t> table(0x10000, 0);
        for (uint32_t cp = 0x80; cp < 0x10000; ++cp) {
            if (cp >= 0xD800 && cp <= 0xDFFF) continue;
            bool lossless = true;
            const std::string character = encodeUtf8(cp);
            const std::string form = sjis::fromUtf8(character, &lossless);
            if (!lossless || form.empty() || form.size() > 2) continue;
            if (sjis::toUtf8(form) != character) continue;
            const auto first = static_cast<unsigned char>(form[0]);
            table[cp] = static_cast<uint16_t>(
                form.size() == 1 ? first : first << 8 | static_cast<unsigned char>(form[1]));
        }
        return table;
    }();
    return forms;
}

// The code point of the two- or three-byte UTF-8 character at `s`, and its length; 0 for
// anything else (four-byte characters, malformed bytes), which the slow way handles.
uint32_t bmpCharacter(std::string_view s, size_t& length) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    const auto next = [&s](size_t k) {
        return k < s.size() ? static_cast<unsigned char>(s[k]) : 0;
    };
    if (b0 >= 0xC2 && b0 <= 0xDF && (next(1) & 0xC0) == 0x80) {
        length = 2;
        return (b0 & 0x1Fu) << 6 | (next(1) & 0x3Fu);
    }
    if (b0 >= 0xE0 && b0 <= 0xEF && (next(1) & 0xC0) == 0x80 && (next(2) & 0xC0) == 0x80) {
        const uint32_t cp = (b0 & 0x0Fu) << 12 | (next(1) & 0x3Fu) << 6 | (next(2) & 0x3Fu);
        if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
        length = 3;
        return cp;
    }
    return 0;
}

}  // namespace

namespace {

// The length of the ASCII run at the start of `s`, eight bytes at a time.
size_t asciiRun(std::string_view s) {
    size_t run = 0;
    uint64_t word = 0;
    while (run + 8 <= s.size()) {
        std::memcpy(&word, s.data() + run, 8);
        if ((word & 0x8080808080808080ULL) != 0) break;
        run += 8;
    }
    while (run < s.size() && static_cast<unsigned char>(s[run]) < 0x80) ++run;
    return run;
}

}  // namespace

void utf8ToCore(std::string_view utf8, std::string& out) {
    const std::vector<uint16_t>& forms = cp932Forms();
    // CP932 is never longer than UTF-8 for the same text, so the bytes go straight into place.
    out.resize(utf8.size());
    char* to = out.data();
    for (size_t at = 0; at < utf8.size();) {
        const size_t run = asciiRun(utf8.substr(at));
        std::memcpy(to, utf8.data() + at, run);
        to += run;
        at += run;
        if (at >= utf8.size()) break;
        size_t length = 0;
        const uint32_t cp = bmpCharacter(utf8.substr(at), length);
        const uint16_t form = cp != 0 ? forms[cp] : 0;
        std::string slow;
        if (cp == 0) {
            slow = sjis::fromUtf8Keeping(utf8.substr(at));  // four-byte or malformed: the rest
            length = utf8.size() - at;
        } else if (form == 0) {
            slow = sjis::keptCode(utf8.substr(at, length));  // CP932 lacks it
        } else if (form >= 0xF000 && form <= 0xF9FF) {
            // The user-defined area, which the kept codes share.
            const char code[2] = {static_cast<char>(form >> 8), static_cast<char>(form & 0xFF)};
            slow = sjis::userDefinedCode(utf8.substr(at, length), std::string_view(code, 2));
        } else {
            if (form > 0xFF) *to++ = static_cast<char>(form >> 8);
            *to++ = static_cast<char>(form & 0xFF);
            at += length;
            continue;
        }
        const size_t written = static_cast<size_t>(to - out.data());
        if (written + slow.size() > out.size()) {  // never so, but never out of bounds either
            out.resize(written + slow.size() + (utf8.size() - at));
            to = out.data() + written;
        }
        to = std::copy(slow.begin(), slow.end(), to);
        at += length;
    }
    out.resize(static_cast<size_t>(to - out.data()));
}

std::string utf8ToCore(std::string_view utf8) {
    std::string out;
    utf8ToCore(utf8, out);
    return out;
}

}  // namespace qv
