#include "label/barcode/barcode_drawer.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/barcode/bar_dots.h"
#include "label/barcode/bar_encoding.h"
#include "label/barcode/barcode_prepare.h"
#include "label/barcode/field_barcode_rules.h"
#include "label/definition/definition_bits.h"
#include "label/definition/label_definition.h"
#include "label/definition/tenths_of_mm.h"

namespace qv {

namespace {

constexpr int kSymbolHeight = 200;   // canvas units: every bar has the full height
constexpr int kTextBandHeight = 40;  // a fifth of the symbol height, at its bottom
constexpr int kTextWeightBold = 700;
constexpr int kTextWeightNormal = 400;
constexpr int kErrorTextHeight = 30;
constexpr int kMaxDirectModuleWidth = 3;

// Bounds that no real field reaches. They keep every product below inside long long and every
// canvas length (at most 127 characters times the factor) inside int.
constexpr long long kMaxMm = 1000000;
constexpr long long kMaxDpi = 1000000;
constexpr long long kMaxFactor = 10000;

int toInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

long long limitMm(int mm) {
    return std::clamp<long long>(mm, -kMaxMm, kMaxMm);
}

int limitFactor(long long factor, long long least) {
    return static_cast<int>(std::clamp(factor, least, kMaxFactor));
}

// JAN module width X: the field width in device dots, at least 2.
int janModuleWidth(int barWidthMm, int dpi) {
    const long long tenths = tenthsFromWholeMm(limitMm(barWidthMm));
    return limitFactor(tenths * std::clamp<long long>(dpi, 0, kMaxDpi) / 25400, 2);
}

// ITF resolution factor: 60 units per digit pair after 12 + 15 units of start and stop.
int itfFactor(int barWidthMm, size_t digits) {
    const long long pairs = std::max<long long>(1, static_cast<long long>((digits + 1) / 2));
    return limitFactor((tenthsFromWholeMm(limitMm(barWidthMm)) - 12 - 15) / (60 * pairs), 1);
}

// NW7 and CODE 39 resolution factor: the symbol (m at k = 1) and its 40 units of margins.
int wideNarrowFactor(int barWidthMm, int m) {
    return limitFactor(tenthsFromWholeMm(limitMm(barWidthMm)) / (std::max(0, m) + 40), 1);
}

bool isVertical(const FieldPlacement& field) {
    return field.barWidthMm < field.barHeightMm;
}

// The field's rectangle before it is limited to int: height counts downward.
struct FieldBox {
    long long left;
    long long top;
    long long width;
    long long height;
};

FieldBox fieldBoxOf(const LabelFrame& label, const FieldPlacement& field, int scale) {
    const long long s = unitsPerMmAtZoom(scale);
    return {label.originX + field.xMm * s, label.originY - field.yMm * s, field.barWidthMm * s,
            field.barHeightMm * s};
}

// The human-readable text: the value up to its first white-space character.
std::string_view readableText(std::string_view value) {
    return value.substr(0, value.find_first_of(" \t\n\v\f\r"));
}

// Character width that fits n characters and half as many gaps into `bandLength`.
int characterWidth(long long bandLength, size_t n) {
    const long long slots = static_cast<long long>(n) + static_cast<long long>(n / 2);
    return slots == 0 ? 0 : toInt(bandLength / slots);
}

// The bar runs on a canvas `length` units along the symbol: full-height bars, or for a vertical
// symbol stripes across its 200-unit width, x of the horizontal layout counting down from the top.
BarCanvas barsOnCanvas(const BarSymbol& symbol, int length, bool vertical, Rgb colour) {
    BarCanvas canvas;
    canvas.width = vertical ? kSymbolHeight : length;
    canvas.height = vertical ? length : kSymbolHeight;
    int x = symbol.firstBarX;
    for (const BarRun& run : symbol.runs) {
        if (run.bar) {
            canvas.fill(vertical ? CanvasRect{0, x, kSymbolHeight, run.width}
                                 : CanvasRect{x, 0, run.width, kSymbolHeight},
                        colour);
        }
        x += run.width;
    }
    return canvas;
}

// Blanks the text band over the bars and centres the text in it, `bandLength` units long: the
// bottom fifth of a horizontal symbol `symbolHeight` units high, the left fifth of a vertical one
// (reading upward).
void addText(BarCanvas& canvas, std::string_view text, int bandLength, bool vertical,
             const BarcodeTextFont& font, Rgb colour, int symbolHeight = kSymbolHeight) {
    const int band = symbolHeight * kTextBandHeight / kSymbolHeight;
    const CanvasRect box = vertical ? CanvasRect{0, 0, band, bandLength}
                                    : CanvasRect{0, symbolHeight - band, bandLength, band};
    canvas.fill(vertical ? CanvasRect{0, 0, band, canvas.height} : box, kWhite);
    if (text.empty()) return;
    CanvasText t;
    t.box = box;
    t.text = std::string(text);
    t.faceName = font.faceName;
    t.height = band;
    t.width = characterWidth(bandLength, text.size());
    t.weight = font.bold ? kTextWeightBold : kTextWeightNormal;
    t.upward = vertical;
    t.colour = colour;
    canvas.texts.push_back(std::move(t));
}

// The bars of a symbol laid out on dots, `across` dots wide across the symbol.
BarCanvas dotBarsOnCanvas(const DotSymbol& symbol, int across, bool vertical, Rgb colour) {
    BarCanvas canvas;
    canvas.width = vertical ? across : symbol.canvasDots;
    canvas.height = vertical ? symbol.canvasDots : across;
    for (const DotBar& bar : symbol.bars) {
        const int width = bar.end - bar.start;
        canvas.fill(vertical ? CanvasRect{0, bar.start, across, width}
                             : CanvasRect{bar.start, 0, width, across},
                    colour);
    }
    return canvas;
}

// Logical units (0.1 mm) as whole device dots, rounded down.
int dotsOf(long long units, int dpi) {
    return toInt(std::clamp<long long>(units, 0, tenthsFromWholeMm(kMaxMm)) *
                 std::clamp(dpi, 0, 100000) / kTenthsPerInch);
}

// Paints the bar runs from x = `left`, each as one rectangle from `top` to `bottom`; nothing at
// or right of `rightEdge` is painted, so a bar across it is cut there.
void paintBars(DrawSurface& surface, const BarSymbol& symbol, long long left, long long rightEdge,
               long long top, long long bottom, Rgb colour) {
    long long x = left;
    for (const BarRun& run : symbol.runs) {
        if (x >= rightEdge) break;
        const long long right = std::min(x + run.width, rightEdge);
        if (run.bar) surface.fillRect({toInt(x), toInt(top), toInt(right), toInt(bottom)}, colour);
        x += run.width;
    }
}

void cutToBuffer(std::string& value) {
    if (value.size() > kMaxBarcodeValueBytes) {
        value = sjis::truncateBytes(value, kMaxBarcodeValueBytes);
    }
}

}  // namespace

BarcodeDrawer::BarcodeDrawer(DrawSurface& surface, const LabelFrame& label,
                             BarcodeTextFont textFont, bool shortJanNotAligned)
    : surface_(surface),
      label_(label),
      textFont_(std::move(textFont)),
      shortJanNotAligned_(shortJanNotAligned) {}

LogicalRect BarcodeDrawer::fieldRect(const FieldPlacement& field, int scale) const {
    const FieldBox box = fieldBoxOf(label_, field, scale);
    return {toInt(box.left), toInt(box.top), toInt(box.left + box.width),
            toInt(box.top - box.height)};
}

void BarcodeDrawer::DrawJanHorizontal(const FieldPlacement& field, std::string& value,
                                      const BarcodeDrawOptions& options, bool isEan13) {
    drawJan(field, value, options, isEan13, false);
}

void BarcodeDrawer::DrawJanVertical(const FieldPlacement& field, std::string& value,
                                    const BarcodeDrawOptions& options, bool isEan13) {
    drawJan(field, value, options, isEan13, true);
}

void BarcodeDrawer::DrawItf(const FieldPlacement& field, std::string& value,
                            const BarcodeDrawOptions& options) {
    if (!validate(BarcodeKind::Itf, field, value, options)) return;
    const int k = itfFactor(field.barWidthMm, value.size());
    const BarSymbol symbol = EncodeItf(value, k);
    drawOnCanvas(field, symbol, {3 * k, 9 * k}, symbol.canvasWidth, isVertical(field), value,
                 options);
}

void BarcodeDrawer::DrawNw7(const FieldPlacement& field, std::string& value,
                            const BarcodeDrawOptions& options) {
    if (!validate(BarcodeKind::Nw7, field, value, options)) return;
    const int k = wideNarrowFactor(field.barWidthMm, Nw7Length(value));
    const BarSymbol symbol = EncodeNw7(value, k);
    drawOnCanvas(field, symbol, {3 * k, 7 * k}, symbol.canvasWidth, isVertical(field), value,
                 options);
}

void BarcodeDrawer::DrawCode39(const FieldPlacement& field, std::string& value,
                               const BarcodeDrawOptions& options) {
    if (!validate(BarcodeKind::Code39, field, value, options)) return;
    const int k = wideNarrowFactor(field.barWidthMm, Code39Length(value));
    const BarSymbol symbol = EncodeCode39(value, k);
    drawOnCanvas(field, symbol, {3 * k, 7 * k}, symbol.canvasWidth, isVertical(field), value,
                 options);
}

int BarcodeDrawer::DrawNw7Direct(const FieldPlacement& field, std::string& value,
                                 const BarcodeDrawOptions& options, int moduleWidth) {
    return drawDirect(BarcodeKind::Nw7, field, value, options, moduleWidth);
}

int BarcodeDrawer::DrawCode39Direct(const FieldPlacement& field, std::string& value,
                                    const BarcodeDrawOptions& options, int moduleWidth) {
    return drawDirect(BarcodeKind::Code39, field, value, options, moduleWidth);
}

void BarcodeDrawer::drawJan(const FieldPlacement& field, std::string& value,
                            const BarcodeDrawOptions& options, bool isEan13, bool vertical) {
    if (!validate(BarcodeKind::Jan, field, value, options)) return;
    const int x = janModuleWidth(field.barWidthMm, surface_.horizontalDpi());
    const int regionWidth = janRegionWidth(isEan13, x, shortJanNotAligned_);
    drawOnCanvas(field, EncodeJan(value, isEan13, x), {x, 0}, regionWidth, vertical, value,
                 options);
}

bool BarcodeDrawer::validate(BarcodeKind kind, const FieldPlacement& field, std::string& value,
                             const BarcodeDrawOptions& options) {
    cutToBuffer(value);
    const int code = ValidateBarcode(kind, value, options.rules).code;
    if (code == 0) return true;
    drawErrorText(field, options, sjis::fromUtf8(BarcodeErrorText(kind, code)));
    return false;
}

// Lays the symbol out, adds the text, and stretches the copied region (`regionWidth` along the
// symbol, 200 across) onto the field. The canvas holds the region and everything painted, and
// the text band is as long as the symbol's canvas (for JAN its end position). A printer that asks
// for whole dots gets the symbol laid out on its dots instead, where the field allows.
void BarcodeDrawer::drawOnCanvas(const FieldPlacement& field, const BarSymbol& symbol,
                                 const SymbolGrid& grid, int regionWidth, bool vertical,
                                 std::string_view value, const BarcodeDrawOptions& options) {
    if (drawOnDots(field, symbol, grid, regionWidth, vertical, value, options)) return;
    const int length = std::max(regionWidth, symbol.canvasWidth);
    BarCanvas canvas = barsOnCanvas(symbol, length, vertical, options.colour);
    if (options.showText) {
        addText(canvas, readableText(value), symbol.canvasWidth, vertical, textFont_,
                options.colour);
    }
    const CanvasRect source = vertical ? CanvasRect{0, 0, kSymbolHeight, regionWidth}
                                       : CanvasRect{0, 0, regionWidth, kSymbolHeight};
    surface_.drawCanvas(canvas, source, targetOf(field, options.scale, vertical));
}

// The field's rectangle, turned by 180 degrees for a vertical symbol that faces left.
LogicalRect BarcodeDrawer::targetOf(const FieldPlacement& field, int scale, bool vertical) const {
    const LogicalRect target = fieldRect(field, scale);
    if (vertical && barsFaceLeft(field)) {
        return {target.right, target.bottom, target.left, target.top};
    }
    return target;
}

bool BarcodeDrawer::drawOnDots(const FieldPlacement& field, const BarSymbol& symbol,
                               const SymbolGrid& grid, int regionWidth, bool vertical,
                               std::string_view value, const BarcodeDrawOptions& options) {
    const BarRaster raster = surface_.barRaster();
    if (!raster.wholeDotModules || options.scale != 100) return false;
    const int dpi = surface_.horizontalDpi();
    const FieldBox box = fieldBoxOf(label_, field, options.scale);
    const int along = dotsOf(vertical ? box.height : box.width, dpi);
    const int across = dotsOf(vertical ? box.width : box.height, dpi);
    if (across <= 0) return false;
    const std::optional<DotSymbol> placed =
        layOutOnDots(symbol, grid, regionWidth, along, raster.reductionDots);
    if (!placed) return false;
    BarCanvas canvas = dotBarsOnCanvas(*placed, across, vertical, options.colour);
    if (options.showText) {
        addText(canvas, readableText(value), placed->canvasDots, vertical, textFont_,
                options.colour, across);
    }
    const CanvasRect source = vertical ? CanvasRect{0, 0, across, placed->regionDots}
                                       : CanvasRect{0, 0, placed->regionDots, across};
    surface_.drawDotCanvas(canvas, source, targetOf(field, options.scale, vertical));
    return true;
}

// The surface already works in 0.1 mm units, which direct mode needs; nothing is switched.
int BarcodeDrawer::drawDirect(BarcodeKind kind, const FieldPlacement& field, std::string& value,
                              const BarcodeDrawOptions& options, int moduleWidth) {
    cutToBuffer(value);
    const int code = ValidateBarcode(kind, value, options.rules).code;
    const bool nw7 = kind == BarcodeKind::Nw7;
    if (code != 0) {
        std::string text = formatText("Error code %d", code);
        if (nw7) text += " " + value;
        drawErrorText(field, options, text);
        return 0;
    }
    const int mw = std::clamp(moduleWidth, 1, kMaxDirectModuleWidth);
    // At k = mw the encoder's widths are those of direct mode, and its 20-unit left margin is
    // the 2 mm from the field's left edge to the first bar.
    const BarSymbol symbol = nw7 ? EncodeNw7(value, mw) : EncodeCode39(value, mw);
    const long long m = nw7 ? Nw7Length(value) : Code39Length(value);
    const FieldBox box = fieldBoxOf(label_, field, options.scale);
    const long long start = box.left + symbol.firstBarX;
    const long long end = start + mw * m;
    const long long rightEdge = label_.originX + tenthsFromWholeMm<long long>(label_.widthMm);
    const long long labelBottom = label_.originY - tenthsFromWholeMm<long long>(label_.heightMm);
    const long long height =
        std::min(tenthsFromWholeMm(limitMm(field.barHeightMm)), box.top - labelBottom);
    if (height > 0) {
        const long long barHeight = options.showText ? height * 8 / 10 : height;
        if (!paintDirectOnDots(symbol, mw, {start, box.top, rightEdge - start, barHeight},
                               options.colour)) {
            paintBars(surface_, symbol, start, rightEdge, box.top, box.top - barHeight,
                      options.colour);
        }
        if (options.showText) {
            const long long width = std::min(end, rightEdge) - start;
            drawDirectText({start, box.top - barHeight, width, height - barHeight}, value,
                           options.colour);
        }
    }
    return toInt(end + 3LL * mw);
}

// Direct bars for a printer that asks for whole dots: the narrow element the whole number of dots
// nearest its 3·mw units, the wide one 2.25 to 7/3 times that, from `bars.left` and cut at its
// width (the label's right edge) as the painted bars are.
bool BarcodeDrawer::paintDirectOnDots(const BarSymbol& symbol, int mw, const DirectBand& bars,
                                      Rgb colour) {
    const BarRaster raster = surface_.barRaster();
    const int dpi = surface_.horizontalDpi();
    if (!raster.wholeDotModules || dpi <= 0) return false;
    BarSymbol runs = symbol;
    runs.firstBarX = 0;
    runs.canvasWidth = 0;
    const int narrow = std::max(1, static_cast<int>(std::lround(3.0 * mw * dpi / kTenthsPerInch)));
    DotSymbol placed = layOutWithNarrowDots(runs, {3 * mw, 7 * mw}, runs.symbolEnd(), narrow,
                                            raster.reductionDots);
    const int cut = dotsOf(bars.width, dpi);
    placed.regionDots = std::min(placed.regionDots, cut);
    const int height = dotsOf(bars.height, dpi);
    if (placed.regionDots <= 0 || height <= 0) return true;
    BarCanvas canvas;
    canvas.width = placed.regionDots;
    canvas.height = height;
    for (const DotBar& bar : placed.bars) {
        const int end = std::min(bar.end, placed.regionDots);
        if (bar.start < end) canvas.fill({bar.start, 0, end - bar.start, height}, colour);
    }
    // The target is as wide and high as the region, so centring leaves it where it starts.
    const long long width =
        (static_cast<long long>(placed.regionDots) * kTenthsPerInch + dpi - 1) / dpi;
    const long long down = (static_cast<long long>(height) * kTenthsPerInch + dpi - 1) / dpi;
    surface_.drawDotCanvas(
        canvas, {0, 0, placed.regionDots, height},
        {toInt(bars.left), toInt(bars.top), toInt(bars.left + width), toInt(bars.top - down)});
    return true;
}

// The text of a direct symbol, centred in its band below the bars; the font is as high as the
// band, as the 40-unit font is on a canvas.
void BarcodeDrawer::drawDirectText(const DirectBand& band, std::string_view value, Rgb colour) {
    const std::string_view text = readableText(value);
    if (band.width <= 0 || band.height <= 0 || text.empty()) return;
    FontSpec font;
    font.height = toInt(band.height);
    font.width = characterWidth(band.width, text.size());
    font.weight = textFont_.bold ? kTextWeightBold : kTextWeightNormal;
    font.charSet = CharacterSet::Ansi;
    font.faceName = textFont_.faceName;
    const FontSpec previous = surface_.selectFont(font);
    surface_.setTextColor(colour);
    surface_.setBackgroundTransparent(true);
    const LogicalRect rect{toInt(band.left), toInt(band.top), toInt(band.left + band.width),
                           toInt(band.top - band.height)};
    surface_.drawTextInRect(rect, text, HAlign::Centre, VAlign::Middle);
    surface_.selectFont(previous);
}

// `text` (Shift-JIS) at the field's top-left corner in bold 30-unit "ＭＳ 明朝".
void BarcodeDrawer::drawErrorText(const FieldPlacement& field, const BarcodeDrawOptions& options,
                                  std::string_view text) {
    const LogicalRect box = fieldRect(field, options.scale);
    FontSpec font;
    font.height = kErrorTextHeight;
    font.weight = kBoldWeight;
    font.charSet = CharacterSet::ShiftJis;
    font.faceName = kDefaultFaceName;
    const FontSpec previous = surface_.selectFont(font);
    surface_.setTextColor(options.colour);
    surface_.textOut(box.left, box.top, text);
    surface_.selectFont(previous);
}

namespace {

// The stored module width: a value outside 0..3 counts as 1, and so does 0.
int storedModuleWidth(int moduleWidth) {
    return moduleWidth < 1 || moduleWidth > kMaxDirectModuleWidth ? 1 : moduleWidth;
}

}  // namespace

namespace {

void drawPrepared(BarcodeDrawer& drawer, const LabelDefinition& definition,
                  const FieldPlacement& field, BarcodeKind kind, PreparedBarcode& prepared,
                  const BarcodeDrawOptions& options) {
    const bool direct = definition.directBarPrinting != 0;
    const int moduleWidth = storedModuleWidth(definition.moduleWidth);
    std::string& value = prepared.value;
    switch (kind) {
        case BarcodeKind::Jan:
            if (isVertical(field)) {
                drawer.DrawJanVertical(field, value, options, prepared.ean13);
            } else {
                drawer.DrawJanHorizontal(field, value, options, prepared.ean13);
            }
            break;
        case BarcodeKind::Itf:
            drawer.DrawItf(field, value, options);
            break;
        case BarcodeKind::Nw7:
            if (direct) {
                drawer.DrawNw7Direct(field, value, options, moduleWidth);
            } else {
                drawer.DrawNw7(field, value, options);
            }
            break;
        case BarcodeKind::Code39:
            if (direct) {
                drawer.DrawCode39Direct(field, value, options, moduleWidth);
            } else {
                drawer.DrawCode39(field, value, options);
            }
            break;
        case BarcodeKind::Text:
        case BarcodeKind::Code128:  // never drawn
            break;
    }
}

}  // namespace

void drawBarcodeField(DrawSurface& surface, const LabelDefinition& definition, int fieldIndex,
                      std::string_view rawValue, int originX, int originY,
                      const BarcodeTextFont& textFont) {
    if (fieldIndex < 0 || fieldIndex >= kMaxFields) return;
    const FieldPlacement& field = definition.fields[static_cast<size_t>(fieldIndex)];
    const BarcodeKind kind = barcodeKindOf(field);
    if (kind == BarcodeKind::Text || kind == BarcodeKind::Code128) return;

    BarcodeDrawOptions options;
    options.scale = 100;
    options.showText = showsBarcodeText(field);
    options.colour = surface.colourCount() == 2 ? kBlack : colourOfIndex(field.colourIndex);
    options.rules = barcodeRulesOf(definition, field);
    PreparedBarcode prepared = PrepareBarcodeValue(kind, rawValue, options.rules);

    const LabelFrame label{originX, originY, definition.sheet.labelWidthMm,
                           definition.sheet.labelHeightMm};
    BarcodeDrawer drawer(surface, label, textFont, definition.shortJanNotAligned != 0);
    drawPrepared(drawer, definition, field, kind, prepared, options);
}

}  // namespace qv
