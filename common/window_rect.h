// A window rectangle as both programs keep it in their settings ("Rect"): "%04d %04d %04d %04d"
// of left, top, right, bottom, read back from the character offsets 0, 5, 10 and 15.
#pragma once

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

}  // namespace qv
