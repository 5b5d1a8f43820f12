#include "tests/support/recording_surface.h"

#include "common/sjis_text.h"
#include "common/text_format.h"

namespace qv {

namespace {

const char* alignName(HAlign h) {
    switch (h) {
        case HAlign::Left:
            return "left";
        case HAlign::Centre:
            return "centre";
        case HAlign::Right:
            return "right";
    }
    return "";
}

const char* alignName(VAlign v) {
    switch (v) {
        case VAlign::Top:
            return "top";
        case VAlign::Middle:
            return "middle";
        case VAlign::Bottom:
            return "bottom";
    }
    return "";
}

}  // namespace

std::string rectText(const LogicalRect& rect) {
    return formatText("%d %d %d %d", rect.left, rect.top, rect.right, rect.bottom);
}

void RecordingSurface::selectSolidPen(int width, Rgb colour) {
    record(formatText("pen %d %06X", width, colour));
}

void RecordingSurface::selectBlackPen() {
    record("pen black");
}

void RecordingSurface::selectDottedPen(Rgb colour) {
    record(formatText("pen dotted %06X", colour));
}

void RecordingSurface::rectangle(const LogicalRect& rect) {
    record("rectangle " + rectText(rect));
}

void RecordingSurface::moveTo(int x, int y) {
    record(formatText("moveTo %d %d", x, y));
}

void RecordingSurface::lineTo(int x, int y) {
    record(formatText("lineTo %d %d", x, y));
}

void RecordingSurface::fillRect(const LogicalRect& rect, Rgb colour) {
    record(formatText("fill %s %06X", rectText(rect).c_str(), colour));
}

FontSpec RecordingSurface::selectFont(const FontSpec& font) {
    record(formatText("font %s %d w%d e%d %d%s%s", sjis::toUtf8(font.faceName).c_str(), font.height,
                      font.width, font.escapement, font.weight, font.italic ? " italic" : "",
                      font.underline ? " underline" : ""));
    FontSpec previous = font_;
    font_ = font;
    return previous;
}

void RecordingSurface::setTextColor(Rgb colour) {
    record(formatText("textColour %06X", colour));
}

void RecordingSurface::setBackgroundTransparent(bool transparent) {
    record(transparent ? "background transparent" : "background opaque");
}

void RecordingSurface::textOut(int x, int y, std::string_view text) {
    record(formatText("textOut %d %d %s", x, y, sjis::toUtf8(text).c_str()));
}

void RecordingSurface::drawTextInRect(const LogicalRect& rect, std::string_view text, HAlign h,
                                      VAlign v) {
    record(formatText("textInRect %s %s %s %s", rectText(rect).c_str(), alignName(h), alignName(v),
                      sjis::toUtf8(text).c_str()));
}

void RecordingSurface::textOutClipped(int x, int y, const LogicalRect& clip,
                                      std::string_view text) {
    record(formatText("textClipped %d %d [%s] %s", x, y, rectText(clip).c_str(),
                      sjis::toUtf8(text).c_str()));
}

TextSize RecordingSurface::textExtent(std::string_view text, size_t characters) {
    const int narrow = font_.width > 0 ? font_.width : font_.height / 2;
    int width = 0;
    size_t counted = 0;
    for (size_t i = 0; counted < characters; ++counted) {
        const bool doubleByte = i + 1 < text.size() &&
                                sjis::isLeadByte(static_cast<unsigned char>(text[i])) &&
                                sjis::isTrailByte(static_cast<unsigned char>(text[i + 1]));
        if (doubleByte) {
            width += 2 * narrow;  // a double-byte character
            i += 2;
        } else {
            width += narrow;  // a single-byte character, or a blank beyond the text
            ++i;
        }
    }
    return {width, font_.height};
}

void RecordingSurface::drawCanvas(const BarCanvas& canvas, const CanvasRect& source,
                                  const LogicalRect& target) {
    record(formatText("canvas %d %d %d %d -> %s", source.left, source.top, source.width,
                      source.height, rectText(target).c_str()));
    canvases_.push_back({canvas, source, target});
}

void RecordingSurface::drawDotCanvas(const BarCanvas& canvas, const CanvasRect& source,
                                     const LogicalRect& target) {
    record(formatText("dot canvas %d %d %d %d -> %s", source.left, source.top, source.width,
                      source.height, rectText(target).c_str()));
    canvases_.push_back({canvas, source, target});
}

void RecordingSurface::drawBitmap(const BitmapImage& image, const LogicalRect& target) {
    record(formatText("bitmap %dx%d %zu -> %s", image.width, image.height, image.fileBytes.size(),
                      rectText(target).c_str()));
}

std::vector<std::string> RecordingSurface::callsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : calls_) {
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    }
    return out;
}

void RecordingSurface::clear() {
    calls_.clear();
    canvases_.clear();
}

}  // namespace qv
