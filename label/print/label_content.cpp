#include "label/print/label_content.h"

#include <algorithm>

#include "common/sjis_text.h"
#include "label/barcode/barcode_drawer.h"
#include "label/barcode/barcode_rules.h"
#include "label/definition/definition_bits.h"
#include "label/definition/literal_entry.h"
#include "label/definition/tenths_of_mm.h"
#include "label/print/font_template.h"
#include "label/print/sheet_geometry.h"

namespace qv {

namespace {

constexpr int kOuterFramePen = 6;  // 0.6 mm
constexpr int kInnerFramePen = 3;  // 0.3 mm

// How far the running number goes up on one label: once for every "\@" literal it draws.
int serialStepPerLabel(const LabelDefinition& d, const MacroTimestamp& time,
                       const DateSettings& date) {
    int counter = 0;
    for (const LiteralPlacement& literal : d.literals) {
        if (!isPlaced(literal)) continue;
        if (!isUsed(literal)) break;
        (void)expandLiteralText(parseLiteralEntry(literal.entry).text, counter, time, date);
    }
    return counter;
}

LogicalPoint inLabel(LogicalPoint corner, int scale, int xMm, int yMm) {
    return {corner.x + scale * xMm, corner.y - scale * yMm};
}

Rgb textColourOf(const DrawSurface& surface, int colourIndex) {
    return surface.colourCount() == 2 ? kBlack : colourOfIndex(colourIndex);
}

void drawLiteral(DrawSurface& surface, const LiteralPlacement& literal, LogicalPoint corner,
                 int scale, int& labelCounter, const MacroTimestamp& time,
                 const DateSettings& date) {
    const LiteralText parts = parseLiteralEntry(literal.entry);
    surface.setTextColor(colourOfIndex(parts.colourIndex));
    const std::string text = expandLiteralText(parts.text, labelCounter, time, date);
    FontSpec font = fontTemplate();
    setFaceAndHeight(font, literalFaceName(parts), pointsAtScale(literal.pointSize, scale));
    setStyle(font, textStyleOf(literal));
    const FontSpec previous = surface.selectFont(font);
    const LogicalPoint at = inLabel(corner, scale, literal.xMm, literal.yMm);
    surface.textOut(at.x, at.y, text);
    surface.selectFont(previous);
}

void drawLabelConstants(DrawSurface& surface, const LabelDefinition& d, LogicalPoint corner,
                        int scale, int& labelCounter, const MacroTimestamp& time,
                        const DateSettings& date, const BitmapPainter& bitmaps) {
    for (int slot = kBitmapSlots - 1; slot >= 0 && bitmaps; --slot) {
        const BitmapPlacement& bitmap = d.bitmaps[static_cast<size_t>(slot)];
        if (!isUsed(bitmap)) continue;
        const auto at = [scale](int base, int tenths) {
            return static_cast<long long>(base) +
                   static_cast<long long>(tenths) * scale / kTenthsPerMm;
        };
        const long long edges[] = {at(corner.x, bitmap.left), at(corner.y, bitmap.top),
                                   at(corner.x, bitmap.right), at(corner.y, bitmap.bottom)};
        // A rectangle beyond any page is a damaged value: nothing of it could be seen.
        if (std::any_of(std::begin(edges), std::end(edges),
                        [](long long v) { return v < -kMostMm || v > kMostMm; })) {
            continue;
        }
        const LogicalRect target = {static_cast<int>(edges[0]), static_cast<int>(edges[1]),
                                    static_cast<int>(edges[2]), static_cast<int>(edges[3])};
        bitmaps(surface, slot, bitmap, target);
    }
    for (const LiteralPlacement& literal : d.literals) {
        if (!isPlaced(literal)) continue;
        if (!isUsed(literal)) break;  // the first placed slot without text ends them
        drawLiteral(surface, literal, corner, scale, labelCounter, time, date);
    }
}

// The most bytes of a text field value that can reach the paper. No glyph is narrower than a
// tenth of the font height and a character takes at most two bytes, so the rest of a longer value
// would only be laid out beyond the paper's edge.
size_t mostBytesShown(const SheetGeometry& sheet, bool vertical, int fontHeight, int scale) {
    const long long spanMm = std::max(0, vertical ? sheet.paperHeightMm : sheet.paperWidthMm);
    const long long height = std::max(1, std::abs(fontHeight));
    return static_cast<size_t>(2 * (spanMm * scale * 10 / height + 1));
}

}  // namespace

BitmapPainter paintLoadedBitmaps(const LoadedBitmaps& bitmaps) {
    return [&bitmaps](DrawSurface& surface, int slot, const BitmapPlacement&,
                      const LogicalRect& target) {
        const LoadedBitmap& bitmap = bitmaps[static_cast<size_t>(slot)];
        if (bitmap.loaded()) surface.drawBitmap(bitmap.image(), target);
    };
}

LogicalPoint labelCorner(const SheetGeometry& sheet, const PagePlacement& place, int column,
                         int row) {
    const CellRect cell = cellRect(sheet, column, row);
    return inLabel(place.origin, place.scale, cell.leftMm, cell.topMm);
}

void drawGridFrame(DrawSurface& surface, const SheetGeometry& sheet) {
    const int s = kLogicalUnitsPerMm;
    const long long width = static_cast<long long>(sheet.maxColumns) * sheet.labelWidthMm;
    const long long height = static_cast<long long>(sheet.maxRows) * sheet.labelHeightMm;
    const int left = s * sheet.firstLabelLeftMm;
    const int top = -s * sheet.firstLabelTopMm;
    const int right = s * heldMm(sheet.firstLabelLeftMm + width);
    const int bottom = -s * heldMm(sheet.firstLabelTopMm + height);
    surface.selectSolidPen(kOuterFramePen, kBlack);
    surface.rectangle({left, top, right, bottom});
    surface.selectSolidPen(kInnerFramePen, kBlack);
    // Only the lines between labels that reach onto the paper.
    const GridRange shown = visibleGrid(sheet);
    for (int k = std::max(1, shown.firstColumn); k < shown.endColumn; ++k) {
        surface.moveTo(left + s * k * sheet.labelWidthMm, top);
        surface.lineTo(left + s * k * sheet.labelWidthMm, bottom);
    }
    for (int k = std::max(1, shown.firstRow); k < shown.endRow; ++k) {
        surface.moveTo(left, top - s * k * sheet.labelHeightMm);
        surface.lineTo(right, top - s * k * sheet.labelHeightMm);
    }
    surface.selectBlackPen();
}

void drawLabelFrames(DrawSurface& surface, const SheetGeometry& sheet, int firstLabel) {
    const int s = kLogicalUnitsPerMm;
    const auto edge = [&](bool outer, int x1, int y1, int x2, int y2) {
        surface.selectSolidPen(outer ? kOuterFramePen : kInnerFramePen, kBlack);
        surface.moveTo(s * x1, -s * y1);
        surface.lineTo(s * x2, -s * y2);
    };
    forEachLabelIn(sheet, visibleGrid(sheet), [&](long long index, GridCell cell) {
        if (index < firstLabel) return true;
        const CellRect r = cellRect(sheet, cell.column, cell.row);
        const int right = r.leftMm + r.widthMm;
        const int bottom = r.topMm + r.heightMm;
        edge(cell.row == 0, r.leftMm, r.topMm, right, r.topMm);
        edge(cell.column == sheet.maxColumns - 1, right, r.topMm, right, bottom);
        edge(cell.row == sheet.maxRows - 1, right, bottom, r.leftMm, bottom);
        edge(cell.column == 0, r.leftMm, bottom, r.leftMm, r.topMm);
        return true;
    });
    surface.selectBlackPen();
}

void drawRuledLines(DrawSurface& surface, const LabelDefinition& d, const PagePlacement& place,
                    int firstLabel) {
    surface.selectBlackPen();
    const GridRange shown = visibleGrid(d.sheet);
    for (int row = shown.firstRow; row < shown.endRow; ++row) {
        for (int column = shown.firstColumn; column < shown.endColumn; ++column) {
            if (firstLabel > 0 && indexOfCell(d.sheet, {column, row}) < firstLabel) continue;
            const LogicalPoint corner = labelCorner(d.sheet, place, column, row);
            for (const RuledLine& line : d.ruledLines) {
                if (!isUsed(line)) continue;
                // The stored y values are already negative downward.
                const auto at = [&](int base, int32_t mm) {
                    return base + place.scale * heldMm(mm);
                };
                surface.moveTo(at(corner.x, line.startX), at(corner.y, line.startY));
                surface.lineTo(at(corner.x, line.endX), at(corner.y, line.endY));
            }
        }
    }
}

void drawConstants(DrawSurface& surface, const LabelDefinition& d, const PagePlacement& place,
                   int& labelCounter, const MacroTimestamp& time, const DateSettings& date,
                   const BitmapPainter& bitmaps, int firstLabel) {
    surface.setBackgroundTransparent(true);
    // Labels off the paper are not drawn, but their running numbers are still counted; the
    // blank labels of a partly used sheet count none.
    const long long step = serialStepPerLabel(d, time, date);
    const long long pageStart = labelCounter;
    forEachLabelIn(d.sheet, visibleGrid(d.sheet), [&](long long index, GridCell cell) {
        if (index < firstLabel) return true;
        labelCounter = wrappedCounter(pageStart + (index - firstLabel) * step);
        drawLabelConstants(surface, d, labelCorner(d.sheet, place, cell.column, cell.row),
                           place.scale, labelCounter, time, date, bitmaps);
        return true;
    });
    labelCounter =
        wrappedCounter(pageStart + static_cast<long long>(labelsPerPage(d.sheet)) * step);
}

void drawTextField(DrawSurface& surface, const LabelDefinition& d, int k, const std::string& value,
                   LogicalPoint corner, int scale) {
    const FieldPlacement& field = d.fields[static_cast<size_t>(k)];
    if (field.pointSize <= 0) return;
    const bool vertical = isVerticalText(field);
    FontSpec font = fontTemplate();
    const std::string face = isListEntry(field.fontName) ? field.fontName : kDefaultFaceName;
    const int height = pointsAtScale(field.pointSize, scale);
    setFaceAndHeight(font, vertical ? "@" + face : face, height);
    setStyle(font, textStyleOf(field));
    if (vertical) font.escapement = 900;
    const FontSpec previous = surface.selectFont(font);
    const size_t most = mostBytesShown(d.sheet, vertical, height, scale);
    const std::string shown = value.size() > most ? sjis::truncateBytes(value, most) : value;
    const size_t length =
        std::min(static_cast<size_t>(std::max(d.dataFile.fieldLengths[k], 0)), most);
    const TextSize b = surface.textExtent(shown, length);
    const TextSize t = surface.textExtent(shown, sjis::characterCount(shown));
    const LogicalPoint p = inLabel(corner, scale, field.xMm, field.yMm);
    const LogicalRect box = vertical ? LogicalRect{p.x, p.y, p.x + b.cy, p.y - b.cx}
                                     : LogicalRect{p.x, p.y, p.x + b.cx, p.y - b.cy};
    const bool centred = isCentred(field.layoutFlags);
    const bool right = !centred && isRightAligned(field.layoutFlags);
    if (!vertical && (centred || right)) {
        surface.drawTextInRect(box, shown, centred ? HAlign::Centre : HAlign::Right, VAlign::Top);
    } else if (vertical && (centred || right)) {
        const int shift = centred ? (b.cx - t.cx) / 2 : b.cx - t.cx;
        surface.textOutClipped(box.right, p.y - shift, box, shown);
    } else {
        surface.textOut(vertical ? box.right : p.x, p.y, shown);
    }
    surface.selectFont(previous);
}

void drawDataLabels(DrawSurface& surface, LabelDefinition& d, DataFileReader& reader,
                    const PrintSettings& settings, int firstLabel,
                    const BarcodeObserver& observer) {
    const PagePlacement place;
    const BarcodeTextFont barFont{settings.barTextFace, settings.barTextBold};
    // The i-th record goes to the i-th label in fill order; labels off the paper are skipped.
    forEachLabelIn(d.sheet, visibleGrid(d.sheet), [&](long long index, GridCell cell) {
        if (index < firstLabel) return true;
        const long long record = index - firstLabel;
        if (index >= labelsPerPage(d.sheet) || !reader.Record(static_cast<size_t>(record))) {
            return false;
        }
        const LogicalPoint corner = labelCorner(d.sheet, place, cell.column, cell.row);
        for (int k = 0; k < kMaxFields && d.dataFile.fieldLengths[k] >= 1; ++k) {
            const FieldPlacement& field = d.fields[static_cast<size_t>(k)];
            if (!isPlaced(field)) continue;
            const std::string& value = reader.Field(static_cast<size_t>(k));
            if (barcodeKindOf(field) != BarcodeKind::Text) {
                d.barTextFlag = showsBarcodeText(field) ? 1 : 0;
                drawBarcodeField(surface, d, k, value, corner.x, corner.y, barFont);
                if (observer) observer({0, static_cast<int>(index) + 1, k, value, corner});
                continue;
            }
            surface.setTextColor(textColourOf(surface, field.colourIndex));
            drawTextField(surface, d, k, value, corner);
        }
        return true;
    });
}

}  // namespace qv
