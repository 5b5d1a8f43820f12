#include "common/layout_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "common/file_io.h"
#include "common/text_format.h"

namespace qv {

namespace {

constexpr size_t kSliceWidth = 4;
constexpr int kWidestValue = 9999;     // the most that fits in 4 characters
constexpr int kNarrowestValue = -999;  // likewise with a sign
// A line longer than all 30 slices carries nothing more that is read, so reading stops there
// (plus room for a line end).
constexpr size_t kLongestUsefulLine = kSliceWidth * kLayoutSlots + 2;

std::string_view firstLine(std::string_view text) {
    text = text.substr(0, text.find('\n'));
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
}

}  // namespace

std::string formatLayoutLine(const LayoutWidths& widths) {
    std::string line;
    for (int width : widths) {
        if (width == 0) break;
        line += formatText("%4d", std::clamp(width, kNarrowestValue, kWidestValue));
    }
    return line;
}

LayoutWidths parseLayoutLine(std::string_view line) {
    line = firstLine(line);
    LayoutWidths widths{};
    const size_t count = std::min(line.size() / kSliceWidth, static_cast<size_t>(kLayoutSlots));
    for (size_t i = 0; i < count; ++i) {
        widths[i] = parseLeadingInt(line.substr(i * kSliceWidth, kSliceWidth));
    }
    return widths;
}

bool readLayoutFile(const std::string& path, LayoutWidths& widths) {
    std::string bytes;
    if (readWholeFile(path, bytes, kLargestLayoutFile) != ReadStatus::Ok) return false;
    const std::string_view line = firstLine(std::string_view(bytes).substr(0, kLongestUsefulLine));
    if (line.empty()) return false;
    widths = parseLayoutLine(line);
    return true;
}

}  // namespace qv
