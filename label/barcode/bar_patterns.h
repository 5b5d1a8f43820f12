// The published bar pattern tables of the symbologies that are drawn.
//
// Every pattern is a string of '0'/'1' flags in reading order (left to right). For EAN a flag is
// one module, 1 = dark; for the other symbologies a flag is one element (bar and space
// alternating, beginning with a bar), 1 = wide.
#pragma once

#include <array>
#include <string_view>

#include "label/barcode/barcode_charsets.h"

namespace qv {

// EAN/UPC (ISO/IEC 15420) number sets, 7 modules per digit, indexed by the digit.
extern const std::array<std::string_view, 10> kEanSetA;  // odd parity, left half
extern const std::array<std::string_view, 10> kEanSetB;  // even parity, left half
extern const std::array<std::string_view, 10> kEanSetC;  // right half

// EAN-13: for each first digit, which of the six left-half digits use set B (1) instead of A (0).
extern const std::array<std::string_view, 10> kEan13LeftParity;

// EAN guard patterns, 1 = dark module.
inline constexpr std::string_view kEanNormalGuard = "101";
inline constexpr std::string_view kEanCentreGuard = "01010";

// Interleaved 2 of 5 (ISO/IEC 16390): 5 elements per digit, 1 = wide.
extern const std::array<std::string_view, 10> kItfDigitPatterns;

// CODE 39 (ISO/IEC 16388): 9 elements for each character of kCode39Characters, same order.
extern const std::array<std::string_view, kCode39Characters.size()> kCode39Patterns;

// Codabar (AIM USS-Codabar): 7 elements for each character of kNw7PatternCharacters, same order.
extern const std::array<std::string_view, kNw7PatternCharacters.size()> kNw7Patterns;

}  // namespace qv
