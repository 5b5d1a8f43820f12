// The label program's barcode rules: validation of a prepared value, its check character, and the
// short message that is printed in place of a symbol that fails.
//
// Values are Shift-JIS bytes. Every routine stays inside the value whatever its bytes or length;
// a byte of a double-byte character is simply outside every character set.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "label/definition/barcode_kind.h"

namespace qv {

// A value lives in a 128-byte buffer with its terminator, so it holds at most 127 bytes.
constexpr size_t kMaxBarcodeValueBytes = 127;

// The settings that shape one field's value: three definition-wide ones and one of the field.
struct BarcodeRules {
    bool forceCheckCharacter = false;  // add or correct the check character before drawing
    bool addStartStop = false;         // wrap NW7 values in "a"..."a", CODE 39 in "*"..."*"
    int fixedLength = 0;               // above 0: ITF, NW7, CODE 39 need this many characters
    bool ignoreCheckDigit = false;     // JAN and ITF: any last digit is accepted
};

// Validators: 0 means valid. A negative code -d says the check digit should be d (-10 for 0).
// JAN: 1 length not 8 or 13 (or empty), 2 non-digit.
int ValidateJan(std::string_view value, const BarcodeRules& rules);
// ITF: 10 fixed length, 2 non-digit, 1 odd length or empty.
int ValidateItf(std::string_view value, const BarcodeRules& rules);
// NW7, lower-cased in place, a "#" before the stop character replaced by the check character:
// 7 check character not computable, 10 fixed length, 1 shorter than 3, 2 start, 3 stop,
// 4 start/stop letter inside, 5 character outside the NW7 set.
int ValidateNw7(std::string& value, const BarcodeRules& rules);
// CODE 39, upper-cased in place, a "#" before the stop "*" replaced by the check character:
// 1 fixed length or shorter than 3, 2 start or stop not "*", 4 "*" inside, 5 character outside
// the CODE 39 set, 9 "#" elsewhere or in a value shorter than 4.
int ValidateCode39(std::string& value, const BarcodeRules& rules);

// The EAN/UPC modulus-10 check digit of the digits left of the last one (weight 3 next to it,
// then 1, 3, ...): 0-9, or -1 when any character is not a digit. An empty value or a single
// digit leaves nothing to weigh and gives 0.
int Mod10CheckDigit(std::string_view value);

// Replaces the "#" just before the last character by the Codabar modulus-16 check character of
// every other character. False (value unchanged) when there is no such "#" or a character has no
// check value (the alternative start/stop forms t, n, *, e and the backslash have none).
bool Nw7CheckCharacter(std::string& value);

// Replaces the "#" just before the last character by the CODE 39 modulus-43 check character of
// the characters between the start character and the "#" (a character outside the data set
// counts 0). Nothing changes when the value is shorter than 3 or has no such "#".
void Code39CheckCharacter(std::string& value);

// The message printed in place of a failed symbol. Negative codes give the check-digit message
// with the correct digit; a code the kind does not use (10 included) gives the general one.
std::string BarcodeErrorText(BarcodeKind kind, int code);

// What the drawing code does with a field's prepared value.
struct BarcodeCheck {
    bool drawn = false;  // false for plain text and CODE 128: no symbol and no message
    int code = 0;        // the validator's code: 0 valid, otherwise for BarcodeErrorText
    bool valid() const { return drawn && code == 0; }
};

// Runs the validator of `kind` (which may change the value in place, as each validator says).
BarcodeCheck ValidateBarcode(BarcodeKind kind, std::string& value, const BarcodeRules& rules);

// Helpers shared with the data editor's validators.
bool isAsciiDigit(char c);
bool allAsciiDigits(std::string_view value);
// Upper- or lower-cases the ASCII letters, leaving both bytes of a double-byte character alone.
void toAsciiUpper(std::string& value);
void toAsciiLower(std::string& value);

}  // namespace qv
