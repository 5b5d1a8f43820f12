// The sheet overview of the main view: the paper, the label grid and the page's constant content
// at the form zoom, with three lines that describe the sheet.
#pragma once

#include "label/definition/label_definition.h"
#include "label/definition/text_macros.h"
#include "label/print/label_content.h"
#include "label/print/print_settings.h"
#include "label/surface/draw_surface.h"

namespace qv {

// Where the paper and the label grid were drawn, for the view's mouse hit tests.
struct OverviewHitAreas {
    LogicalRect paper;
    LogicalRect grid;
    LogicalRect drawn;  // everything drawn, from the page's corner: the paper and the three lines
};

// The page origin of the overview: (20, -350) for the landscape kinds, (100, -300) otherwise.
LogicalPoint overviewOrigin(int paperIndex);

OverviewHitAreas drawSheetOverview(DrawSurface& surface, LabelDefinition& definition, int formZoom,
                                   const MacroTimestamp& time, const PrintSettings& settings,
                                   const BitmapPainter& bitmaps);

}  // namespace qv
