// A DrawSurface that records every call as a readable line, for tests of page composition.
//
// Text is measured with a fixed rule so results can be worked out by hand: a single-byte
// character is half the font height wide, a double-byte character the full height (or the font's
// character width when it sets one, and twice that), and a line is the font height high.
#pragma once

#include <string>
#include <vector>

#include "label/surface/draw_surface.h"

namespace qv {

class RecordingSurface : public DrawSurface {
  public:
    explicit RecordingSurface(int colourCount = 256, int verticalSizeMm = 200, int dpi = 600)
        : colourCount_(colourCount), verticalSizeMm_(verticalSizeMm), dpi_(dpi) {}

    void selectSolidPen(int width, Rgb colour) override;
    void selectBlackPen() override;
    void selectDottedPen(Rgb colour) override;
    void rectangle(const LogicalRect& rect) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(const LogicalRect& rect, Rgb colour) override;
    FontSpec selectFont(const FontSpec& font) override;
    void setTextColor(Rgb colour) override;
    void setBackgroundTransparent(bool transparent) override;
    void textOut(int x, int y, std::string_view text) override;
    void drawTextInRect(const LogicalRect& rect, std::string_view text, HAlign h,
                        VAlign v) override;
    void textOutClipped(int x, int y, const LogicalRect& clip, std::string_view text) override;
    TextSize textExtent(std::string_view text, size_t characters) override;
    int colourCount() const override { return colourCount_; }
    int verticalSizeMm() const override { return verticalSizeMm_; }
    int horizontalDpi() const override { return dpi_; }
    void drawCanvas(const BarCanvas& canvas, const CanvasRect& source,
                    const LogicalRect& target) override;
    // Recorded as "dot canvas l t w h -> l t r b".
    void drawDotCanvas(const BarCanvas& canvas, const CanvasRect& source,
                       const LogicalRect& target) override;
    BarRaster barRaster() const override { return raster_; }
    void setBarRaster(const BarRaster& raster) { raster_ = raster; }
    // Recorded as "bitmap WxH <file size> -> l t r b".
    void drawBitmap(const BitmapImage& image, const LogicalRect& target) override;

    // Every call, one line each, e.g. "textOut 150 -200 ABC".
    const std::vector<std::string>& calls() const { return calls_; }
    // The recorded lines that begin with `prefix`.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const;
    // The canvases drawn, in order, with where they went.
    struct DrawnCanvas {
        BarCanvas canvas;
        CanvasRect source;
        LogicalRect target;
    };
    const std::vector<DrawnCanvas>& canvases() const { return canvases_; }
    const FontSpec& currentFont() const { return font_; }
    Rgb textColour() const { return textColour_; }
    void clear();

  private:
    void record(std::string line) { calls_.push_back(std::move(line)); }

    int colourCount_;
    int verticalSizeMm_;
    int dpi_;
    BarRaster raster_;
    FontSpec font_;
    Rgb textColour_ = kBlack;
    std::vector<std::string> calls_;
    std::vector<DrawnCanvas> canvases_;
};

// "l t r b" of a rectangle, as the recorded lines show it.
std::string rectText(const LogicalRect& rect);

}  // namespace qv
