// Draws one barcode field of one label on a DrawSurface.
//
// Canvas routines lay the symbol out on a BarCanvas (bars 200 units high, the optional text in a
// 40-unit band) and stretch a region of it onto the field's rectangle. Direct routines (NW7 and
// CODE 39) paint the bars straight onto the surface with exact widths in 0.1 mm. A value that
// fails validation is replaced by its error text at the field's top-left corner; the caller is
// not told and goes on with the next field.
//
// Coordinates: logical units of the surface, x to the right and y upward (negative down the
// page). `originX`, `originY` are the surface coordinates of the label's top-left corner, so on a
// page originY <= 0. With s = scale / 10 (integer division) a field's rectangle is
//   left = originX + xMm·s, top = originY − yMm·s, width barWidthMm·s, height barHeightMm·s down,
// i.e. at scale 100 a field x mm right and y mm down in the label starts at
// (originX + 10·x, originY − 10·y).
//
// The stretch onto the surface maps the copied region's top-left corner to the target's
// (left, top) and its bottom-right corner to (right, bottom). A symbol facing left (layoutFlags
// bit 3, vertical symbols only) is turned by 180 degrees with the target {right, bottom, left,
// top} of the field: width and height both negated.
#pragma once

#include <string>
#include <string_view>

#include "label/barcode/barcode_rules.h"
#include "label/definition/barcode_kind.h"
#include "label/surface/draw_surface.h"

namespace qv {

struct BarSymbol;
struct FieldPlacement;
struct SymbolGrid;
struct LabelDefinition;

// Font of the human-readable text, from the settings "UFont" and "UBold".
struct BarcodeTextFont {
    std::string faceName = "Arial";  // as stored (Shift-JIS)
    bool bold = false;               // weight 700, else 400
};

// The label the drawer works on: its top-left corner on the surface and its size.
struct LabelFrame {
    int originX = 0;   // logical units
    int originY = 0;   // logical units, y upward: <= 0 on a page
    int widthMm = 0;   // direct mode paints nothing right of originX + 10·widthMm
    int heightMm = 0;  // direct mode ends the bars at originY − 10·heightMm
};

// What one routine call draws with, beside the field and its value.
struct BarcodeDrawOptions {
    int scale = 100;        // 100 when printing; the layout view's zoom otherwise
    bool showText = false;  // the value is printed with the bars
    Rgb colour = kBlack;    // bars and text
    BarcodeRules rules;     // for validation (fixed length, ignored check digit)
};

class BarcodeDrawer {
  public:
    BarcodeDrawer(DrawSurface& surface, const LabelFrame& label, BarcodeTextFont textFont,
                  bool shortJanNotAligned);

    // Each routine validates `value` first (which may rewrite it: case, check character) and
    // draws the symbol or the error text. A value longer than kMaxBarcodeValueBytes is cut first.
    void DrawJanHorizontal(const FieldPlacement& field, std::string& value,
                           const BarcodeDrawOptions& options, bool isEan13);
    void DrawJanVertical(const FieldPlacement& field, std::string& value,
                         const BarcodeDrawOptions& options, bool isEan13);
    // ITF, NW7 and CODE 39 are vertical when the field is narrower than it is high.
    void DrawItf(const FieldPlacement& field, std::string& value,
                 const BarcodeDrawOptions& options);
    void DrawNw7(const FieldPlacement& field, std::string& value,
                 const BarcodeDrawOptions& options);
    void DrawCode39(const FieldPlacement& field, std::string& value,
                    const BarcodeDrawOptions& options);

    // Direct bar printing, always horizontal: narrow 3·mw, wide 7·mw, gap 4·mw in 0.1 mm from
    // 2 mm right of the field's left edge; mw = moduleWidth limited to 1..3. Returns the x just
    // after the symbol (its last gap included) plus 3·mw, or 0 after an error.
    int DrawNw7Direct(const FieldPlacement& field, std::string& value,
                      const BarcodeDrawOptions& options, int moduleWidth);
    int DrawCode39Direct(const FieldPlacement& field, std::string& value,
                         const BarcodeDrawOptions& options, int moduleWidth);

    // The field's rectangle on the surface (see the top of this file), limited to int.
    LogicalRect fieldRect(const FieldPlacement& field, int scale) const;

  private:
    // A text band of direct mode: left and top edges, width, and height downward.
    struct DirectBand {
        long long left;
        long long top;
        long long width;
        long long height;
    };

    void drawJan(const FieldPlacement& field, std::string& value, const BarcodeDrawOptions& options,
                 bool isEan13, bool vertical);
    // Cuts and validates the value; draws the error text and gives false when it fails.
    bool validate(BarcodeKind kind, const FieldPlacement& field, std::string& value,
                  const BarcodeDrawOptions& options);
    void drawOnCanvas(const FieldPlacement& field, const BarSymbol& symbol, const SymbolGrid& grid,
                      int regionWidth, bool vertical, std::string_view value,
                      const BarcodeDrawOptions& options);
    bool drawOnDots(const FieldPlacement& field, const BarSymbol& symbol, const SymbolGrid& grid,
                    int regionWidth, bool vertical, std::string_view value,
                    const BarcodeDrawOptions& options);
    LogicalRect targetOf(const FieldPlacement& field, int scale, bool vertical) const;
    int drawDirect(BarcodeKind kind, const FieldPlacement& field, std::string& value,
                   const BarcodeDrawOptions& options, int moduleWidth);
    void drawDirectText(const DirectBand& band, std::string_view value, Rgb colour);
    bool paintDirectOnDots(const BarSymbol& symbol, int mw, const DirectBand& bars, Rgb colour);
    void drawErrorText(const FieldPlacement& field, const BarcodeDrawOptions& options,
                       std::string_view text);

    DrawSurface& surface_;
    LabelFrame label_;
    BarcodeTextFont textFont_;
    bool shortJanNotAligned_;
};

// Draws field `fieldIndex` of `definition` with `rawValue` on the label whose top-left corner is
// at (originX, originY), at scale 100: showText and ignoreCheckDigit from the field's attribute
// bits, black on a two-colour surface or else the field's colour, the value prepared with
// PrepareBarcodeValue, and the routine picked by kind and the definition's direct bar printing.
// Text fields, CODE 128 and an index outside the field table draw nothing.
void drawBarcodeField(DrawSurface& surface, const LabelDefinition& definition, int fieldIndex,
                      std::string_view rawValue, int originX, int originY,
                      const BarcodeTextFont& textFont);

}  // namespace qv
