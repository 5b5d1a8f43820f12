#include "label/print/label_content.h"

#include <algorithm>

#include "common/sjis_text.h"
#include "label/barcode/barcode_drawer.h"
#include "label/barcode/barcode_kind.h"
#include "label/definition/literal_entry.h"
#include "label/print/font_template.h"
#include "label/print/sheet_geometry.h"

namespace qv {

namespace {

constexpr int kOuterFramePen = 6;  // 0.6 mm
constexpr int kInnerFramePen = 3;  // 0.3 mm
constexpr int kVerticalWriting = 0x04;
constexpr int kCentred = 0x01;
constexpr int kRightAligned = 0x02;

// Visits every label of the grid in fill order: Z rows outer, N columns outer.
template <typename Visit>
void forEachLabel(const SheetGeometry& sheet, Visit visit) {
    for (int i = 0; i < labelsPerPage(sheet); ++i) {
        const GridCell cell = cellOfIndex(sheet, i);
        visit(i, cell.column, cell.row);
    }
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
    setStyle(font, literal.style & 1, literal.style & 2, literal.style & 4);
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
        if (bitmap.path.empty()) continue;
        const LogicalRect target = {
            corner.x + bitmap.left * scale / 10, corner.y + bitmap.top * scale / 10,
            corner.x + bitmap.right * scale / 10, corner.y + bitmap.bottom * scale / 10};
        bitmaps(surface, slot, bitmap, target);
    }
    for (const LiteralPlacement& literal : d.literals) {
        if (literal.xMm == -1) continue;
        if (!isListEntry(literal.entry)) break;  // the first placed slot without text ends them
        drawLiteral(surface, literal, corner, scale, labelCounter, time, date);
    }
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
    const int left = s * sheet.firstLabelLeftMm;
    const int top = -s * sheet.firstLabelTopMm;
    const int right = left + s * sheet.maxColumns * sheet.labelWidthMm;
    const int bottom = top - s * sheet.maxRows * sheet.labelHeightMm;
    surface.selectSolidPen(kOuterFramePen, kBlack);
    surface.rectangle({left, top, right, bottom});
    surface.selectSolidPen(kInnerFramePen, kBlack);
    for (int k = 1; k < sheet.maxColumns; ++k) {
        surface.moveTo(left + s * k * sheet.labelWidthMm, top);
        surface.lineTo(left + s * k * sheet.labelWidthMm, bottom);
    }
    for (int k = 1; k < sheet.maxRows; ++k) {
        surface.moveTo(left, top - s * k * sheet.labelHeightMm);
        surface.lineTo(right, top - s * k * sheet.labelHeightMm);
    }
    surface.selectBlackPen();
}

void drawRuledLines(DrawSurface& surface, const LabelDefinition& d, const PagePlacement& place) {
    surface.selectBlackPen();
    for (int row = 0; row < d.sheet.maxRows; ++row) {
        for (int column = 0; column < d.sheet.maxColumns; ++column) {
            const LogicalPoint corner = labelCorner(d.sheet, place, column, row);
            for (const RuledLine& line : d.ruledLines) {
                if (line.startX == -1) continue;
                // The stored y values are already negative downward.
                surface.moveTo(corner.x + place.scale * line.startX,
                               corner.y + place.scale * line.startY);
                surface.lineTo(corner.x + place.scale * line.endX,
                               corner.y + place.scale * line.endY);
            }
        }
    }
}

void drawConstants(DrawSurface& surface, const LabelDefinition& d, const PagePlacement& place,
                   int& labelCounter, const MacroTimestamp& time, const DateSettings& date,
                   const BitmapPainter& bitmaps) {
    surface.setBackgroundTransparent(true);
    forEachLabel(d.sheet, [&](int, int column, int row) {
        drawLabelConstants(surface, d, labelCorner(d.sheet, place, column, row), place.scale,
                           labelCounter, time, date, bitmaps);
    });
}

void drawTextField(DrawSurface& surface, const LabelDefinition& d, int k, const std::string& value,
                   LogicalPoint corner, int scale) {
    const FieldPlacement& field = d.fields[static_cast<size_t>(k)];
    if (field.pointSize <= 0) return;
    const bool vertical = (field.layoutFlags & kVerticalWriting) != 0;
    FontSpec font = fontTemplate();
    const std::string face = isListEntry(field.fontName) ? field.fontName : kDefaultFaceName;
    setFaceAndHeight(font, vertical ? "@" + face : face, pointsAtScale(field.pointSize, scale));
    setStyle(font, field.attributes & 1, field.attributes & 2, field.attributes & 4);
    if (vertical) font.escapement = 900;
    const FontSpec previous = surface.selectFont(font);
    const size_t length = static_cast<size_t>(std::max(d.dataFile.fieldLengths[k], 0));
    const TextSize b = surface.textExtent(value, length);
    const TextSize t = surface.textExtent(value, sjis::characterCount(value));
    const LogicalPoint p = inLabel(corner, scale, field.xMm, field.yMm);
    const LogicalRect box = vertical ? LogicalRect{p.x, p.y, p.x + b.cy, p.y - b.cx}
                                     : LogicalRect{p.x, p.y, p.x + b.cx, p.y - b.cy};
    const bool centred = (field.layoutFlags & kCentred) != 0;
    const bool right = !centred && (field.layoutFlags & kRightAligned) != 0;
    if (!vertical && (centred || right)) {
        surface.drawTextInRect(box, value, centred ? HAlign::Centre : HAlign::Right, VAlign::Top);
    } else if (vertical && (centred || right)) {
        const int shift = centred ? (b.cx - t.cx) / 2 : b.cx - t.cx;
        surface.textOutClipped(box.right, p.y - shift, box, value);
    } else {
        surface.textOut(vertical ? box.right : p.x, p.y, value);
    }
    surface.selectFont(previous);
}

void drawDataLabels(DrawSurface& surface, const LabelDefinition& d, DataFileReader& reader,
                    const PrintSettings& settings) {
    const PagePlacement place;
    const BarcodeTextFont barFont{settings.barTextFace, settings.barTextBold};
    for (int i = 0; i < labelsPerPage(d.sheet) && reader.Record(static_cast<size_t>(i)); ++i) {
        const GridCell cell = cellOfIndex(d.sheet, i);
        const LogicalPoint corner = labelCorner(d.sheet, place, cell.column, cell.row);
        for (int k = 0; k < kMaxFields && d.dataFile.fieldLengths[k] >= 1; ++k) {
            const FieldPlacement& field = d.fields[static_cast<size_t>(k)];
            if (field.xMm < 0) continue;
            const std::string& value = reader.Field(static_cast<size_t>(k));
            if (barcodeKindOf(field.attributes) != BarcodeKind::Text) {
                drawBarcodeField(surface, d, k, value, corner.x, corner.y, barFont);
                continue;
            }
            surface.setTextColor(textColourOf(surface, field.colourIndex));
            drawTextField(surface, d, k, value, corner);
        }
    }
}

}  // namespace qv
