#include "label/print/symbol_geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "label/barcode/barcode_drawer.h"
#include "label/barcode/barcode_prepare.h"
#include "label/barcode/barcode_rules.h"
#include "label/barcode/field_barcode_rules.h"
#include "label/definition/definition_bits.h"
#include "label/definition/tenths_of_mm.h"

namespace qv {

namespace {

struct Box {
    double left, bottom, right, top;
};

// A surface that keeps the bars a barcode drawing paints and ignores everything else.
class BarCapture final : public DrawSurface {
  public:
    explicit BarCapture(int dpi) : dpi_(dpi) {}
    std::vector<Box> bars;
    LogicalRect cleared;

    void selectSolidPen(int, Rgb) override {}
    void selectBlackPen() override {}
    void selectDottedPen(Rgb) override {}
    void rectangle(const LogicalRect&) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void fillRect(const LogicalRect& r, Rgb colour) override {
        if (colour != kWhite) add(r.left, r.top, r.right, r.bottom);
    }
    FontSpec selectFont(const FontSpec& font) override { return font; }
    void setTextColor(Rgb) override {}
    void setBackgroundTransparent(bool) override {}
    void textOut(int, int, std::string_view) override {}
    void drawTextInRect(const LogicalRect&, std::string_view, HAlign, VAlign) override {}
    void textOutClipped(int, int, const LogicalRect&, std::string_view) override {}
    TextSize textExtent(std::string_view, size_t) override { return {}; }
    int colourCount() const override { return 2; }
    int verticalSizeMm() const override { return 0; }
    int horizontalDpi() const override { return dpi_; }
    void drawBitmap(const BitmapImage&, const LogicalRect&) override {}

    // Every dark fill inside `source`, stretched as the surface would stretch it.
    void drawCanvas(const BarCanvas& canvas, const CanvasRect& s, const LogicalRect& t) override {
        if (s.width <= 0 || s.height <= 0) return;
        cleared = {std::min(t.left, t.right), std::max(t.top, t.bottom), std::max(t.left, t.right),
                   std::min(t.top, t.bottom)};
        const double sx = static_cast<double>(t.right - t.left) / s.width;
        const double sy = static_cast<double>(t.bottom - t.top) / s.height;
        for (const CanvasFill& f : canvas.fills) {
            if (f.colour == kWhite) continue;
            const int l = std::max(f.rect.left, s.left);
            const int r = std::min(f.rect.left + f.rect.width, s.left + s.width);
            const int tp = std::max(f.rect.top, s.top);
            const int b = std::min(f.rect.top + f.rect.height, s.top + s.height);
            if (l >= r || tp >= b) continue;
            add(t.left + (l - s.left) * sx, t.top + (tp - s.top) * sy, t.left + (r - s.left) * sx,
                t.top + (b - s.top) * sy);
        }
    }

    // One canvas unit is one dot: a stretch onto the region's own size, centred in the field,
    // which is also all that such a symbol paints white.
    void drawDotCanvas(const BarCanvas& canvas, const CanvasRect& s,
                       const LogicalRect& t) override {
        const double unit = static_cast<double>(kTenthsPerInch) / std::max(1, dpi_);
        const double halfWidth = s.width * unit / 2;
        const double halfHeight = s.height * unit / 2;
        const double cx = (t.left + t.right) / 2.0;
        const double cy = (t.top + t.bottom) / 2.0;
        const double turned = t.right < t.left ? -1 : 1;
        drawCanvas(canvas, s,
                   {static_cast<int>(std::lround(cx - turned * halfWidth)),
                    static_cast<int>(std::lround(cy + turned * halfHeight)),
                    static_cast<int>(std::lround(cx + turned * halfWidth)),
                    static_cast<int>(std::lround(cy - turned * halfHeight))});
    }

  private:
    void add(double x1, double y1, double x2, double y2) {
        bars.push_back({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    }
    int dpi_;
};

int rounded(double v) {
    return static_cast<int>(std::lround(std::clamp(v, -1e9, 1e9)));
}

// Along the symbol, from `low` to `high`, across from `side1` to `side2`.
LogicalRect zone(bool horizontal, double low, double high, double side1, double side2) {
    if (horizontal) return {rounded(low), rounded(side1), rounded(high), rounded(side2)};
    return {rounded(side1), rounded(high), rounded(side2), rounded(low)};
}

}  // namespace

QuietModules quietModules(BarcodeKind kind, bool ean13) {
    if (kind == BarcodeKind::Jan) return ean13 ? QuietModules{11, 7} : QuietModules{7, 7};
    return {10, 10};
}

LogicalRect unionOf(const LogicalRect& a, const LogicalRect& b) {
    return {std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

IntendedBarcode intendedBarcode(const LabelDefinition& d, int field, std::string_view rawValue) {
    IntendedBarcode intended;
    if (field < 0 || field >= kMaxFields) return intended;
    const FieldPlacement& placement = d.fields[static_cast<size_t>(field)];
    intended.kind = barcodeKindOf(placement);
    if (intended.kind == BarcodeKind::Text || intended.kind == BarcodeKind::Code128) {
        return intended;
    }
    const BarcodeRules rules = barcodeRulesOf(d, placement);
    PreparedBarcode prepared = PrepareBarcodeValue(intended.kind, rawValue, rules);
    intended.ean13 = prepared.ean13;
    intended.value = std::move(prepared.value);
    // As the drawing does: the validation may rewrite the value (case, check character).
    intended.drawable = ValidateBarcode(intended.kind, intended.value, rules).code == 0;
    return intended;
}

SymbolPlace symbolPlace(const LabelDefinition& d, int field, std::string_view rawValue,
                        LogicalPoint corner, int dpi) {
    SymbolPlace place;
    if (field < 0 || field >= kMaxFields) return place;
    BarCapture capture(dpi);
    drawBarcodeField(capture, d, field, rawValue, corner.x, corner.y, BarcodeTextFont());
    if (capture.bars.empty()) return place;
    const FieldPlacement& f = d.fields[static_cast<size_t>(field)];
    const BarcodeKind kind = barcodeKindOf(f);
    const bool direct =
        d.directBarPrinting != 0 && kind != BarcodeKind::Jan && kind != BarcodeKind::Itf;
    place.horizontal = direct || f.barWidthMm >= f.barHeightMm;
    Box all = capture.bars.front();
    double narrow = 1e18;
    for (const Box& b : capture.bars) {
        all = {std::min(all.left, b.left), std::min(all.bottom, b.bottom),
               std::max(all.right, b.right), std::max(all.top, b.top)};
        narrow = std::min(narrow, place.horizontal ? b.right - b.left : b.top - b.bottom);
    }
    const IntendedBarcode intended = intendedBarcode(d, field, rawValue);
    const QuietModules q = quietModules(kind, intended.ean13);
    const double low = place.horizontal ? all.left : all.bottom;
    const double high = place.horizontal ? all.right : all.top;
    const double side1 = place.horizontal ? all.top : all.left;
    const double side2 = place.horizontal ? all.bottom : all.right;
    // A horizontal symbol reads from the left; a vertical one from the top, or from the bottom
    // when it faces left.
    const bool startLow = place.horizontal || barsFaceLeft(f);
    const double first = startLow ? low : high;
    const double last = startLow ? high : low;
    const double out = startLow ? -1 : 1;
    place.before = zone(place.horizontal, std::min(first, first + out * q.before * narrow),
                        std::max(first, first + out * q.before * narrow), side1, side2);
    place.after = zone(place.horizontal, std::min(last, last - out * q.after * narrow),
                       std::max(last, last - out * q.after * narrow), side1, side2);
    place.bars = zone(place.horizontal, low, high, side1, side2);
    place.cleared = capture.cleared;
    place.drawn = true;
    return place;
}

}  // namespace qv
