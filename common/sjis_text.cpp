#include "common/sjis_text.h"

#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace qv::sjis {

namespace {

constexpr const char* kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

// One iconv descriptor, opened once per thread and direction (iconv_t is not thread-safe).
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // iconv_open's failure value is (iconv_t)-1.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

Converter& cp932ToUtf8() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& utf8ToCp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& utf16LeToCp932() {
    thread_local Converter converter("CP932", "UTF-16LE");
    return converter;
}

// Runs `in` through `cd`. Wherever iconv refuses the input (an invalid, unmappable or incomplete
// sequence), `onBad(rest, out)` appends a replacement and returns how many bytes to skip.
template <typename OnBad>
std::string convert(iconv_t cd, std::string_view in, OnBad onBad) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    char buffer[1024];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
        size_t skip = onBad(std::string_view(inPtr, inLeft), out);
        if (skip < 1) skip = 1;
        if (skip > inLeft) skip = inLeft;
        inPtr += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

// Length of the well-formed UTF-8 start of `s`, at least 1: a whole character, or the part of a
// malformed one that is skipped as one unit (no overlongs, no surrogates, nothing above U+10FFFF).
size_t utf8Prefix(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s[0]);
    size_t need = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 1;  // ASCII, or a byte that begins no UTF-8 character
    }
    size_t length = 1;
    while (length <= need && length < s.size()) {
        const auto byte = static_cast<unsigned char>(s[length]);
        if (byte < low || byte > high) break;
        low = 0x80;
        high = 0xBF;
        ++length;
    }
    return length;
}

// The length a UTF-8 character with this first byte has; 0 for a byte that begins none.
size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Bytes of the UTF-16LE character at the start of `s`: a surrogate pair is 4, a lone byte 1.
size_t utf16LeLength(std::string_view s) {
    if (s.size() < 2) return s.size();
    const auto unit = [&](size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(s[at])) |
               static_cast<unsigned>(static_cast<unsigned char>(s[at + 1])) << 8;
    };
    const bool high = unit(0) >= 0xD800 && unit(0) <= 0xDBFF;
    if (high && s.size() >= 4 && unit(2) >= 0xDC00 && unit(2) <= 0xDFFF) return 4;
    return 2;
}

// Length of the character starting at `index`: 2 for a lead byte with a valid trail, else 1.
size_t charLength(std::string_view text, size_t index) {
    if (isLeadByte(static_cast<unsigned char>(text[index])) && index + 1 < text.size() &&
        isTrailByte(static_cast<unsigned char>(text[index + 1]))) {
        return 2;
    }
    return 1;
}

// Used only when iconv has no CP932: ASCII passes, every other byte is replaced.
std::string asciiOnly(std::string_view in, const char* replacement, bool* lossless) {
    std::string out;
    for (const char c : in) {
        if (static_cast<unsigned char>(c) < 0x80) {
            out += c;
        } else {
            out += replacement;
            if (lossless) *lossless = false;
        }
    }
    return out;
}

// The characters without a CP932 form that fromUtf8Keeping has met, each with its code of the
// user-defined area, given out from F9FC downward (never with the trail byte 5C, the backslash).
class KeptCharacters {
  public:
    static KeptCharacters& instance() {
        static KeptCharacters kept;
        return kept;
    }
    bool any() const { return any_.load(std::memory_order_acquire); }

    // The code of `character`; 0 when the area is full.
    unsigned codeOf(const std::string& character) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = codes_.find(character);
        if (found != codes_.end()) return found->second;
        const unsigned code = nextCode();
        if (code == 0) return 0;
        codes_.emplace(character, code);
        characters_.emplace(code, character);
        any_.store(true, std::memory_order_release);
        return code;
    }
    // The code of a character whose own CP932 form `natural` lies in the user-defined area: that
    // form, claimed so that no kept character gets it, unless a kept character holds it already.
    unsigned claim(const std::string& character, unsigned natural) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (characters_.count(natural) == 0) {
                claimed_.insert(natural);
                return natural;
            }
        }
        return codeOf(character);
    }
    // The character of `code`, or nothing when it was never given out.
    bool characterOf(unsigned code, std::string& out) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = characters_.find(code);
        if (found == characters_.end()) return false;
        out += found->second;
        return true;
    }

  private:
    unsigned nextCode() {
        while (lead_ >= 0xF0) {
            const unsigned code = lead_ << 8 | trail_;
            if (trail_ == 0x40) {
                --lead_;
                trail_ = 0xFC;
            } else {
                --trail_;
            }
            const unsigned trail = code & 0xFF;
            if (trail != 0x5C && trail != 0x7F && claimed_.count(code) == 0) return code;
        }
        return 0;
    }

    std::mutex mutex_;
    std::atomic<bool> any_{false};
    std::unordered_map<std::string, unsigned> codes_;
    std::unordered_map<unsigned, std::string> characters_;
    std::unordered_set<unsigned> claimed_;
    unsigned lead_ = 0xF9;
    unsigned trail_ = 0xFC;
};

bool isKeptLead(unsigned char byte) {
    return byte >= 0xF0 && byte <= 0xF9;
}

}  // namespace

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool isTrailAt(std::string_view text, size_t index) {
    size_t at = 0;
    while (at <= index && at < text.size()) {
        const size_t length = charLength(text, at);
        if (length == 2 && at + 1 == index) return true;
        at += length;
    }
    return false;
}

namespace {

std::string toUtf8WithoutKept(std::string_view cp932) {
    Converter& converter = cp932ToUtf8();
    if (!converter.ok()) return asciiOnly(cp932, kReplacementUtf8, nullptr);
    return convert(converter.get(), cp932, [](std::string_view, std::string& out) {
        out += kReplacementUtf8;
        return size_t{1};
    });
}

}  // namespace

std::string toUtf8(std::string_view cp932) {
    KeptCharacters& kept = KeptCharacters::instance();
    if (!kept.any()) return toUtf8WithoutKept(cp932);
    std::string out;
    size_t from = 0;
    for (size_t at = 0; at < cp932.size();) {
        const size_t length = charLength(cp932, at);
        if (length == 2 && isKeptLead(static_cast<unsigned char>(cp932[at]))) {
            const unsigned code = static_cast<unsigned char>(cp932[at]) << 8 |
                                  static_cast<unsigned char>(cp932[at + 1]);
            std::string character;
            if (kept.characterOf(code, character)) {
                out += toUtf8WithoutKept(cp932.substr(from, at - from));
                out += character;
                from = at + 2;
            }
        }
        at += length;
    }
    out += toUtf8WithoutKept(cp932.substr(from));
    return out;
}

std::string userDefinedCode(std::string_view character, std::string_view form) {
    const unsigned natural =
        static_cast<unsigned char>(form[0]) << 8 | static_cast<unsigned char>(form[1]);
    const unsigned code = KeptCharacters::instance().claim(std::string(character), natural);
    if (code == 0) return "?";
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

std::string keptCode(std::string_view character) {
    const unsigned code = KeptCharacters::instance().codeOf(std::string(character));
    if (code == 0) return "?";
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// One character at a time: its CP932 form when it has one that turns back into it, else a kept
// code; iconv alone would give some characters the code of a look-alike (〜 that of ～).
std::string fromUtf8Keeping(std::string_view utf8) {
    std::string out;
    for (size_t at = 0; at < utf8.size();) {
        const size_t length = utf8Prefix(utf8.substr(at));
        const std::string_view character = utf8.substr(at, length);
        at += length;
        const auto lead = static_cast<unsigned char>(character[0]);
        if (lead < 0x80) {
            out += character[0];
            continue;
        }
        if (length != utf8Length(lead)) {
            out += '?';  // malformed
            continue;
        }
        bool lossless = true;
        const std::string form = fromUtf8(character, &lossless);
        const bool userDefined =
            form.size() == 2 && isKeptLead(static_cast<unsigned char>(form[0]));
        if (lossless && userDefined) {
            out += userDefinedCode(character, form);
        } else if (lossless && toUtf8WithoutKept(form) == character) {
            out += form;
        } else {
            out += keptCode(character);
        }
    }
    return out;
}

std::string fromUtf8(std::string_view utf8, bool* lossless) {
    if (lossless) *lossless = true;
    Converter& converter = utf8ToCp932();
    if (!converter.ok()) return asciiOnly(utf8, "?", lossless);
    return convert(converter.get(), utf8, [lossless](std::string_view rest, std::string& out) {
        const size_t skip = utf8Prefix(rest);
        out += '?';
        if (lossless) *lossless = false;
        return skip;
    });
}

std::string unencodableCharacters(std::string_view utf8) {
    std::string missing;
    for (size_t at = 0; at < utf8.size();) {
        const size_t length = std::max<size_t>(1, utf8Prefix(utf8.substr(at)));
        const std::string_view character = utf8.substr(at, length);
        bool lossless = true;
        fromUtf8(character, &lossless);
        if (!lossless && missing.find(character) == std::string::npos) missing += character;
        at += length;
    }
    return missing;
}

std::string fromUtf16Le(std::string_view utf16le) {
    Converter& converter = utf16LeToCp932();
    if (!converter.ok()) return std::string(utf16le.size() / 2, '?');
    return convert(converter.get(), utf16le, [](std::string_view rest, std::string& out) {
        out += '?';
        return utf16LeLength(rest);
    });
}

std::string asciiUpper(std::string_view cp932) {
    std::string out(cp932);
    for (size_t at = 0; at < out.size();) {
        const size_t length = charLength(out, at);
        if (length == 1 && out[at] >= 'a' && out[at] <= 'z') {
            out[at] = static_cast<char>(out[at] - 'a' + 'A');
        }
        at += length;
    }
    return out;
}

std::string upperLastThree(std::string_view path) {
    // Upper-case the whole path so that a trail byte among the last three is recognised as one.
    const std::string upper = asciiUpper(path);
    return upper.size() <= 3 ? upper : upper.substr(upper.size() - 3);
}

size_t safePrefixLength(std::string_view cp932, size_t maxBytes) {
    if (maxBytes >= cp932.size()) return cp932.size();
    size_t at = 0;
    while (at < cp932.size()) {
        const size_t length = charLength(cp932, at);
        if (at + length > maxBytes) break;
        at += length;
    }
    return at;
}

std::string truncateBytes(std::string_view cp932, size_t maxBytes) {
    return std::string(cp932.substr(0, safePrefixLength(cp932, maxBytes)));
}

std::string fitBytes(std::string_view cp932, size_t width) {
    std::string out = truncateBytes(cp932, width);
    out.resize(width, ' ');
    return out;
}

size_t characterCount(std::string_view cp932) {
    size_t count = 0;
    for (size_t i = 0; i < cp932.size(); i += charLength(cp932, i)) ++count;
    return count;
}

}  // namespace qv::sjis
