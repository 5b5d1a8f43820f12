#include "label/print/page_texts.h"

#include "common/text_format.h"
#include "label/definition/tenths_of_mm.h"
#include "label/print/font_template.h"
#include "label/print/sheet_geometry.h"

namespace qv {

namespace {

constexpr int kFooterPointSize = 10;
constexpr int kFooterWeight = 400;
constexpr int kBandInsetMm = 10;  // the bands keep 10 mm from the paper's left and right edge

const HAlign kTitleHorizontal[] = {HAlign::Left, HAlign::Centre, HAlign::Right};
const VAlign kTitleVertical[] = {VAlign::Top, VAlign::Middle, VAlign::Bottom};

// The band below the label grid down to the bottom of the page.
LogicalRect footerBand(DrawSurface& surface, const LabelDefinition& d, const PagePlacement& p) {
    const SheetGeometry& s = d.sheet;
    const int gridBottomMm =
        heldMm(static_cast<long long>(s.maxRows) * s.labelHeightMm + s.firstLabelTopMm);
    const int bottom = p.printing ? -tenthsFromWholeMm(surface.verticalSizeMm())
                                  : p.origin.y - p.scale * s.paperHeightMm;
    return {p.origin.x + kBandInsetMm * p.scale, p.origin.y - p.scale * gridBottomMm,
            p.origin.x + p.scale * (s.paperWidthMm - kBandInsetMm), bottom};
}

void drawFooterText(DrawSurface& surface, const LabelDefinition& d, const PagePlacement& p,
                    const std::string& text, HAlign align) {
    FontSpec font = fontTemplate();
    setFaceAndHeight(font, "Arial", pointsAtScale(kFooterPointSize, p.scale));
    font.weight = kFooterWeight;
    const FontSpec previous = surface.selectFont(font);
    surface.setTextColor(kBlack);
    surface.drawTextInRect(footerBand(surface, d, p), text, align, VAlign::Middle);
    surface.selectFont(previous);
}

}  // namespace

void drawTitle(DrawSurface& surface, LabelDefinition& d, const PagePlacement& p,
               const std::string& subtitle) {
    if (d.titleFontName.empty()) d.titleFontName = kDefaultFaceName;
    FontSpec font = fontTemplate();
    setFaceAndHeight(font, d.titleFontName, pointsAtScale(d.titlePointSize, p.scale));
    setStyle(font, d.titleBold != 0, d.titleItalic != 0, d.titleUnderline != 0);
    const FontSpec previous = surface.selectFont(font);
    // The band above the labels, raised by 0.3 mm.
    const LogicalRect band = {p.origin.x + kBandInsetMm * p.scale, p.origin.y - p.scale + 3,
                              p.origin.x + p.scale * (d.sheet.paperWidthMm - kBandInsetMm),
                              p.origin.y - p.scale * d.sheet.firstLabelTopMm + 3};
    const int position = ((d.titlePosition % 9) + 9) % 9;
    surface.setTextColor(colourOfIndex(d.titleColourIndex));
    surface.drawTextInRect(band, subtitle + d.titleText, kTitleHorizontal[position % 3],
                           kTitleVertical[position / 3]);
    surface.selectFont(previous);
}

std::string pageNumberText(const PageNumbering& numbering, PageStyle style) {
    if (!numbering.pageBreakActive) return formatText("Page %d", numbering.page);
    if (style == PageStyle::PerGroupAndRunning) {
        return formatText("Page %d-%d", numbering.groupPage, numbering.page);
    }
    return formatText("Page %d", numbering.groupPage);
}

void drawPageNumber(DrawSurface& surface, const LabelDefinition& d, const PagePlacement& p,
                    const PageNumbering& numbering, PageStyle style) {
    if (!d.printPageNumber) return;
    drawFooterText(surface, d, p, pageNumberText(numbering, style), HAlign::Centre);
}

void drawOutputDate(DrawSurface& surface, const LabelDefinition& d, const PagePlacement& p,
                    const MacroTimestamp& date) {
    if (!d.printDate) return;
    drawFooterText(surface, d, p, formatText("%d.%d.%d", date.year, date.month, date.day),
                   HAlign::Right);
}

}  // namespace qv
