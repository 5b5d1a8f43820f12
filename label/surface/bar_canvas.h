// The off-screen canvas a barcode is laid out on before it is stretched onto its field: white,
// with filled rectangles and text, in integer canvas units with y growing down from the top.
//
// It is kept as a list of shapes rather than pixels, so a vector device draws every bar edge
// sharp at any stretch; a raster device fills the same shapes at its own resolution.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

struct CanvasRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CanvasRect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

struct CanvasFill {
    CanvasRect rect;
    uint32_t colour = 0;  // 0x00BBGGRR
};

// A line of text centred in `box`; `upward` turns it 90 degrees to read from bottom to top.
struct CanvasText {
    CanvasRect box;
    std::string text;  // Shift-JIS
    std::string faceName;
    int height = 0;  // canvas units
    int width = 0;   // average character width
    int weight = 400;
    bool upward = false;
    uint32_t colour = 0;
};

struct BarCanvas {
    int width = 0;
    int height = 0;
    std::vector<CanvasFill> fills;  // painted in order over the white canvas
    std::vector<CanvasText> texts;  // drawn after the fills

    void fill(const CanvasRect& rect, uint32_t colour) { fills.push_back({rect, colour}); }
};

}  // namespace qv
