#include "common/window_rect.h"

#include <cstdint>

#include "common/text_format.h"

namespace qv {

std::string formatWindowRect(const WindowRect& r) {
    return formatText("%04d %04d %04d %04d", r.left, r.top, r.right, r.bottom);
}

namespace {
constexpr int64_t kFarthestEdge = int64_t{1} << 16;  // wider than any desktop of screens
constexpr int64_t kLargestSide = int64_t{1} << 15;
}  // namespace

std::optional<WindowPlacement> placementOf(const WindowRect& r) {
    for (const int64_t edge : {r.left, r.top, r.right, r.bottom}) {
        if (edge < -kFarthestEdge || edge > kFarthestEdge) return std::nullopt;
    }
    // Edges are bounded above, so these differences and sums stay far inside int.
    const int64_t width = int64_t{r.right} - r.left;
    const int64_t height = int64_t{r.bottom} - r.top;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
        return std::nullopt;
    }
    return WindowPlacement{r.left, r.top, static_cast<int>(width), static_cast<int>(height)};
}

WindowRect parseWindowRect(const std::string& text) {
    auto at = [&text](size_t offset) {
        return offset < text.size() ? parseLeadingInt(std::string_view(text).substr(offset)) : 0;
    };
    return {at(0), at(5), at(10), at(15)};
}

}  // namespace qv
