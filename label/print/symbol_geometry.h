// Where a barcode field's bars lie on the page and the quiet zones a reader needs on both sides
// of them, taken from the drawing itself, so the check sees what is printed.
#pragma once

#include <string>
#include <string_view>

#include "label/definition/barcode_kind.h"
#include "label/definition/label_definition.h"
#include "label/print/sheet_geometry.h"
#include "label/surface/draw_surface.h"

namespace qv {

// The value a field means to show, as its drawing encodes it: prepared (start/stop, check
// character) and validated. Not `drawable` when the drawing shows an error text instead.
struct IntendedBarcode {
    BarcodeKind kind = BarcodeKind::Text;
    bool ean13 = false;
    bool drawable = false;
    std::string value;  // Shift-JIS, as encoded in the bars
};

IntendedBarcode intendedBarcode(const LabelDefinition& definition, int field,
                                std::string_view rawValue);

// The bars of one drawn symbol, in logical units (y upward), and its quiet zones: `before` on
// the side where reading starts, `after` on the other, each as high (or wide) as the bars.
struct SymbolPlace {
    bool drawn = false;  // false: nothing was drawn (an error text, an empty value)
    bool horizontal = true;
    LogicalRect bars;
    LogicalRect before;
    LogicalRect after;
    // The area the drawing paints white under the bars (a stretched canvas), which hides what
    // was drawn there before; empty when the bars are painted straight onto the page.
    LogicalRect cleared;
};

// Draws field `field` with `rawValue` on a label with its corner at `corner`, for a device of
// `dpi`, and measures it: the narrowest bar is the module (JAN) or the narrow element.
SymbolPlace symbolPlace(const LabelDefinition& definition, int field, std::string_view rawValue,
                        LogicalPoint corner, int dpi);

// Quiet zones in modules or narrow elements: EAN-13 11 before and 7 after, EAN-8 7 and 7, ITF,
// NW7 and CODE 39 10 and 10.
struct QuietModules {
    int before = 0;
    int after = 0;
};
QuietModules quietModules(BarcodeKind kind, bool ean13);

// The smallest rectangle holding both.
LogicalRect unionOf(const LogicalRect& a, const LogicalRect& b);

}  // namespace qv
