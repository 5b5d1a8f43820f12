// Items of a label that lie in a barcode's quiet zone: the light margin a reader needs before
// and after the bars. A frame line 0.85 mm right of an EAN-13 is enough for a common reader to
// refuse the symbol, so these are told before anything is printed.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "label/definition/label_definition.h"
#include "label/print/sheet_geometry.h"
#include "label/print/symbol_geometry.h"

namespace qv {

// The resolution the check assumes when no printer tells its own (the JAN module follows it).
constexpr int kDefaultCheckDpi = 300;

enum class Intruder { FrameLine, RuledLine, TextField, FixedText, Bitmap, Barcode };

// What is told of an item in the quiet zone: Japanese for the desktop and the layout editor,
// English for the command line ("a ruled line lies in the quiet zone").
std::string quietZoneMessageJa(Intruder item);
std::string quietZoneMessageEn(Intruder item);

// The kinds of item, each once, that lie in the quiet zones of barcode field `field` drawn as
// `place` on the label with its top-left corner at `corner`. `otherBars` are the bars of the
// label's other barcodes, by field index. What is drawn before the field (the frame, ruled
// lines, constants and fields of a lower index) counts only outside the white the symbol is
// drawn on, as it is hidden there. Text boxes are estimated from the point size (half its height
// per character), as the core does not measure fonts.
std::vector<Intruder> quietZoneIntruders(const LabelDefinition& definition, int field,
                                         const SymbolPlace& place, LogicalPoint corner,
                                         const std::vector<std::pair<int, LogicalRect>>& otherBars);

}  // namespace qv
