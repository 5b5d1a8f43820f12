// Preparation of a field's value before it is drawn: start/stop characters and check-character
// placeholders as the settings ask, and a forced JAN or ITF check digit written in.
#pragma once

#include <string>
#include <string_view>

#include "label/barcode/barcode_rules.h"
#include "label/definition/barcode_kind.h"

namespace qv {

struct PreparedBarcode {
    std::string value;   // at most kMaxBarcodeValueBytes bytes
    bool ean13 = false;  // JAN only: drawn as EAN-13 (more than 8 characters), else as EAN-8
};

// The value cut to kMaxBarcodeValueBytes bytes (without splitting a double-byte character), then:
// - JAN: cut at the first space; a 7- or 12-character value gets a "0" placeholder check digit;
//   with forceCheckCharacter a wrong check digit is corrected.
// - ITF: cut at the first space; with forceCheckCharacter an odd-length value gets its check
//   digit appended.
// - NW7: addStartStop wraps it in "a" ... "a" (with a "#" before the stop when forced), then it
//   is cut at the first space; forceCheckCharacter alone puts a "#" before the last character.
// - CODE 39: addStartStop wraps it in "*" ... "*" (with a "#" before the stop when forced); what
//   follows the first stop "*" is dropped; forceCheckCharacter makes the stop "#*".
// The "#" placeholders are resolved by ValidateNw7 and ValidateCode39. A result that would grow
// past kMaxBarcodeValueBytes is returned empty, so it fails validation rather than being drawn
// without its start/stop or check character.
PreparedBarcode PrepareBarcodeValue(BarcodeKind kind, std::string_view value,
                                    const BarcodeRules& rules);

}  // namespace qv
