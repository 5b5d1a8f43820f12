// The texts outside the label grid: the title in the band above the labels, and the footer of
// page number (centred) and output date (right-aligned) in the band below them.
#pragma once

#include <string>

#include "label/definition/label_definition.h"
#include "label/definition/text_macros.h"
#include "label/print/print_settings.h"
#include "label/print/sheet_geometry.h"
#include "label/surface/draw_surface.h"

namespace qv {

// Where and how large a page is drawn: printing uses scale 10 and the origin (0, 0); the sheet
// overview its form zoom and its own origin.
struct PagePlacement {
    bool printing = true;
    LogicalPoint origin;
    int scale = kLogicalUnitsPerMm;
};

// The page's numbering: its number, its group page number, and whether pages break by field or
// marker line (then the sub-title leads the title and the footer counts group pages).
struct PageNumbering {
    int page = 1;
    int groupPage = 1;
    bool pageBreakActive = false;
    std::string subtitle;  // Shift-JIS
};

// An empty title face becomes "ＭＳ 明朝" in the definition, as it is then saved.
void drawTitle(DrawSurface& surface, LabelDefinition& definition, const PagePlacement& place,
               const std::string& subtitle);
void drawPageNumber(DrawSurface& surface, const LabelDefinition& definition,
                    const PagePlacement& place, const PageNumbering& numbering, PageStyle style);
void drawOutputDate(DrawSurface& surface, const LabelDefinition& definition,
                    const PagePlacement& place, const MacroTimestamp& date);

// The text of the page number: "Page %d", "Page %d-%d" (group page, page) or "Page %d" (group).
std::string pageNumberText(const PageNumbering& numbering, PageStyle style);

}  // namespace qv
