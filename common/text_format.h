// printf-style formatting into std::string, for the exact message and listing formats.
#pragma once

#include <string>
#include <string_view>

namespace qv {

std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace qv

namespace qv {

// The decimal integer at the start of `text` as atoi reads it: leading blanks, an optional sign,
// digits up to the first other byte; 0 without digits. Clamped to the range of int.
int parseLeadingInt(std::string_view text);

}  // namespace qv
