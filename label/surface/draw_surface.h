// DrawSurface: the abstract drawing device of every printed or shown page.
//
// Logical units of 0.1 mm, x to the right and y upward, the page's top-left corner at (0, 0), so
// everything on the page has y <= 0. Implementations: the recording surface of the tests and the
// QPainter surface of the platform layer (printer, PDF, image, window). Texts are Shift-JIS.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "label/surface/bar_canvas.h"

namespace qv {

// A colour as the colour table holds it: 0x00BBGGRR.
using Rgb = uint32_t;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;

// A rectangle in logical units; with y upward, top is normally above bottom (top > bottom).
struct LogicalRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const LogicalRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct TextSize {
    int cx = 0;
    int cy = 0;
};

enum class CharacterSet { Ansi = 0, ShiftJis = 128 };

constexpr int kNormalWeight = 450;  // the weight of normal text in labels
constexpr int kBoldWeight = 700;

// The font handed to selectFont.
struct FontSpec {
    int height = 20;     // logical units
    int width = 0;       // average character width; 0 = the face's own
    int escapement = 0;  // tenths of a degree: 0 or 900 (text reading upward)
    int weight = kNormalWeight;
    bool italic = false;
    bool underline = false;
    CharacterSet charSet = CharacterSet::ShiftJis;
    std::string faceName;  // as stored ("ＭＳ 明朝", "Arial", "@ＭＳ 明朝" for vertical writing)
    bool operator==(const FontSpec& o) const {
        return height == o.height && width == o.width && escapement == o.escapement &&
               weight == o.weight && italic == o.italic && underline == o.underline &&
               charSet == o.charSet && faceName == o.faceName;
    }
};

// A picture to stretch onto the page: a whole BMP file held in memory. The surface decodes it on
// first use and keeps the decoded image in `deviceCache`, so later pages and labels reuse it.
struct BitmapImage {
    std::string_view fileBytes;
    int width = 0;   // pixels, as the header says
    int height = 0;  // pixels; negative for rows stored top-down
    std::shared_ptr<void>* deviceCache = nullptr;
};

// How a raster printer wants its barcodes drawn (its settings in the program's settings file).
struct BarRaster {
    bool wholeDotModules = false;  // every module a whole number of device dots
    int reductionDots = 0;         // dots taken off every bar
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle, Bottom };

class DrawSurface {
  public:
    virtual ~DrawSurface() = default;

    // Pens: a solid pen `width` units wide, or the thinnest black pen.
    virtual void selectSolidPen(int width, Rgb colour) = 0;
    virtual void selectBlackPen() = 0;
    // The thinnest dotted pen, for the frames the layout editor draws around fields.
    virtual void selectDottedPen(Rgb colour) = 0;
    // Outline with the current pen; the inside is filled white.
    virtual void rectangle(const LogicalRect& rect) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    virtual void fillRect(const LogicalRect& rect, Rgb colour) = 0;

    // Makes `font` current and gives back the previous one, to restore.
    virtual FontSpec selectFont(const FontSpec& font) = 0;
    virtual void setTextColor(Rgb colour) = 0;
    // Transparent text background, or opaque in white.
    virtual void setBackgroundTransparent(bool transparent) = 0;
    // A string with its top-left corner at (x, y); with an escapement of 900 the string reads
    // upward from (x, y), its top on the left.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    // One line in the rectangle, aligned as asked; what does not fit is cut at the rectangle.
    virtual void drawTextInRect(const LogicalRect& rect, std::string_view text, HAlign h,
                                VAlign v) = 0;
    virtual void textOutClipped(int x, int y, const LogicalRect& clip, std::string_view text) = 0;
    // Width and height of the first `characters` characters of `text` in the current font; a
    // text shorter than that is measured as if blanks followed it.
    virtual TextSize textExtent(std::string_view text, size_t characters) = 0;

    // 2 for a monochrome device.
    virtual int colourCount() const = 0;
    // Height of the printable area in millimetres.
    virtual int verticalSizeMm() const = 0;
    virtual int horizontalDpi() const = 0;

    // Draws the part `source` of a barcode canvas (canvas units, y downward from its top, as the
    // canvas is laid out) stretched onto `target`. A target whose width or height is negative
    // mirrors the image along that axis.
    virtual void drawCanvas(const BarCanvas& canvas, const CanvasRect& source,
                            const LogicalRect& target) = 0;
    // The same for a canvas whose units are device dots: one unit on one dot, the part `source`
    // centred in `target` on whole dots; a target with negative width and height turns it by
    // 180 degrees.
    virtual void drawDotCanvas(const BarCanvas& canvas, const CanvasRect& source,
                               const LogicalRect& target) = 0;
    // What the device asks of barcodes; a surface that is no printer asks nothing.
    virtual BarRaster barRaster() const { return {}; }

    // Stretches the whole `image` onto `target` (top above bottom); a surface that cannot decode
    // the image draws nothing.
    virtual void drawBitmap(const BitmapImage& image, const LogicalRect& target) = 0;
};

// The number of logical units of a point size: p x 35277 / 10000 (1 pt = 0.35277 mm).
// Worked in 64 bits: a damaged size (up to 65535 points in a file) must not overflow.
inline int pointsToLogical(int points) {
    return static_cast<int>(static_cast<int64_t>(points) * 35277 / 10000);
}

}  // namespace qv
