// Symbol geometry: margins, guards, element widths and canvas widths of each symbology.
//
// Expected module and element strings are worked out by hand from the published tables
// (ISO/IEC 15420, 16390, 16388, AIM USS-Codabar); widths from the canvas rules (narrow, wide, gap
// and margin units). Whether the bars scan is checked separately by zbar_decode_test.
#include "label/barcode/bar_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "label/barcode/barcode_charsets.h"

namespace qv {
namespace {

// The runs from firstBarX as one character per `unit` canvas units: '1' bar, '0' space; '?'
// for a run that is not a whole number of units.
std::string modules(const BarSymbol& s, int unit) {
    std::string out;
    for (const BarRun& run : s.runs) {
        if (run.width % unit != 0) return out + "?";
        out.append(run.width / unit, run.bar ? '1' : '0');
    }
    return out;
}

// The runs as element flags: '0' narrow, '1' wide, '|' the gap between two characters, '?' for
// any other width.
std::string elements(const BarSymbol& s, int k) {
    std::string out;
    for (const BarRun& run : s.runs) {
        if (run.width == 3 * k)
            out += '0';
        else if (run.width == 7 * k)
            out += '1';
        else if (!run.bar && run.width == 4 * k)
            out += '|';
        else
            out += '?';
    }
    return out;
}

// Runs start and end with a bar, alternate, have positive widths and fit the canvas.
void expectWellFormed(const BarSymbol& s, int rightMargin) {
    ASSERT_FALSE(s.runs.empty());
    EXPECT_TRUE(s.runs.front().bar);
    EXPECT_TRUE(s.runs.back().bar);
    for (size_t i = 0; i < s.runs.size(); ++i) {
        EXPECT_GT(s.runs[i].width, 0) << "run " << i;
        if (i > 0) {
            EXPECT_NE(s.runs[i].bar, s.runs[i - 1].bar) << "run " << i;
        }
    }
    EXPECT_EQ(s.symbolEnd() + rightMargin, s.canvasWidth);
}

// ---- JAN -------------------------------------------------------------------------------------

struct JanCase {
    const char* name;
    const char* value;
    bool isEan13;
    int x;
    int firstBarX;
    int symbolEnd;
    int canvasWidth;
    std::string modules;  // the symbol, guards included, one character per module
};

class JanEncoding : public testing::TestWithParam<JanCase> {};

TEST_P(JanEncoding, PlacesGuardsDigitsAndMargins) {
    const JanCase& c = GetParam();
    BarSymbol s = EncodeJan(c.value, c.isEan13, c.x);
    EXPECT_EQ(s.firstBarX, c.firstBarX);
    EXPECT_EQ(s.symbolEnd(), c.symbolEnd);
    EXPECT_EQ(s.canvasWidth, c.canvasWidth);
    EXPECT_EQ(modules(s, c.x), c.modules);
    expectWellFormed(s, 11 * c.x);  // 11 modules after the right guard
}

// Module strings written with a space between characters, for reading.
std::string unspaced(std::string_view spaced) {
    std::string out;
    for (char c : spaced) {
        if (c != ' ') out += c;
    }
    return out;
}

// First digit 4: left half in sets A B A A B B.
const std::string k4901234567894 =
    unspaced("101 0001011 0100111 0011001 0010011 0100001 0011101") +       // guard 9 0 1 2 3 4
    unspaced("01010 1001110 1010000 1000100 1001000 1110100 1011100 101");  // 5 6 7 8 9 4 guard

// The GS1 example number; first digit 5: left half in sets A B B A A B.
const std::string k5901234123457 =
    unspaced("101 0001011 0100111 0110011 0010011 0111101 0011101") +       // guard 9 0 1 2 3 4
    unspaced("01010 1100110 1101100 1000010 1011100 1001110 1000100 101");  // 1 2 3 4 5 7 guard

// EAN-8: left half in set A.
const std::string k96385074 = unspaced("101 0001011 0101111 0111101 0110111") +  // guard 9 6 3 8
                              unspaced("01010 1001110 1110010 1000100 1011100 101");  // 5 0 7 4

INSTANTIATE_TEST_SUITE_P(
    Symbols, JanEncoding,
    testing::Values(
        // 11·X quiet zone, 95 modules from 22 to 212, end position 117·X
        JanCase{"Ean13_4901234567894_X2", "4901234567894", true, 2, 22, 212, 234, k4901234567894},
        JanCase{"Ean13_5901234123457_X1", "5901234123457", true, 1, 11, 106, 117, k5901234123457},
        JanCase{"Ean13_5901234123457_X3", "5901234123457", true, 3, 33, 318, 351, k5901234123457},
        // 7·X quiet zone, 67 modules from 14 to 148, end position 85·X
        JanCase{"Ean8_96385074_X2", "96385074", false, 2, 14, 148, 170, k96385074},
        JanCase{"Ean8_96385074_X5", "96385074", false, 5, 35, 370, 425, k96385074}),
    [](const testing::TestParamInfo<JanCase>& info) { return std::string(info.param.name); });

TEST(JanRegion, IsAnEan13WidthUnlessShortJanIsNotAligned) {
    EXPECT_EQ(janRegionWidth(true, 2, false), 225);  // 107·2 + 11
    EXPECT_EQ(janRegionWidth(true, 2, true), 225);   // the setting concerns EAN-8 only
    EXPECT_EQ(janRegionWidth(false, 2, false), 225);
    EXPECT_EQ(janRegionWidth(false, 2, true), 170);  // the EAN-8 end position 85·2
    EXPECT_EQ(janRegionWidth(true, 9, false), 974);  // a 40 mm field at 600 dpi
}

TEST(JanUnexpectedValue, KeepsTheGuardsInPlace) {
    // A letter leaves its 7 modules light.
    std::string withLetter = k4901234567894;
    withLetter.replace(3 + 7 * 6 + 5 + 7 * 1, 7, "0000000");  // the second right digit
    EXPECT_EQ(modules(EncodeJan("49012345A7894", true, 2), 2), withLetter);
    // A first character that is no digit selects set A throughout, like 0.
    EXPECT_EQ(modules(EncodeJan("X901234567894", true, 1), 1),
              modules(EncodeJan("0901234567894", true, 1), 1));
    // Characters after the 8th are ignored; a short value is padded with light modules.
    EXPECT_EQ(modules(EncodeJan("96385074999", false, 1), 1), k96385074);
    BarSymbol empty = EncodeJan("", false, 2);
    EXPECT_EQ(modules(empty, 2),
              "101" + std::string(28, '0') + "01010" + std::string(28, '0') + "101");
    EXPECT_EQ(empty.canvasWidth, 170);
}

// ---- ITF -------------------------------------------------------------------------------------

struct ItfCase {
    const char* name;
    const char* value;
    int k;
    int canvasWidth;
    std::string modules;  // one character per narrow width (3·k); empty = not compared
};

class ItfEncoding : public testing::TestWithParam<ItfCase> {};

TEST_P(ItfEncoding, InterleavesPairsBetweenStartAndStop) {
    const ItfCase& c = GetParam();
    BarSymbol s = EncodeItf(c.value, c.k);
    EXPECT_EQ(s.firstBarX, 20 * c.k);
    EXPECT_EQ(s.canvasWidth, c.canvasWidth);
    if (!c.modules.empty()) {
        EXPECT_EQ(modules(s, 3 * c.k), c.modules);
    }
    expectWellFormed(s, 20 * c.k);
}

const std::string kItfStart = "1010";  // bar, space, bar, space, narrow
const std::string kItfStop = "11101";  // wide bar, narrow space, narrow bar
const std::string kPair12 =
    unspaced("111 0 1 000 1 0 1 0 111 000");  // bars 1 WNNNW, spaces 2 NWNNW
const std::string kPair90 =
    unspaced("1 0 111 0 1 000 111 000 1 0");  // bars 9 NWNWN, spaces 0 NNWWN

INSTANTIATE_TEST_SUITE_P(
    Symbols, ItfEncoding,
    testing::Values(ItfCase{"Pair12_K1", "12", 1, 81 + 40, kItfStart + kPair12 + kItfStop},
                    ItfCase{"Pair90_K2", "90", 2, 81 * 2 + 80, kItfStart + kPair90 + kItfStop},
                    ItfCase{"Pairs1290_K1", "1290", 1, 135 + 40,
                            kItfStart + kPair12 + kPair90 + kItfStop},
                    ItfCase{"SixDigits_K1", "123456", 1, 162 + 27 + 40, ""},
                    ItfCase{"TwentyDigits_K3", "12345678901234567890", 3, (540 + 27) * 3 + 120, ""},
                    // a pair with a non-digit and a lone last digit are encoded as nothing
                    ItfCase{"LoneLastDigit", "123", 1, 121, kItfStart + kPair12 + kItfStop},
                    ItfCase{"PairWithLetter", "1A90", 1, 121, kItfStart + kPair90 + kItfStop},
                    ItfCase{"Empty", "", 1, 67, kItfStart + kItfStop}),
    [](const testing::TestParamInfo<ItfCase>& info) { return std::string(info.param.name); });

// ---- CODE 39 and NW7 -------------------------------------------------------------------------

struct WideNarrowCase {
    const char* name;
    std::string value;
    int k;
    int m;
    std::string elements;  // per character its element flags (1 = wide), '|' = gap
};

// Each character ends in a 4·k gap (part of m, drawn as right margin after the last one).
void expectWideNarrow(const WideNarrowCase& c, const BarSymbol& s, int m) {
    EXPECT_EQ(m, c.m);
    EXPECT_EQ(s.firstBarX, 20);
    EXPECT_EQ(s.canvasWidth, 20 + c.k * c.m + 20);
    EXPECT_EQ(elements(s, c.k), c.elements);
    if (c.m > 0) {
        expectWellFormed(s, 4 * c.k + 20);
    }
}

class Code39Encoding : public testing::TestWithParam<WideNarrowCase> {};

TEST_P(Code39Encoding, EncodesEveryCharacterWithItsGap) {
    const WideNarrowCase& c = GetParam();
    expectWideNarrow(c, EncodeCode39(c.value, c.k), Code39Length(c.value));
}

const std::string kC39Star = "010010100";
const std::string kC39A = "100001001";

INSTANTIATE_TEST_SUITE_P(
    Symbols, Code39Encoding,
    testing::Values(
        // 3 wide (21) + 6 narrow (18) + gap 4 = 43 per character
        WideNarrowCase{"StarAStar_K1", "*A*", 1, 129, kC39Star + "|" + kC39A + "|" + kC39Star},
        WideNarrowCase{"StarAStar_K2", "*A*", 2, 129, kC39Star + "|" + kC39A + "|" + kC39Star},
        WideNarrowCase{"SymbolsWMinusDotSpace", "*W-. *", 1, 6 * 43,
                       kC39Star + "|111000000|010000101|110000100|011000100|" + kC39Star},
        // outside the set: lower case, bytes of other code pages, NUL
        WideNarrowCase{"LowerCaseSkipped", "*a*", 1, 86, kC39Star + "|" + kC39Star},
        WideNarrowCase{"OtherBytesSkipped", std::string("*\xff\x80#\0A*", 7), 1, 129,
                       kC39Star + "|" + kC39A + "|" + kC39Star},
        WideNarrowCase{"Empty", "", 1, 0, ""}),
    [](const testing::TestParamInfo<WideNarrowCase>& info) {
        return std::string(info.param.name);
    });

TEST(Code39Length, Is43UnitsPerCharacter) {
    // Every CODE 39 character has 3 wide elements of its 9 (21 + 18 units) and a gap of 4.
    for (char c : kCode39Characters) EXPECT_EQ(Code39Length(std::string(1, c)), 43) << c;
    EXPECT_EQ(Code39Length(kCode39Characters), 44 * 43);
}

class Nw7Encoding : public testing::TestWithParam<WideNarrowCase> {};

TEST_P(Nw7Encoding, EncodesEveryCharacterWithItsGap) {
    const WideNarrowCase& c = GetParam();
    expectWideNarrow(c, EncodeNw7(c.value, c.k), Nw7Length(c.value));
}

// Start/stop A-D and ":", "/", ".", "+" have 3 wide elements (21 + 12 + 4 = 37 units with the
// gap); digits, "-" and "$" have 2 (14 + 15 + 4 = 33).
INSTANTIATE_TEST_SUITE_P(
    Symbols, Nw7Encoding,
    testing::Values(
        WideNarrowCase{"A0A_K1", "a0a", 1, 37 + 33 + 37, "0011010|0000011|0011010"},
        WideNarrowCase{"A0A_K3", "a0a", 3, 37 + 33 + 37, "0011010|0000011|0011010"},
        WideNarrowCase{"B19D", "b19d", 1, 37 + 33 + 33 + 37, "0101001|0000110|1001000|0001110"},
        WideNarrowCase{"ThreeWideInner", "c:/.+c", 1, 6 * 37,
                       "0001011|1000101|1010001|1010100|0010101|0001011"},
        WideNarrowCase{"TwoWideInner", "d-$d", 1, 37 + 33 + 33 + 37,
                       "0001110|0001100|0011000|0001110"},
        // t, n, *, e are drawn as A, B, C, D; a backslash as "$"
        WideNarrowCase{"AlternativeStartStop", "tn*e", 1, 4 * 37,
                       "0011010|0101001|0001011|0001110"},
        WideNarrowCase{"BackslashAsDollar", "a\\a", 1, 37 + 33 + 37, "0011010|0011000|0011010"},
        // outside the set: upper-case start/stop letters, "#", other bytes
        WideNarrowCase{"UpperCaseSkipped", "A5A", 1, 33, "1000010"},
        WideNarrowCase{"OtherBytesSkipped", std::string("a#\xa0") + "5a", 1, 37 + 33 + 37,
                       "0011010|1000010|0011010"},
        WideNarrowCase{"Empty", "", 1, 0, ""}),
    [](const testing::TestParamInfo<WideNarrowCase>& info) {
        return std::string(info.param.name);
    });

TEST(Nw7Length, CountsTwoOrThreeWideElementsPerCharacter) {
    for (char c : std::string("0123456789-$\\")) EXPECT_EQ(Nw7Length(std::string(1, c)), 33) << c;
    for (char c : std::string("atbnc*de:/.+")) EXPECT_EQ(Nw7Length(std::string(1, c)), 37) << c;
}

TEST(ScaleBelowOne, CountsAsOne) {
    EXPECT_EQ(EncodeJan("4901234567894", true, 0).canvasWidth, 117);
    EXPECT_EQ(janRegionWidth(true, -1, false), 118);
    EXPECT_EQ(EncodeItf("12", 0).canvasWidth, 121);
    EXPECT_EQ(EncodeCode39("*A*", 0).canvasWidth, 169);
    EXPECT_EQ(EncodeNw7("a0a", -3).canvasWidth, 147);
}

// ---- Any input ---------------------------------------------------------------------------------

TEST(EncodingAnyByte, GivesWellFormedSymbols) {
    BarSymbol s;  // reused: each call must drop the runs of the previous one
    for (int b = 0; b < 256; ++b) {
        const std::string value = std::string("*1") + static_cast<char>(b) + "2*";
        EncodeJan(value, true, 2, s);
        expectWellFormed(s, 22);
        EncodeItf(value, 1, s);
        expectWellFormed(s, 20);
        EncodeCode39(value, 1, s);
        EXPECT_EQ(s.canvasWidth, 40 + Code39Length(value));
        expectWellFormed(s, 24);
        EncodeNw7(value, 1, s);
        EXPECT_EQ(s.canvasWidth, 40 + Nw7Length(value));
        expectWellFormed(s, 24);
    }
    EncodeCode39("*A*", 1, s);
    EXPECT_EQ(elements(s, 1), kC39Star + "|" + kC39A + "|" + kC39Star);
}

}  // namespace
}  // namespace qv
