// The calibration sheet: a page of the paper with crosshairs at known distances from its edges
// and fine scales across each edge, from which the user reads how far a printer puts the page
// off the paper.
//
// Each scale runs across the middle of one edge, from 5 mm outside to 5 mm inside the paper as
// it is designed, with a tick every 0.5 mm and a number every 2 mm. The tick at distance v from
// the designed edge (v growing to the right and down) is numbered v, so the number where the real
// paper edge cuts a scale is the correction: typed as the printer's offset, it moves the page
// onto the paper (x to the right, y down). The crosshairs lie 10 mm from both edges of every
// corner, for paper whose edges the printer cannot reach.
#pragma once

#include <string>

#include "label/print/printer_adjustment.h"
#include "label/surface/draw_surface.h"

namespace qv {

struct CalibrationSheet {
    double widthMm = 0;  // the paper as printed (its orientation)
    double heightMm = 0;
    std::string printerName;  // UTF-8, shown on the sheet
    PrinterOffset offset;     // the offset the sheet is printed with, shown on it
};

// Distance of the crosshairs from the paper's edges.
constexpr int kCrosshairDistanceMm = 10;
// How far each scale reaches beyond and inside the designed edge.
constexpr int kScaleReachMm = 5;

void drawCalibrationSheet(DrawSurface& surface, const CalibrationSheet& sheet);

}  // namespace qv
