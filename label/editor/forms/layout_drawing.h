// What the layout editor draws: one label enlarged, with millimetre rulers and everything placed
// on it (ruled lines, the data fields by their names or as sample symbols, the literals), and
// four lines that describe the label. It gives back the rectangles the mouse is tested against.
#pragma once

#include <array>
#include <string>

#include "label/barcode/barcode_drawer.h"
#include "label/definition/label_definition.h"
#include "label/definition/tenths_of_mm.h"
#include "label/definition/text_macros.h"
#include "label/print/label_content.h"
#include "label/print/sheet_geometry.h"
#include "label/surface/draw_surface.h"

namespace qv {

struct LayoutView {
    int zoomPercent = 100;     // 50, 70, 100, 150 or 200
    LogicalPoint labelOrigin;  // the label's top-left corner on the view
    bool showFields = true;    // once a definition was loaded or a field placed
    MacroTimestamp time;       // for the date, time and weekday codes of literals
    DateSettings date;
    BarcodeTextFont barFont;
};

// Logical units per millimetre at a zoom (100 is real size).
inline int layoutScale(int zoomPercent) {
    return unitsPerMmAtZoom(zoomPercent);
}

struct LayoutHitAreas {
    LogicalRect label;
    std::array<LogicalRect, kMaxFields> fields{};      // empty for a field that is not placed
    std::array<LogicalRect, kMaxLiterals> literals{};  // empty for an empty slot
    std::array<LogicalRect, kBitmapSlots> bitmaps{};   // empty for a slot without a path
    std::string status;  // a text for the status bar, e.g. a text field of point size 0
};

LayoutHitAreas drawLayout(DrawSurface& surface, const LabelDefinition& definition,
                          const LayoutView& view, const BitmapPainter& bitmaps);

// The four lines about the label (UTF-8), as the view shows them at its top.
std::array<std::string, 4> layoutStatusLines(const LabelDefinition& definition, int zoomPercent);

// The sample value a barcode field shows in the editor, with its check character.
std::string sampleBarcodeValue(BarcodeKind kind);

// What lies in the quiet zone of barcode field `field` with the sample values, as printing at the
// default resolution would put it (UTF-8, e.g. "フィールド CODE:
// 罫線がクワイエットゾーンに入っています"); empty when nothing does. The editor marks that field
// with a red dotted frame.
std::string quietZoneWarning(const LabelDefinition& definition, int field);

}  // namespace qv

namespace qv {

// A point of the layout view in label units (relative to the label's top-left corner, y upward,
// so y <= 0 inside the label) as millimetres: X = x / z + 1, Y = 1 - y / z, truncated.
struct LayoutMm {
    int x = 0;
    int y = 0;
};
LayoutMm layoutPositionMm(int x, int y, int z);

// Where the mouse works: the label widened by 2 mm to the left and upward.
bool inLayoutHitArea(int x, int y, int z, const SheetGeometry& sheet);

}  // namespace qv
