// printf-style formatting into std::string, for the exact message and listing formats.
#pragma once

#include <string>

namespace qv {

std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace qv
