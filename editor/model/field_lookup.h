// Finding a field by the name the user typed, as the search and barcode field dialogs do, and
// the trimming of a value that their passes share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The index of the first name that begins with `prefix`, ASCII letters compared without case;
// -1 when none does. Names and prefix are Shift-JIS.
int FindFieldByPrefix(const std::vector<std::string>& names, std::string_view prefix);

// Removes trailing blanks and LF characters.
void TrimTrailingBlanks(std::string& value);

}  // namespace qv
