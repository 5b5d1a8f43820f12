// The pattern tables, written out as the standards print them.
#include "label/barcode/bar_patterns.h"

namespace qv {

// EAN/UPC number set A (ISO/IEC 15420), 1 = dark module.
const std::array<std::string_view, 10> kEanSetA = {
    "0001101",  // 0
    "0011001",  // 1
    "0010011",  // 2
    "0111101",  // 3
    "0100011",  // 4
    "0110001",  // 5
    "0101111",  // 6
    "0111011",  // 7
    "0110111",  // 8
    "0001011",  // 9
};

// EAN/UPC number set B: set C read backwards.
const std::array<std::string_view, 10> kEanSetB = {
    "0100111",  // 0
    "0110011",  // 1
    "0011011",  // 2
    "0100001",  // 3
    "0011101",  // 4
    "0111001",  // 5
    "0000101",  // 6
    "0010001",  // 7
    "0001001",  // 8
    "0010111",  // 9
};

// EAN/UPC number set C: set A with dark and light swapped.
const std::array<std::string_view, 10> kEanSetC = {
    "1110010",  // 0
    "1100110",  // 1
    "1101100",  // 2
    "1000010",  // 3
    "1011100",  // 4
    "1001110",  // 5
    "1010000",  // 6
    "1000100",  // 7
    "1001000",  // 8
    "1110100",  // 9
};

// EAN-13 number sets of the six left-half digits by the first digit, 1 = set B.
const std::array<std::string_view, 10> kEan13LeftParity = {
    "000000",  // 0  AAAAAA
    "001011",  // 1  AABABB
    "001101",  // 2  AABBAB
    "001110",  // 3  AABBBA
    "010011",  // 4  ABAABB
    "011001",  // 5  ABBAAB
    "011100",  // 6  ABBBAA
    "010101",  // 7  ABABAB
    "010110",  // 8  ABABBA
    "011010",  // 9  ABBABA
};

// Interleaved 2 of 5 (ISO/IEC 16390), 1 = wide. The first digit of a pair gives its five bars,
// the second its five spaces.
const std::array<std::string_view, 10> kItfDigitPatterns = {
    "00110",  // 0  NNWWN
    "10001",  // 1  WNNNW
    "01001",  // 2  NWNNW
    "11000",  // 3  WWNNN
    "00101",  // 4  NNWNW
    "10100",  // 5  WNWNN
    "01100",  // 6  NWWNN
    "00011",  // 7  NNNWW
    "10010",  // 8  WNNWN
    "01010",  // 9  NWNWN
};

// CODE 39 (ISO/IEC 16388), B = bar, s = space, 1 = wide.
const std::array<std::string_view, kCode39Characters.size()> kCode39Patterns = {
    // "BsBsBsBsB"
    "000110100",  // 0
    "100100001",  // 1
    "001100001",  // 2
    "101100000",  // 3
    "000110001",  // 4
    "100110000",  // 5
    "001110000",  // 6
    "000100101",  // 7
    "100100100",  // 8
    "001100100",  // 9
    "100001001",  // A
    "001001001",  // B
    "101001000",  // C
    "000011001",  // D
    "100011000",  // E
    "001011000",  // F
    "000001101",  // G
    "100001100",  // H
    "001001100",  // I
    "000011100",  // J
    "100000011",  // K
    "001000011",  // L
    "101000010",  // M
    "000010011",  // N
    "100010010",  // O
    "001010010",  // P
    "000000111",  // Q
    "100000110",  // R
    "001000110",  // S
    "000010110",  // T
    "110000001",  // U
    "011000001",  // V
    "111000000",  // W
    "010010001",  // X
    "110010000",  // Y
    "011010000",  // Z
    "010000101",  // -
    "110000100",  // .
    "011000100",  // space
    "010101000",  // $
    "010100010",  // /
    "010001010",  // +
    "000101010",  // %
    "010010100",  // *  start/stop
};

// Codabar (AIM USS-Codabar), B = bar, s = space, 1 = wide. The start/stop characters A to D
// have the alternative names T, N, * and E; all are stored in lower case.
const std::array<std::string_view, kNw7PatternCharacters.size()> kNw7Patterns = {
    // "BsBsBsB"
    "0000011",  // 0
    "0000110",  // 1
    "0001001",  // 2
    "1100000",  // 3
    "0010010",  // 4
    "1000010",  // 5
    "0100001",  // 6
    "0100100",  // 7
    "0110000",  // 8
    "1001000",  // 9
    "0011010",  // a  start/stop A
    "0011010",  // t  start/stop A
    "0101001",  // b  start/stop B
    "0101001",  // n  start/stop B
    "0001011",  // c  start/stop C
    "0001011",  // *  start/stop C
    "0001110",  // d  start/stop D
    "0001110",  // e  start/stop D
    "1010100",  // .
    "0010101",  // +
    "1000101",  // :
    "1010001",  // /
    "0011000",  // backslash, drawn as "$"
    "0011000",  // $
    "0001100",  // -
};

}  // namespace qv
