#include "label/definition/archive.h"

#include "common/sjis_text.h"

namespace qv {

namespace {

constexpr uint8_t kLongLengthMark = 0xFF;      // a longer length follows
constexpr uint16_t kWideMark = 0xFFFE;         // the string is UTF-16 and its length follows anew
constexpr uint16_t kDwordLengthMark = 0xFFFF;  // a 32-bit length follows

uint32_t littleEndian(std::string_view bytes) {
    uint32_t value = 0;
    for (size_t i = bytes.size(); i-- > 0;) {
        value = (value << 8) | static_cast<uint8_t>(bytes[i]);
    }
    return value;
}

}  // namespace

void ArchiveWriter::word(int value) {
    byte(static_cast<uint8_t>(value & 0xFF));
    byte(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void ArchiveWriter::dword(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) byte(static_cast<uint8_t>((bits >> shift) & 0xFF));
}

void ArchiveWriter::string(std::string_view text) {
    const size_t length = text.size();
    if (length < kLongLengthMark) {
        byte(static_cast<uint8_t>(length));
    } else if (length < kWideMark) {
        byte(kLongLengthMark);
        word(static_cast<int>(length));
    } else {
        byte(kLongLengthMark);
        word(kDwordLengthMark);
        dword(static_cast<int32_t>(static_cast<uint32_t>(length)));
    }
    bytes_.append(text);
}

bool ArchiveReader::take(size_t count, std::string_view& out) {
    if (!ok_ || count > bytes_.size() - position_) {
        ok_ = false;
        out = {};
        return false;
    }
    out = bytes_.substr(position_, count);
    position_ += count;
    return true;
}

int ArchiveReader::word() {
    std::string_view raw;
    return take(2, raw) ? static_cast<int>(littleEndian(raw)) : 0;
}

int32_t ArchiveReader::dword() {
    std::string_view raw;
    return take(4, raw) ? static_cast<int32_t>(littleEndian(raw)) : 0;
}

// The length prefix. A writer of 16-bit strings marks them with the word 0xFFFE after 0xFF and
// then writes the length again, in characters; such a string is taken over into Shift-JIS.
uint64_t ArchiveReader::stringLength(bool& wideCharacters) {
    wideCharacters = false;
    std::string_view raw;
    if (!take(1, raw)) return 0;
    uint64_t length = static_cast<uint8_t>(raw[0]);
    if (length < kLongLengthMark) return length;
    length = static_cast<uint64_t>(word());
    if (length == kWideMark) {
        wideCharacters = true;
        if (!take(1, raw)) return 0;
        length = static_cast<uint8_t>(raw[0]);
        if (length < kLongLengthMark) return length;
        length = static_cast<uint64_t>(word());
    }
    if (length < kDwordLengthMark) return length;
    return static_cast<uint32_t>(dword());
}

std::string ArchiveReader::string() {
    bool wideCharacters = false;
    const uint64_t length = stringLength(wideCharacters);
    const uint64_t byteCount = wideCharacters ? length * 2 : length;
    std::string_view raw;
    if (!ok_ || byteCount > bytes_.size() - position_ || !take(byteCount, raw)) {
        ok_ = false;
        return {};
    }
    if (wideCharacters) return sjis::fromUtf16Le(raw);
    return std::string(raw);
}

}  // namespace qv
