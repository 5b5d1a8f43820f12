// Turns a prepared and validated barcode value into the bars and spaces of its symbol, measured
// in the integer units of a drawing canvas.
//
// Canvas layout of a symbol (x grows to the right from 0):
//
//   0 ........ firstBarX ........................ symbolEnd() ........ canvasWidth
//   |  left margin  |  runs: bar, space, ..., bar  |  right margin (blank)  |
//
// The margins are not runs: `runs` starts with a bar at `firstBarX` and ends with a bar, bars and
// spaces alternate (neighbouring modules of one colour form one run), and every width is
// positive; it is empty only for a CODE 39 or NW7 value without a character to encode. The right
// margin includes the inter-character gap after the last CODE 39 or NW7 character. The drawing code
// paints each bar run over the full symbol height and blanks the rest.
//
// The encoders expect values that the barcode rules have accepted (digits for JAN and ITF; the
// characters of the sets for NW7 and CODE 39, start and stop characters included). Any other
// input is drawn safely, as documented per encoder; nothing is read outside the value.
// A module width or resolution factor below 1 counts as 1.
#pragma once

#include <string_view>
#include <vector>

namespace qv {

// One element of a symbol.
struct BarRun {
    bool bar;   // true = bar (dark), false = space
    int width;  // in canvas units
};

struct BarSymbol {
    int firstBarX = 0;    // width of the left margin: where the first run starts
    int canvasWidth = 0;  // both margins included; for JAN the end position
    std::vector<BarRun> runs;

    int symbolEnd() const;  // x just after the last run
};

// JAN: EAN-13 (13 digits) or EAN-8 (8 digits), `moduleWidth` = X canvas units per module.
// Margins: 11 modules left and right of an EAN-13 (end position 117·X), 7 left and 11 right of an
// EAN-8 (85·X). All bars have full height (no extended guard bars). A digit position that is
// missing or holds no digit stays light, so the guards keep their places; an EAN-13 whose first
// character is not a digit uses set A throughout. Characters after the 13th (8th) are ignored.
// The overload with `out` reuses its storage, for callers that encode many values.
void EncodeJan(std::string_view value, bool isEan13, int moduleWidth, BarSymbol& out);
BarSymbol EncodeJan(std::string_view value, bool isEan13, int moduleWidth);

// The width of the canvas region that is copied onto a JAN field: 107·X + 11 units, for EAN-8 too
// so that it gets the module width of an EAN-13 in the same field; with `shortJanNotAligned` an
// EAN-8 region ends at its end position (85·X) and the EAN-8 fills the field.
int janRegionWidth(bool isEan13, int moduleWidth, bool shortJanNotAligned);

// ITF (interleaved 2 of 5), `k` = resolution factor: narrow 3·k, wide 9·k, margins 20·k. Digits
// are taken in pairs from the left; a pair with a non-digit and a lone last character are encoded
// as nothing. Canvas width = (54·p + 27)·k + 40·k for p encoded pairs.
void EncodeItf(std::string_view value, int k, BarSymbol& out);
BarSymbol EncodeItf(std::string_view value, int k);

// NW7 (Codabar) and CODE 39, `k` = resolution factor: narrow 3·k, wide 7·k, a gap of 4·k after
// every character, margins of 20 units (not scaled). Every character is encoded, start and stop
// included; a character outside the NW7 pattern set (lower-case start/stop letters) or the
// CODE 39 set (upper case) is skipped. Canvas width = 20 + k·m + 20.
void EncodeNw7(std::string_view value, int k, BarSymbol& out);
BarSymbol EncodeNw7(std::string_view value, int k);
void EncodeCode39(std::string_view value, int k, BarSymbol& out);
BarSymbol EncodeCode39(std::string_view value, int k);

// m: the sum of all element and gap widths at k = 1, skipped characters not counted.
int Nw7Length(std::string_view value);
int Code39Length(std::string_view value);

}  // namespace qv
