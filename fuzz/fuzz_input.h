// Reads the values a harness needs from the front of its input: single bytes, 32-bit numbers,
// texts up to a separator byte, and the rest. A short input gives zeros and empty texts, so every
// byte string is a valid input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace fuzz {

class Input {
  public:
    Input(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto value = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return value;
    }

    // Four bytes, little-endian, so that extreme values are as easy to reach as small ones.
    int32_t int32() {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= uint32_t{byte()} << shift;
        int32_t out;
        std::memcpy(&out, &value, sizeof out);
        return out;
    }

    // The bytes up to `separator` (which is skipped), or all the rest when there is none.
    std::string_view until(char separator) {
        const size_t end = rest_.find(separator);
        const std::string_view text = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return text;
    }

    // The bytes up to the multi-byte `separator`, which keeps whole files apart.
    std::string_view until(std::string_view separator) {
        const size_t end = rest_.find(separator);
        const std::string_view text = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + separator.size());
        return text;
    }

    std::string_view rest() {
        const std::string_view text = rest_;
        rest_ = {};
        return text;
    }

  private:
    std::string_view rest_;
};

}  // namespace fuzz
