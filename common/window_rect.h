// A window rectangle as both programs keep it in their settings ("Rect"): "%04d %04d %04d %04d"
// of left, top, right, bottom, read back from the character offsets 0, 5, 10 and 15.
#pragma once

#include <optional>
#include <string>

namespace qv {

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

std::string formatWindowRect(const WindowRect& rect);
WindowRect parseWindowRect(const std::string& text);

// A window's top-left corner and size.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where a stored rectangle (right and bottom one past the window) puts the window; nothing when
// the rectangle makes no sense, so the caller falls back to its default placement: an edge far
// beyond any desktop, or a width or height that is not positive or larger than any screen.
std::optional<WindowPlacement> placementOf(const WindowRect& rect);

}  // namespace qv
