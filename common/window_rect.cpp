#include "common/window_rect.h"

#include "common/text_format.h"

namespace qv {

std::string formatWindowRect(const WindowRect& r) {
    return formatText("%04d %04d %04d %04d", r.left, r.top, r.right, r.bottom);
}

WindowRect parseWindowRect(const std::string& text) {
    auto at = [&text](size_t offset) {
        return offset < text.size() ? parseLeadingInt(std::string_view(text).substr(offset)) : 0;
    };
    return {at(0), at(5), at(10), at(15)};
}

}  // namespace qv
