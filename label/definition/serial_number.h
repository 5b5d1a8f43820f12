// The start number of the label running number ("スタート番号"): a whole number 0 to 65535.
#pragma once

#include <optional>
#include <string_view>

namespace qv {

constexpr int kSerialStartMin = 0;
constexpr int kSerialStartMax = 65535;

// What the user is told when the field holds anything else.
inline constexpr const char* kSerialStartOutOfRange =
    "スタート番号は0から65535までの整数を指定して下さい。";

inline bool isValidSerialStartNumber(long long value) {
    return value >= kSerialStartMin && value <= kSerialStartMax;
}

// The number the field's text stands for: decimal digits only (no sign, no spaces), in range.
// Anything else gives no value.
inline std::optional<int> parseSerialStartNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (!isValidSerialStartNumber(value)) return std::nullopt;  // stops before overflow too
    }
    return static_cast<int>(value);
}

}  // namespace qv
