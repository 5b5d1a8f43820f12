#include "label/editor/forms/layout_drawing.h"

#include <algorithm>

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/barcode/barcode_prepare.h"
#include "label/barcode/field_barcode_rules.h"
#include "label/definition/definition_bits.h"
#include "label/definition/definition_listing.h"
#include "label/definition/literal_entry.h"
#include "label/print/font_template.h"
#include "label/print/quiet_zone_check.h"

namespace qv {

namespace {

constexpr int kStatusColour = 18;
constexpr int kLabelPen = 5;
constexpr int kFrameMargin = 3;
constexpr Rgb kWarningRed = 0x0000FF;  // the frame of a field with its quiet zone intruded
constexpr int kMaxRulerMm = 1000;

void drawStatusLines(DrawSurface& surface, const LabelDefinition& d, int zoom) {
    FontSpec font = fontTemplate();
    setFaceAndHeight(font, "System", 40);
    font.weight = 400;
    const FontSpec previous = surface.selectFont(font);
    surface.setBackgroundTransparent(true);
    surface.setTextColor(colourOfIndex(kStatusColour));
    int y = -10;
    for (const std::string& line : layoutStatusLines(d, zoom)) {
        const std::string text = sjis::fromUtf8(line);
        surface.textOut(200, y, text);
        y -= surface.textExtent(text, 1).cy;
    }
    surface.selectFont(previous);
}

// A tick every millimetre 3 mm long, every fifth 5 mm, every tenth 7 mm, outside the label.
void drawRulers(DrawSurface& surface, const SheetGeometry& s, LogicalPoint o, int z) {
    surface.selectBlackPen();
    for (int k = 0; k <= std::min(s.labelWidthMm, kMaxRulerMm); ++k) {
        const int end = k % 10 == 0 ? 100 : k % 5 == 0 ? 80 : 60;
        surface.moveTo(o.x + k * z, o.y + 30);
        surface.lineTo(o.x + k * z, o.y + end);
    }
    for (int k = 0; k <= std::min(s.labelHeightMm, kMaxRulerMm); ++k) {
        const int end = k % 10 == 0 ? 100 : k % 5 == 0 ? 80 : 60;
        surface.moveTo(o.x - 30, o.y - k * z);
        surface.lineTo(o.x - end, o.y - k * z);
    }
}

void drawRuledLinesOnLabel(DrawSurface& surface, const LabelDefinition& d, LogicalPoint o, int z) {
    surface.selectBlackPen();
    for (const RuledLine& line : d.ruledLines) {
        if (!isUsed(line)) continue;
        surface.moveTo(o.x + z * line.startX, o.y + z * line.startY);
        surface.lineTo(o.x + z * line.endX, o.y + z * line.endY);
    }
}

// A text field shows its name in its own font, in a box as long as the field, framed.
LogicalRect drawTextFieldName(DrawSurface& surface, const LabelDefinition& d, int k, LogicalPoint o,
                              int zoom) {
    const FieldPlacement& field = d.fields[static_cast<size_t>(k)];
    const std::string& name = d.dataFile.fieldNames[static_cast<size_t>(k)];
    FontSpec font = fontTemplate();
    const std::string face = isListEntry(field.fontName) ? field.fontName : "System";
    const bool vertical = isVerticalText(field);
    setFaceAndHeight(font, vertical ? "@" + face : face,
                     pointsToLogical(field.pointSize) * zoom / 100);
    setStyle(font, textStyleOf(field));
    if (vertical) font.escapement = 900;
    const FontSpec previous = surface.selectFont(font);
    const size_t length = static_cast<size_t>(std::max(d.dataFile.fieldLengths[k], 1));
    const TextSize b = surface.textExtent(name, length);
    surface.selectFont(previous);
    const int z = layoutScale(zoom);
    const LogicalPoint p{o.x + z * field.xMm, o.y - z * field.yMm};
    const LogicalRect box = vertical ? LogicalRect{p.x, p.y, p.x + b.cy, p.y - b.cx}
                                     : LogicalRect{p.x, p.y, p.x + b.cx, p.y - b.cy};
    const LogicalRect frame{box.left - kFrameMargin, box.top + kFrameMargin,
                            box.right + kFrameMargin, box.bottom - kFrameMargin};
    surface.selectDottedPen(kBlack);
    surface.rectangle(frame);
    surface.setTextColor(colourOfIndex(field.colourIndex));
    drawTextField(surface, d, k, name, o, z);
    return frame;
}

// A barcode field shows a sample symbol with the field's name over it.
LogicalRect drawBarcodeSample(DrawSurface& surface, const LabelDefinition& d, int k, LogicalPoint o,
                              const LayoutView& view) {
    const FieldPlacement& field = d.fields[static_cast<size_t>(k)];
    const BarcodeKind kind = barcodeKindOf(field);
    const int z = layoutScale(view.zoomPercent);
    const LogicalRect rect{o.x + z * field.xMm, o.y - z * field.yMm,
                           o.x + z * (field.xMm + field.barWidthMm),
                           o.y - z * (field.yMm + field.barHeightMm)};
    if (kind != BarcodeKind::Code128) {
        BarcodeDrawer drawer(surface, {o.x, o.y, d.sheet.labelWidthMm, d.sheet.labelHeightMm},
                             view.barFont, d.shortJanNotAligned != 0);
        BarcodeDrawOptions options;
        options.scale = view.zoomPercent;
        options.showText = showsBarcodeText(field);
        options.colour = colourOfIndex(field.colourIndex);
        std::string value = sampleBarcodeValue(kind);
        const bool vertical = field.barWidthMm < field.barHeightMm;
        switch (kind) {
            case BarcodeKind::Jan:
                vertical ? drawer.DrawJanVertical(field, value, options, true)
                         : drawer.DrawJanHorizontal(field, value, options, true);
                break;
            case BarcodeKind::Itf:
                drawer.DrawItf(field, value, options);
                break;
            case BarcodeKind::Nw7:
                drawer.DrawNw7(field, value, options);
                break;
            default:
                drawer.DrawCode39(field, value, options);
                break;
        }
    }
    const std::string& name = d.dataFile.fieldNames[static_cast<size_t>(k)];
    FontSpec font = fontTemplate();
    const int shortSide = std::min(field.barWidthMm, field.barHeightMm);
    const int divisor = field.barWidthMm < field.barHeightMm ? 6 : 4;
    setFaceAndHeight(font, kDefaultFaceName, std::max(1, z * shortSide / divisor));
    const FontSpec previous = surface.selectFont(font);
    surface.setBackgroundTransparent(false);
    surface.setTextColor(kBlack);
    surface.drawTextInRect(rect, isListEntry(name) ? name : barcodeKindName(kind), HAlign::Centre,
                           VAlign::Middle);
    surface.setBackgroundTransparent(true);
    surface.selectFont(previous);
    // A field with something in its quiet zone is framed in red.
    surface.selectDottedPen(quietZoneWarning(d, k).empty() ? kBlack : kWarningRed);
    surface.moveTo(rect.left, rect.top);
    for (const LogicalPoint& corner :
         {LogicalPoint{rect.right, rect.top}, LogicalPoint{rect.right, rect.bottom},
          LogicalPoint{rect.left, rect.bottom}, LogicalPoint{rect.left, rect.top}}) {
        surface.lineTo(corner.x, corner.y);
    }
    return rect;
}

LogicalRect drawLiteralText(DrawSurface& surface, const LiteralPlacement& literal, LogicalPoint o,
                            const LayoutView& view) {
    const LiteralText parts = parseLiteralEntry(literal.entry);
    const int z = layoutScale(view.zoomPercent);
    FontSpec font = fontTemplate();
    setFaceAndHeight(font, literalFaceName(parts),
                     pointsToLogical(literal.pointSize) * view.zoomPercent / 100);
    setStyle(font, textStyleOf(literal));
    const FontSpec previous = surface.selectFont(font);
    // A running number shows as "123"; the date, time and weekday codes show expanded.
    const bool running = parts.text.rfind("\\@", 0) == 0;
    const std::string text =
        running ? "123" : expandLiteralForEditor(parts.text, view.time, view.date);
    const LogicalPoint at{o.x + z * literal.xMm, o.y - z * literal.yMm};
    surface.setTextColor(colourOfIndex(parts.colourIndex));
    surface.textOut(at.x, at.y, text);
    const TextSize size = surface.textExtent(text, sjis::characterCount(text));
    surface.selectFont(previous);
    return {at.x, at.y, at.x + size.cx, at.y - size.cy};
}

}  // namespace

std::array<std::string, 4> layoutStatusLines(const LabelDefinition& d, int zoomPercent) {
    const SheetGeometry& s = d.sheet;
    return {formatText("ラベルの大きさ           %dmm × %dmm", s.labelWidthMm, s.labelHeightMm),
            formatText("一枚目のラベルの位置   %dmm × %dmm", s.firstLabelTopMm, s.firstLabelLeftMm),
            formatText("表示の倍率                %d%%", zoomPercent),
            formatText("バーコードの種類        %s  ", usedBarcodeKinds(d).c_str())};
}

namespace {

// The sample as a record would hold it: without the start and stop characters the definition
// adds itself.
std::string rawSample(const LabelDefinition& d, int field) {
    const FieldPlacement& f = d.fields[static_cast<size_t>(field)];
    const BarcodeKind kind = barcodeKindOf(f);
    std::string value = sampleBarcodeValue(kind);
    const bool wrapped = kind == BarcodeKind::Nw7 || kind == BarcodeKind::Code39;
    if (wrapped && barcodeRulesOf(d, f).addStartStop && value.size() >= 2) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

bool isPlacedBarcode(const LabelDefinition& d, int k) {
    const FieldPlacement& f = d.fields[static_cast<size_t>(k)];
    const BarcodeKind kind = barcodeKindOf(f);
    return isPlaced(f) && kind != BarcodeKind::Text && kind != BarcodeKind::Code128;
}

}  // namespace

std::string quietZoneWarning(const LabelDefinition& d, int field) {
    const int n = std::min(fieldCount(d.dataFile), kMaxFields);
    if (field < 0 || field >= n || !isPlacedBarcode(d, field)) return {};
    const LogicalPoint corner;
    std::vector<std::pair<int, LogicalRect>> others;
    for (int k = 0; k < n; ++k) {
        if (k == field || !isPlacedBarcode(d, k)) continue;
        const SymbolPlace other = symbolPlace(d, k, rawSample(d, k), corner, kDefaultCheckDpi);
        if (other.drawn) others.emplace_back(k, other.bars);
    }
    const SymbolPlace place = symbolPlace(d, field, rawSample(d, field), corner, kDefaultCheckDpi);
    std::string text;
    for (Intruder item : quietZoneIntruders(d, field, place, corner, others)) {
        text += (text.empty() ? "" : "、") + quietZoneMessageJa(item);
    }
    if (text.empty()) return text;
    const std::vector<std::string>& names = d.dataFile.fieldNames;
    const size_t at = static_cast<size_t>(field);
    const std::string name =
        at < names.size() ? sjis::toUtf8(names[at]) : std::to_string(field + 1);
    return "フィールド " + name + ": " + text;
}

std::string sampleBarcodeValue(BarcodeKind kind) {
    BarcodeRules rules{};
    rules.forceCheckCharacter = true;
    switch (kind) {
        case BarcodeKind::Jan:
            return PrepareBarcodeValue(kind, "012345678901", rules).value;
        case BarcodeKind::Itf:
            return PrepareBarcodeValue(kind, "0123456789012", rules).value;
        case BarcodeKind::Nw7:
            return "a12345678a";
        default:
            return "*12345678*";
    }
}

LayoutHitAreas drawLayout(DrawSurface& surface, const LabelDefinition& d, const LayoutView& view,
                          const BitmapPainter& bitmaps) {
    const int z = layoutScale(view.zoomPercent);
    const LogicalPoint o = view.labelOrigin;
    LayoutHitAreas areas;
    drawStatusLines(surface, d, view.zoomPercent);
    drawRulers(surface, d.sheet, o, z);
    areas.label = {o.x, o.y, o.x + z * d.sheet.labelWidthMm, o.y - z * d.sheet.labelHeightMm};
    surface.selectSolidPen(kLabelPen, colourOfIndex(0));
    surface.rectangle(areas.label);
    drawRuledLinesOnLabel(surface, d, o, z);
    surface.setBackgroundTransparent(true);
    for (int k = 0; view.showFields && k < fieldCount(d.dataFile); ++k) {
        const FieldPlacement& field = d.fields[static_cast<size_t>(k)];
        if (!isPlaced(field)) continue;
        if (barcodeKindOf(field) != BarcodeKind::Text) {
            areas.fields[static_cast<size_t>(k)] = drawBarcodeSample(surface, d, k, o, view);
            const std::string warning = quietZoneWarning(d, k);
            if (!warning.empty()) areas.status = warning;
        } else if (field.pointSize <= 0) {
            areas.status = formatText("フィールド名  %s はポイントサイズが０です。",
                                      sjis::toUtf8(d.dataFile.fieldNames[k]).c_str());
        } else {
            areas.fields[static_cast<size_t>(k)] =
                drawTextFieldName(surface, d, k, o, view.zoomPercent);
        }
    }
    for (size_t slot = 0; slot < d.literals.size(); ++slot) {
        const LiteralPlacement& literal = d.literals[slot];
        if (!isPlaced(literal) || !isUsed(literal)) continue;
        areas.literals[slot] = drawLiteralText(surface, literal, o, view);
    }
    for (int slot = kBitmapSlots - 1; slot >= 0; --slot) {
        const BitmapPlacement& bitmap = d.bitmaps[static_cast<size_t>(slot)];
        if (!isUsed(bitmap)) continue;
        const int zoom = view.zoomPercent;
        const LogicalRect target = {o.x + bitmap.left * zoom / 100, o.y + bitmap.top * zoom / 100,
                                    o.x + bitmap.right * zoom / 100,
                                    o.y + bitmap.bottom * zoom / 100};
        areas.bitmaps[static_cast<size_t>(slot)] = target;
        if (bitmaps) bitmaps(surface, slot, bitmap, target);
    }
    return areas;
}

}  // namespace qv

namespace qv {

LayoutMm layoutPositionMm(int x, int y, int z) {
    if (z <= 0) return {};
    return {x / z + 1, 1 - y / z};
}

bool inLayoutHitArea(int x, int y, int z, const SheetGeometry& sheet) {
    return x >= -2 * z && x <= z * sheet.labelWidthMm && y <= 2 * z &&
           y >= -z * sheet.labelHeightMm;
}

}  // namespace qv
