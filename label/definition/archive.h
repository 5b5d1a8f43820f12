// The little-endian items of a definition file: 16-bit words, 32-bit integers and strings with a
// length prefix (one byte below 255; else 0xFF and a word below 0xFFFE; else 0xFF, 0xFFFF and a
// 32-bit length).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

class ArchiveWriter {
  public:
    void word(int value);  // the low 16 bits
    void dword(int32_t value);
    void string(std::string_view text);
    const std::string& bytes() const { return bytes_; }

  private:
    void byte(uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    std::string bytes_;
};

// Reads items from a byte buffer. Once an item does not fit in what is left, the reader stays
// failed and every later read gives zero or an empty string; the caller checks ok() at the end.
class ArchiveReader {
  public:
    explicit ArchiveReader(std::string_view bytes) : bytes_(bytes) {}

    int word();  // zero-extended
    int32_t dword();
    std::string string();

    bool ok() const { return ok_; }
    size_t position() const { return position_; }

  private:
    bool take(size_t count, std::string_view& out);
    uint64_t stringLength(bool& wideCharacters);

    std::string_view bytes_;
    size_t position_ = 0;
    bool ok_ = true;
};

}  // namespace qv
