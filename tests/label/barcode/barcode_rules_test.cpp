// The label program's validators, check characters and failure messages, one table per symbology.
// Check digits are worked out by hand (A = digits of weight 3, B = digits of weight 1).
#include "label/barcode/barcode_rules.h"

#include <gtest/gtest.h>

#include <climits>

#include "label/barcode/field_barcode_rules.h"
#include "label/definition/label_definition.h"

namespace qv {
namespace {

const std::string kOther = "Err? その他のｴﾗｰ";

struct Case {
    const char* name;
    std::string value;
    int fixedLength;
    bool ignoreCheckDigit;
    int code;
    std::string message;     // BarcodeErrorText of the code; empty when valid
    std::string after = {};  // the value after validation; empty: unchanged
};

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// Through the dispatcher, as the drawing code calls it.
void expectValidation(BarcodeKind kind, const Case& c) {
    BarcodeRules rules;
    rules.fixedLength = c.fixedLength;
    rules.ignoreCheckDigit = c.ignoreCheckDigit;
    std::string value = c.value;
    const BarcodeCheck check = ValidateBarcode(kind, value, rules);
    EXPECT_TRUE(check.drawn);
    EXPECT_EQ(check.code, c.code);
    EXPECT_EQ(value, c.after.empty() ? c.value : c.after);
    EXPECT_EQ(c.code == 0 ? "" : BarcodeErrorText(kind, c.code), c.message);
}

class JanRules : public ::testing::TestWithParam<Case> {};
TEST_P(JanRules, Validate) {
    expectValidation(BarcodeKind::Jan, GetParam());
}

// 5901234123457 (common EAN-13 example): A = 9+1+3+1+3+5 = 22, B = 5+0+2+4+2+4 = 17, 83 -> 7.
// 490123456789: A = 9+1+3+5+7+9 = 34, B = 4+0+2+4+6+8 = 24, 102+24 = 126 -> 4.
// 490123456787: A = 9+1+3+5+7+7 = 32, B = 24, 96+24 = 120 -> 0.
// 9638507 (EAN-8 example): A = 9+3+5+7 = 24, B = 6+8+0 = 14, 72+14 = 86 -> 4.
INSTANTIATE_TEST_SUITE_P(
    Jan, JanRules,
    ::testing::Values(Case{"Published", "5901234123457", 0, false, 0, ""},
                      Case{"Valid", "4901234567894", 0, false, 0, ""},
                      Case{"WrongDigit", "4901234567890", 0, false, -4, "ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(4)"},
                      Case{"ZeroReadsTen", "4901234567875", 0, false, -10, "ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(10)"},
                      Case{"ZeroValid", "4901234567870", 0, false, 0, ""},
                      Case{"Ean8", "96385074", 0, false, 0, ""},
                      Case{"Ean8WrongDigit", "96385071", 0, false, -4, "ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(4)"},
                      Case{"IgnoreCheckDigit", "4901234567890", 0, true, 0, ""},
                      Case{"Empty", "", 0, false, 1, "Err1 長さが不正"},
                      Case{"TwelveDigits", "490123456789", 0, false, 1, "Err1 長さが不正"},
                      Case{"NonDigit", "49012345678X4", 0, false, 2, "Err2 数字以外の文字あり"},
                      Case{"NoFixedLength", "96385074", 10, false, 0, ""}),
    caseName);

class ItfRules : public ::testing::TestWithParam<Case> {};
TEST_P(ItfRules, Validate) {
    expectValidation(BarcodeKind::Itf, GetParam());
}

// 15400141288763 (ITF-14 example): A = 6+8+2+4+0+4+1 = 25, B = 7+8+1+1+0+5 = 22, 97 -> 3.
// 12345: A = 5+3+1 = 9, B = 4+2 = 6, 27+6 = 33 -> 7.   505: A = 5+5 = 10, B = 0, 30 -> 0.
// 1234567: A = 7+5+3+1 = 16, B = 6+4+2 = 12, 48+12 = 60 -> 0.
INSTANTIATE_TEST_SUITE_P(
    Itf, ItfRules,
    ::testing::Values(Case{"Published", "15400141288763", 0, false, 0, ""},
                      Case{"WrongDigit", "15400141288760", 0, false, -3, "ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(3)"},
                      Case{"SixDigits", "123457", 0, false, 0, ""},
                      Case{"ZeroReadsTen", "5055", 0, false, -10, "ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(10)"},
                      Case{"IgnoreCheckDigit", "15400141288760", 0, true, 0, ""},
                      Case{"OddLength", "12345", 0, false, 1, "Err1 桁が奇数です"},
                      // No check digit to compare: rejected like an odd length.
                      Case{"Empty", "", 0, true, 1, "Err1 桁が奇数です"},
                      Case{"NonDigitFirst", "12a45", 0, false, 2, "Err2 数字以外の文字あり"},
                      Case{"FixedLength", "12345670", 8, false, 0, ""},
                      Case{"FixedLengthDiffers", "12345670", 10, false, 10, kOther},
                      Case{"FixedLengthFirst", "12a", 10, false, 10, kOther}),
    caseName);

class Nw7Rules : public ::testing::TestWithParam<Case> {};
TEST_P(Nw7Rules, Validate) {
    expectValidation(BarcodeKind::Nw7, GetParam());
}

// Check values: digits, "-" 10, "$" 11, ":" 12, "/" 13, "." 14, "+" 15, a 16 ... d 19.
// a1234#a: 16+1+2+3+4+16 = 42, 42 mod 16 = 10, 16-10 = 6.   a0#a: 16+0+16 = 32, mod 16 = 0.
// b12#c: 17+1+2+18 = 38, 38 mod 16 = 6, 16-6 = 10, "-".
INSTANTIATE_TEST_SUITE_P(
    Nw7, Nw7Rules,
    ::testing::Values(Case{"Valid", "a1234a", 0, false, 0, ""},
                      Case{"Lowered", "A1234D", 0, false, 0, "", "a1234d"},
                      Case{"InnerT", "a12t4a", 0, false, 0, ""},
                      Case{"InnerStartStop", "a12b4a", 0, false, 4, "Err4 文字配置ｴﾗｰ"},
                      Case{"AlternativeStart", "e1234a", 0, false, 2, "Err2 ｽﾀｰﾄｺｰﾄﾞｴﾗｰ"},
                      Case{"BadStop", "a1234t", 0, false, 3, "Err3 ｽﾄｯﾌﾟｺｰﾄﾞｴﾗｰ"},
                      Case{"TwoCharacters", "aa", 0, false, 1, "Err1 有効な文字がない"},
                      Case{"BadCharacter", "a12;4a", 0, false, 5, "Err5 使用不可の文字あり"},
                      Case{"Check", "A1234#A", 0, false, 0, "", "a12346a"},
                      Case{"CheckZero", "a0#a", 0, false, 0, "", "a00a"},
                      Case{"CheckDash", "b12#c", 0, false, 0, "", "b12-c"},
                      // "t" and the backslash have no check value.
                      Case{"CheckOfT", "t1234#a", 0, false, 7, "Err7 ﾁｪｯｸｷｬﾗ置換えｴﾗｰ"},
                      Case{"CheckOfBackslash", "a1\\#a", 0, false, 7, "Err7 ﾁｪｯｸｷｬﾗ置換えｴﾗｰ"},
                      Case{"HashElsewhere", "a1#34a", 0, false, 5, "Err5 使用不可の文字あり"},
                      Case{"FixedLengthDiffers", "a1234a", 10, false, 10, kOther},
                      Case{"FixedLengthAfterCheck", "a1234#a", 7, false, 0, "", "a12346a"},
                      Case{"CheckBeforeFixedLength", "t1#a", 10, false, 7,
                           "Err7 ﾁｪｯｸｷｬﾗ置換えｴﾗｰ"}),
    caseName);

class Code39Rules : public ::testing::TestWithParam<Case> {};
TEST_P(Code39Rules, Validate) {
    expectValidation(BarcodeKind::Code39, GetParam());
}

// Modulus-43 values: digits, A 10 ... Z 35, "-" 36, "." 37, " " 38, "$" 39, "/" 40, "+" 41,
// "%" 42.  *ABC#*: (10+11+12) mod 43 = 33, X.  *CODE39#*: 12+24+13+14+3+9 = 75, mod 43 = 32, W.
// *%%#*: (42+42) mod 43 = 41, "+".
INSTANTIATE_TEST_SUITE_P(
    Code39, Code39Rules,
    ::testing::Values(Case{"Valid", "*A B*", 0, false, 0, ""},
                      Case{"UpperCased", "*abc*", 0, false, 0, "", "*ABC*"},
                      Case{"Check", "*abc#*", 0, false, 0, "", "*ABCX*"},
                      Case{"CheckOfCode39", "*CODE39#*", 0, false, 0, "", "*CODE39W*"},
                      Case{"CheckWraps", "*%%#*", 0, false, 0, "", "*%%+*"},
                      Case{"HashInShortValue", "*#*", 0, false, 9, "Err9 #の位置が不正"},
                      Case{"HashNotBeforeStop", "*A#B*", 0, false, 9, "Err9 #の位置が不正"},
                      Case{"InnerStar", "*A*B*", 0, false, 4, "Err4 * 使用ｴﾗｰ"},
                      Case{"NoStop", "*ABC", 0, false, 2, "Err2 ｽﾀｰﾄｽﾄｯﾌﾟｺｰﾄﾞｴﾗｰ"},
                      Case{"TwoCharacters", "**", 0, false, 1, "Err1 有効な文字がない"},
                      Case{"BadCharacter", "*A;#*", 0, false, 5, "Err5 使用不可の文字あり"},
                      // A wrong fixed length is code 1 here, found before any case conversion.
                      Case{"FixedLengthDiffers", "*abc*", 10, false, 1, "Err1 有効な文字がない"},
                      Case{"FixedLength", "*ABC*", 5, false, 0, ""}),
    caseName);

TEST(BarcodeRules, Mod10EdgesCodesWithoutRowAndKindsNotDrawn) {
    EXPECT_EQ(Mod10CheckDigit(""), 0);   // nothing to weigh
    EXPECT_EQ(Mod10CheckDigit("7"), 0);  // the check position alone
    EXPECT_EQ(Mod10CheckDigit("1234X"), -1);
    EXPECT_EQ(Mod10CheckDigit("X1234"), -1);
    EXPECT_EQ(BarcodeErrorText(BarcodeKind::Code39, 3), kOther);
    EXPECT_EQ(BarcodeErrorText(BarcodeKind::Nw7, 9), kOther);
    EXPECT_EQ(BarcodeErrorText(BarcodeKind::Itf, INT_MIN), "ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(2147483648)");
    for (const BarcodeKind kind : {BarcodeKind::Text, BarcodeKind::Code128}) {
        std::string value = "*abc#*";
        EXPECT_FALSE(ValidateBarcode(kind, value, BarcodeRules{}).drawn);
        EXPECT_EQ(value, "*abc#*");
    }
}

TEST(BarcodeRules, FromDefinitionAndField) {
    LabelDefinition definition;
    definition.forceCheckCharacter = 1;
    definition.barcodeFixedLength = 10;
    FieldPlacement field;
    field.attributes = 8 | 2;  // JAN, ignore the check digit
    const BarcodeRules rules = barcodeRulesOf(definition, field);
    EXPECT_TRUE(rules.forceCheckCharacter && rules.ignoreCheckDigit);
    EXPECT_FALSE(rules.addStartStop);
    EXPECT_EQ(rules.fixedLength, 10);
    field.attributes = 8 | 1;  // JAN, shown as text
    EXPECT_FALSE(barcodeRulesOf(definition, field).ignoreCheckDigit);
}

}  // namespace
}  // namespace qv
