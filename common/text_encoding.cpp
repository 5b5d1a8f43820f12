#include "common/text_encoding.h"

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

std::string utf8ToCore(std::string_view utf8) {
    return sjis::fromUtf8Keeping(utf8);
}

}  // namespace qv
