// The character sets of the symbologies. Positions are values, so the order matters.
#pragma once

#include <string_view>

namespace qv {

// CODE 39: the 43 data characters with their modulus-43 values 0-42, then "*" (start/stop only).
inline constexpr std::string_view kCode39Characters =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
inline constexpr size_t kCode39DataCharacters = 43;

// NW7 (Codabar) pattern set: the index into the Codabar pattern table. "t", "n", "*", "e" are
// alternative forms of the start/stop characters a, b, c, d and share their patterns; the
// backslash shares the pattern of "$".
inline constexpr std::string_view kNw7PatternCharacters = "0123456789atbnc*de.+:/\\$-";

// NW7 check values: position = modulus-16 value (the standard Codabar value table, lower case).
inline constexpr std::string_view kNw7CheckCharacters = "0123456789-$:/.+abcd ";

// NW7 start/stop characters.
inline constexpr std::string_view kNw7StartStop = "abcd";

}  // namespace qv
