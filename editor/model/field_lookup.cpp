#include "editor/model/field_lookup.h"

#include "common/sjis_text.h"

namespace qv {

int FindFieldByPrefix(const std::vector<std::string>& names, std::string_view prefix) {
    const std::string wanted = sjis::asciiUpper(prefix);
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i].size() < wanted.size()) continue;
        if (sjis::asciiUpper(std::string_view(names[i]).substr(0, wanted.size())) == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TrimTrailingBlanks(std::string& value) {
    while (!value.empty() && (value.back() == ' ' || value.back() == '\n')) value.pop_back();
}

}  // namespace qv
