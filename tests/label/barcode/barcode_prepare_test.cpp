// Preparation on the print path, then the validation that the drawing code runs, one table per
// symbology. Check characters are worked out by hand (A = weight 3, B = weight 1).
#include "label/barcode/barcode_prepare.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

enum Settings { kNone = 0, kForce = 1, kWrap = 2, kWrapForce = 3 };  // force, addStartStop

struct Case {
    const char* name;
    std::string value;
    int settings;
    std::string prepared;
    int code;                // of the validation that follows
    std::string drawn = {};  // the value after validation; empty: as prepared
};

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

PreparedBarcode expectPrepared(BarcodeKind kind, const Case& c) {
    BarcodeRules rules;
    rules.forceCheckCharacter = c.settings & kForce;
    rules.addStartStop = c.settings & kWrap;
    const PreparedBarcode prepared = PrepareBarcodeValue(kind, c.value, rules);
    EXPECT_EQ(prepared.value, c.prepared);
    std::string value = prepared.value;
    EXPECT_EQ(ValidateBarcode(kind, value, rules).code, c.code);
    EXPECT_EQ(value, c.drawn.empty() ? c.prepared : c.drawn);
    return prepared;
}

class JanPrepare : public ::testing::TestWithParam<Case> {};
TEST_P(JanPrepare, Prepare) {
    const PreparedBarcode prepared = expectPrepared(BarcodeKind::Jan, GetParam());
    EXPECT_EQ(prepared.ean13, prepared.value.size() > 8);
}

// 490123456789: A = 9+1+3+5+7+9 = 34, B = 4+0+2+4+6+8 = 24, 102+24 = 126 -> 4.
// 490123456787: A = 32, B = 24, 120 -> 0.   9638507: A = 9+3+5+7 = 24, B = 14, 86 -> 4.
INSTANTIATE_TEST_SUITE_P(
    Jan, JanPrepare,
    ::testing::Values(Case{"ForcedCompleted", "490123456789", kForce, "4901234567894", 0},
                      Case{"ForcedCorrected", "4901234567890", kForce, "4901234567894", 0},
                      Case{"ForcedZero", "490123456787", kForce, "4901234567870", 0},
                      Case{"ForcedEan8", "9638507", kForce, "96385074", 0},
                      Case{"ForcedEan8Corrected", "96385079", kForce, "96385074", 0},
                      Case{"Placeholder", "490123456789", kNone, "4901234567890", -4},
                      Case{"Ean8Placeholder", "9638507", kNone, "96385070", -4},
                      Case{"CutAtSpace", "490123456789 5", kForce, "4901234567894", 0},
                      // The placeholder goes by length; the non-digit then fails.
                      Case{"NonDigit", "49012345678X", kForce, "49012345678X0", 2}),
    caseName);

class ItfPrepare : public ::testing::TestWithParam<Case> {};
TEST_P(ItfPrepare, Prepare) {
    expectPrepared(BarcodeKind::Itf, GetParam());
}

// 12345: A = 5+3+1 = 9, B = 4+2 = 6, 27+6 = 33 -> 7.
// 1540014128876: A = 6+8+2+4+0+4+1 = 25, B = 7+8+1+1+0+5 = 22, 75+22 = 97 -> 3.
INSTANTIATE_TEST_SUITE_P(
    Itf, ItfPrepare,
    ::testing::Values(Case{"ForcedOdd", "12345", kForce, "123457", 0},
                      Case{"ForcedItf14", "1540014128876", kForce, "15400141288763", 0},
                      Case{"UnforcedOdd", "12345", kNone, "12345", 1},
                      // Kept: its last digit is the check digit, 6 instead of 7.
                      Case{"ForcedEven", "123456", kForce, "123456", -7},
                      Case{"CutAtSpace", "12345 6", kForce, "123457", 0},
                      Case{"ForcedNonDigit", "12a", kForce, "12a0", 2}),
    caseName);

class Nw7Prepare : public ::testing::TestWithParam<Case> {};
TEST_P(Nw7Prepare, Prepare) {
    expectPrepared(BarcodeKind::Nw7, GetParam());
}

// a1234#a: 16+1+2+3+4+16 = 42, 42 mod 16 = 10, 16-10 = 6.
INSTANTIATE_TEST_SUITE_P(
    Nw7, Nw7Prepare,
    ::testing::Values(Case{"Wrapped", "1234", kWrap, "a1234a", 0},
                      Case{"WrappedForced", "1234", kWrapForce, "a1234#a", 0, "a12346a"},
                      Case{"ForcedInsertsHash", "A1234A", kForce, "A1234#A", 0, "a12346a"},
                      Case{"ForcedKeepsHash", "a1234#a", kForce, "a1234#a", 0, "a12346a"},
                      // Wrapped first, then cut at the space: the stop goes with the cut.
                      Case{"CutAfterWrapping", "12 34", kWrap, "a12", 3},
                      Case{"CutUnwrapped", "a12a 34", kNone, "a12a", 0}),
    caseName);

class Code39Prepare : public ::testing::TestWithParam<Case> {};
TEST_P(Code39Prepare, Prepare) {
    expectPrepared(BarcodeKind::Code39, GetParam());
}

// ABC: (10+11+12) mod 43 = 33, X.   AB: (10+11) mod 43 = 21, L.
INSTANTIATE_TEST_SUITE_P(
    Code39, Code39Prepare,
    ::testing::Values(Case{"Wrapped", "A B", kWrap, "*A B*", 0},
                      Case{"WrappedForced", "abc", kWrapForce, "*abc#*", 0, "*ABCX*"},
                      Case{"ForcedStop", "*ABC*", kForce, "*ABC#*", 0, "*ABCX*"},
                      Case{"ForcedWithoutStop", "*ABC", kForce, "*ABC#*", 0, "*ABCX*"},
                      Case{"ForcedKeepsHash", "*AB#*", kForce, "*AB#*", 0, "*ABL*"},
                      Case{"DropsAfterStop", "*ABC*DEF", kNone, "*ABC*", 0},
                      Case{"ForcedDropsAfterStop", "*ABC*DEF", kForce, "*ABC#*", 0, "*ABCX*"},
                      Case{"WrappedInnerStar", "AB*CD", kWrap, "*AB*", 0},
                      Case{"WithoutStop", "*ABC", kNone, "*ABC", 2}),
    caseName);

// A value lives in 127 bytes: longer input is cut, and a value that its placeholders would push
// past 127 bytes comes back empty rather than without its stop or check character.
TEST(BarcodeValueLength, CutTo127AndNeverGrownPast) {
    BarcodeRules none;
    BarcodeRules forced;
    forced.forceCheckCharacter = true;
    BarcodeRules wrapForced = forced;
    wrapForced.addStartStop = true;
    const std::string digits(200, '1');
    EXPECT_EQ(PrepareBarcodeValue(BarcodeKind::Text, digits, none).value, digits.substr(0, 127));
    std::string doubleBytes = "12";  // a cut at 127 would split the 63rd character
    for (int i = 0; i < 80; ++i) doubleBytes += "\x82\x50";
    EXPECT_EQ(PrepareBarcodeValue(BarcodeKind::Code39, doubleBytes, none).value.size(), 126u);
    // "a" + 124 + "#" + "a" = 127 fits; one more digit does not.
    EXPECT_EQ(PrepareBarcodeValue(BarcodeKind::Nw7, digits.substr(0, 124), wrapForced).value,
              "a" + digits.substr(0, 124) + "#a");
    EXPECT_EQ(PrepareBarcodeValue(BarcodeKind::Nw7, digits.substr(0, 125), wrapForced).value, "");
    EXPECT_EQ(PrepareBarcodeValue(BarcodeKind::Code39, "*" + digits, forced).value, "");
    // 127 odd digits leave no room for the check digit.
    EXPECT_EQ(PrepareBarcodeValue(BarcodeKind::Itf, digits, forced).value, "");
}

TEST(BarcodePrepare, CheckDigitNotWrittenWhenValidationSaysNothing) {
    BarcodeRules forced;
    forced.forceCheckCharacter = true;
    // The ignored check digit is not corrected; a wrong fixed length blocks the correction.
    BarcodeRules ignoring = forced;
    ignoring.ignoreCheckDigit = true;
    EXPECT_EQ(PrepareBarcodeValue(BarcodeKind::Jan, "4901234567890", ignoring).value,
              "4901234567890");
    forced.fixedLength = 10;
    EXPECT_EQ(PrepareBarcodeValue(BarcodeKind::Itf, "12345", forced).value, "123450");
}

}  // namespace
}  // namespace qv
