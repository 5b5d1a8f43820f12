#include "label/print/sheet_overview.h"

#include <algorithm>

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/definition/paper_table.h"
#include "label/print/font_template.h"
#include "label/print/page_texts.h"

namespace qv {

namespace {

constexpr int kPaperPen = 8;
constexpr int kGridPen = 5;
constexpr int kTextLeft = 200;
constexpr int kTextTop = -10;
constexpr int kTextHeight = 40;  // the size of the screen's stock font: about 4 mm

// The three lines about the sheet, in the stock "System" font, one below the other; gives back
// the rectangle they cover.
LogicalRect drawDescription(DrawSurface& surface, const SheetGeometry& s) {
    FontSpec font = fontTemplate();
    setFaceAndHeight(font, "System", kTextHeight);
    font.weight = 400;
    font.charSet = CharacterSet::ShiftJis;
    const FontSpec previous = surface.selectFont(font);
    surface.setBackgroundTransparent(true);
    surface.setTextColor(kBlack);
    const std::string lines[] = {
        formatText("用紙サイズ     %s  (%dmm  × %dmm) ", PaperTable::displayName(s.paperIndex),
                   s.paperWidthMm, s.paperHeightMm),
        formatText("ラベル枚数　　横 %d × 縦 %d     %lld 枚", s.maxColumns, s.maxRows,
                   static_cast<long long>(s.maxColumns) * s.maxRows),
        formatText("印刷時枠線     %s", s.noFrameLines ? "なし" : "あり"),
    };
    int y = kTextTop;
    int right = kTextLeft;
    for (const std::string& line : lines) {
        const std::string text = sjis::fromUtf8(line);
        surface.textOut(kTextLeft, y, text);
        const TextSize size = surface.textExtent(text, sjis::characterCount(text));
        right = std::max(right, kTextLeft + size.cx);
        y -= size.cy;
    }
    surface.selectFont(previous);
    return {kTextLeft, kTextTop, right, y};
}

// The paper outline and the label grid; the overview draws its grid whatever noFrameLines says.
OverviewHitAreas drawPaperAndGrid(DrawSurface& surface, const SheetGeometry& s,
                                  const PagePlacement& place) {
    const LogicalPoint o = place.origin;
    const int z = place.scale;
    OverviewHitAreas areas;
    areas.paper = {o.x, o.y, o.x + z * s.paperWidthMm, o.y - z * s.paperHeightMm};
    surface.selectSolidPen(kPaperPen, kBlack);
    surface.rectangle(areas.paper);
    const LogicalPoint corner = labelCorner(s, place, 0, 0);
    const long long width = static_cast<long long>(s.maxColumns) * s.labelWidthMm;
    const long long height = static_cast<long long>(s.maxRows) * s.labelHeightMm;
    areas.grid = {corner.x, corner.y, corner.x + z * heldMm(width), corner.y - z * heldMm(height)};
    surface.selectSolidPen(kGridPen, kBlack);
    surface.rectangle(areas.grid);
    surface.selectBlackPen();
    // Only the lines between labels that reach onto the paper.
    const GridRange shown = visibleGrid(s);
    for (int k = std::max(1, shown.firstColumn); k < shown.endColumn; ++k) {
        surface.moveTo(corner.x + z * k * s.labelWidthMm, areas.grid.top);
        surface.lineTo(corner.x + z * k * s.labelWidthMm, areas.grid.bottom);
    }
    for (int k = std::max(1, shown.firstRow); k < shown.endRow; ++k) {
        surface.moveTo(areas.grid.left, corner.y - z * k * s.labelHeightMm);
        surface.lineTo(areas.grid.right, corner.y - z * k * s.labelHeightMm);
    }
    return areas;
}

}  // namespace

LogicalPoint overviewOrigin(int paperIndex) {
    return PaperTable::isLandscapeKind(paperIndex) ? LogicalPoint{20, -350}
                                                   : LogicalPoint{100, -300};
}

OverviewHitAreas drawSheetOverview(DrawSurface& surface, LabelDefinition& d, int formZoom,
                                   const MacroTimestamp& time, const PrintSettings& settings,
                                   const BitmapPainter& bitmaps) {
    const LogicalRect text = drawDescription(surface, d.sheet);
    const PagePlacement place{false, overviewOrigin(d.sheet.paperIndex), formZoom};
    OverviewHitAreas areas = drawPaperAndGrid(surface, d.sheet, place);
    areas.drawn = {0, 0, std::max(text.right, areas.paper.right),
                   std::min(text.bottom, areas.paper.bottom)};
    drawRuledLines(surface, d, place);
    int labelCounter = labelCounterAtPageStart(1, labelsPerPage(d.sheet), d.serialStartNumber);
    drawConstants(surface, d, place, labelCounter, time, settings.date, bitmaps);
    drawTitle(surface, d, place, "");
    drawPageNumber(surface, d, place, PageNumbering{}, settings.pageStyle);
    drawOutputDate(surface, d, place, time);
    return areas;
}

}  // namespace qv
