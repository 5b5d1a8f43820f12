// The bits of the definition's packed words, and the tests for an empty slot.
//
// The definition file keeps several small values in one word; this is the one place that knows
// which bit means what. The structures of label_definition.h hold the words as they are read, so
// bits without a meaning survive a load and a save.
#pragma once

#include "label/definition/barcode_kind.h"
#include "label/definition/label_definition.h"

namespace qv {

// Empty slots.

// A field is on the label when its x is not negative; -1 is stored for "not placed".
inline bool isPlaced(const FieldPlacement& field) {
    return field.xMm >= 0;
}
// A literal slot has a position unless its x is -1.
inline bool isPlaced(const LiteralPlacement& literal) {
    return literal.xMm != -1;
}
// A literal slot holds a literal when its entry is neither empty nor one blank.
inline bool isUsed(const LiteralPlacement& literal) {
    return isListEntry(literal.entry);
}
inline bool isUsed(const RuledLine& line) {
    return line.startX != -1;
}
inline bool isUsed(const BitmapPlacement& bitmap) {
    return !bitmap.path.empty();
}

// Text style: bits 0-2 of a text field's attribute word and of a literal's style byte.

struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

constexpr int kStyleBold = 0x01;
constexpr int kStyleItalic = 0x02;
constexpr int kStyleUnderline = 0x04;
constexpr int kStyleBits = kStyleBold | kStyleItalic | kStyleUnderline;

constexpr TextStyle textStyleOfWord(int word) {
    return {(word & kStyleBold) != 0, (word & kStyleItalic) != 0, (word & kStyleUnderline) != 0};
}
constexpr int styleBitsOf(const TextStyle& style) {
    return (style.bold ? kStyleBold : 0) | (style.italic ? kStyleItalic : 0) |
           (style.underline ? kStyleUnderline : 0);
}
inline TextStyle textStyleOf(const FieldPlacement& field) {
    return textStyleOfWord(field.attributes);
}
inline TextStyle textStyleOf(const LiteralPlacement& literal) {
    return textStyleOfWord(literal.style);
}
// Only the style bits of the attribute word change.
inline void setTextStyle(FieldPlacement& field, const TextStyle& style) {
    field.attributes = (field.attributes & ~kStyleBits) | styleBitsOf(style);
}
// The style byte becomes the style alone.
inline void setTextStyle(LiteralPlacement& literal, const TextStyle& style) {
    literal.style = styleBitsOf(style);
}

// A barcode field's attribute word: the kind in bits 3-7 (barcode_kind.h), two bits beside it.

constexpr int kBarcodeShowText = 0x01;          // the value is printed under the bars
constexpr int kBarcodeIgnoreCheckDigit = 0x02;  // JAN and ITF: the last digit is not compared

inline BarcodeKind barcodeKindOf(const FieldPlacement& field) {
    return barcodeKindOf(field.attributes);
}
// The whole word becomes the kind: the style, text and check digit bits are cleared.
inline void setBarcodeKind(FieldPlacement& field, BarcodeKind kind) {
    field.attributes = static_cast<int>(kind);
}

constexpr int withBit(int word, int bit, bool on) {
    return on ? (word | bit) : (word & ~bit);
}
inline bool showsBarcodeText(const FieldPlacement& field) {
    return (field.attributes & kBarcodeShowText) != 0;
}
inline void setShowsBarcodeText(FieldPlacement& field, bool on) {
    field.attributes = withBit(field.attributes, kBarcodeShowText, on);
}
inline bool ignoresCheckDigit(const FieldPlacement& field) {
    return (field.attributes & kBarcodeIgnoreCheckDigit) != 0;
}
inline void setIgnoresCheckDigit(FieldPlacement& field, bool on) {
    field.attributes = withBit(field.attributes, kBarcodeIgnoreCheckDigit, on);
}

// A field's layout flags.

constexpr int kCentredFlag = 0x01;       // text: centred in the field's length
constexpr int kRightAlignedFlag = 0x02;  // text: to the right (to the bottom when vertical)
constexpr int kAlignmentFlags = kCentredFlag | kRightAlignedFlag;
constexpr int kVerticalFlag = 0x04;   // text: written from top to bottom
constexpr int kFacesLeftFlag = 0x08;  // barcode: a vertical symbol faces left

constexpr bool isCentred(int layoutFlags) {
    return (layoutFlags & kCentredFlag) != 0;
}
constexpr bool isRightAligned(int layoutFlags) {
    return (layoutFlags & kRightAlignedFlag) != 0;
}
constexpr bool isVerticalText(int layoutFlags) {
    return (layoutFlags & kVerticalFlag) != 0;
}
constexpr bool barsFaceLeft(int layoutFlags) {
    return (layoutFlags & kFacesLeftFlag) != 0;
}
inline bool isVerticalText(const FieldPlacement& field) {
    return isVerticalText(field.layoutFlags);
}
inline bool barsFaceLeft(const FieldPlacement& field) {
    return barsFaceLeft(field.layoutFlags);
}

// The packed words of the file.

constexpr int kLowByte = 0xFF;

// A literal's size word: the point size in the low byte, the style byte above it.
inline int literalSizeWord(const LiteralPlacement& literal) {
    return (literal.pointSize & kLowByte) | ((literal.style & kLowByte) << 8);
}
inline void setLiteralSizeWord(LiteralPlacement& literal, int word) {
    literal.pointSize = word & kLowByte;
    literal.style = (word >> 8) & kLowByte;
}
// The point size that a literal's size word keeps: its low byte.
constexpr int literalPointSize(int points) {
    return points & kLowByte;
}

// A field's layout word: the layout flags in the low byte, the colour index above it.
inline int fieldLayoutWord(const FieldPlacement& field) {
    return (field.layoutFlags & kLowByte) | ((field.colourIndex & kLowByte) << 8);
}
inline void setFieldLayoutWord(FieldPlacement& field, int word) {
    field.layoutFlags = word & kLowByte;
    field.colourIndex = (word >> 8) & kLowByte;
}

}  // namespace qv
