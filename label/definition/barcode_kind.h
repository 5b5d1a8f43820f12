// The symbology of a field, held in bits 3 to 7 of its attribute word.
#pragma once

namespace qv {

enum class BarcodeKind {
    Text = 0,
    Jan = 8,
    Itf = 16,
    Nw7 = 32,
    Code39 = 64,
    Code128 = 128,  // has a code and a name, but is neither offered nor drawn
};

constexpr int kBarcodeKindMask = 0xF8;  // bits 3-7 of the attribute word

// The kind of a field's attribute word; a pattern of bits that names no kind counts as text.
BarcodeKind barcodeKindOf(int attributes);

// "JAN CODE", "ITF CODE", "NW7 CODE", "CODE 39", "CODE 128"; empty for text.
const char* barcodeKindName(BarcodeKind kind);

}  // namespace qv
