// A font as the programs store it and the font picker presets and hands it back: a face and
// its style, for data fields, literals, titles and the screen.
#pragma once

#include <string>

namespace qv {

struct FontChoice {
    std::string face;  // Shift-JIS
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

}  // namespace qv
