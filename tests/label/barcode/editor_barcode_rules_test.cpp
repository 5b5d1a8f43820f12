// The data editor's validators: codes, their own messages, the check digit written in, and the
// one failure shown at once in a message box. One table per symbology.
#include "label/barcode/editor_barcode_rules.h"

#include <gtest/gtest.h>

#include "common/message_service.h"

namespace qv {
namespace {

const std::string kBox = "box: ";  // prefix of a message that goes to the message box

struct Case {
    const char* name;
    std::string value;
    int code;
    std::string message;     // the out-string, or kBox + the message box text
    std::string after = {};  // the value after validation; empty: unchanged
};

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

void expectEditor(BarcodeKind kind, const Case& c) {
    RecordingMessageService messages;
    std::string value = c.value;
    std::string message = "stale";
    EXPECT_EQ(EditorValidateBarcode(kind, value, message, messages), c.code);
    EXPECT_EQ(value, c.after.empty() ? c.value : c.after);
    const bool boxed = c.message.rfind(kBox, 0) == 0;
    EXPECT_EQ(message, boxed ? "" : c.message);
    EXPECT_EQ(messages.texts(), boxed ? std::vector<std::string>{c.message.substr(kBox.size())}
                                      : std::vector<std::string>{});
}

class JanEditor : public ::testing::TestWithParam<Case> {};
TEST_P(JanEditor, Validate) {
    expectEditor(BarcodeKind::Jan, GetParam());
}

const std::string kJanLength = "JAN Err コードの長さが適切でありません";

// 490123456789: A = 9+1+3+5+7+9 = 34, B = 4+0+2+4+6+8 = 24, 126 -> 4.
// 490123456787: A = 32, B = 24, 120 -> 0.   9638507: A = 24, B = 14, 86 -> 4.
INSTANTIATE_TEST_SUITE_P(
    Jan, JanEditor,
    ::testing::Values(Case{"WritesCheckDigit", "4901234567890", 0, "", "4901234567894"},
                      Case{"WritesZero", "4901234567875", 0, "", "4901234567870"},
                      Case{"WritesEan8", "96385070", 0, "", "96385074"},
                      Case{"Empty", "", 1, kJanLength},
                      Case{"TwelveDigits", "490123456789", 1, kJanLength},
                      Case{"NonDigit", "49012345678X4", 2, "JAN Err 数字以外の文字が入っています"}),
    caseName);

class ItfEditor : public ::testing::TestWithParam<Case> {};
TEST_P(ItfEditor, Validate) {
    expectEditor(BarcodeKind::Itf, GetParam());
}

// 12345: A = 5+3+1 = 9, B = 4+2 = 6, 33 -> 7.
INSTANTIATE_TEST_SUITE_P(
    Itf, ItfEditor,
    ::testing::Values(Case{"WritesCheckDigit", "123450", 0, "", "123457"},
                      Case{"EmptyWithoutMessage", "", 1, ""},
                      Case{"Odd", "12345", 1, "ITF Err コードは偶数桁でなければなりません"},
                      Case{"NonDigitFirst", "12a45", 2, "ITF Err 数字以外の文字が入っています"}),
    caseName);

class Nw7Editor : public ::testing::TestWithParam<Case> {};
TEST_P(Nw7Editor, Validate) {
    expectEditor(BarcodeKind::Nw7, GetParam());
}

// a1234#a: 16+1+2+3+4+16 = 42, 42 mod 16 = 10, 16-10 = 6.
INSTANTIATE_TEST_SUITE_P(
    Nw7, Nw7Editor,
    ::testing::Values(Case{"CheckLowered", "A1234#A", 0, "", "a12346a"},
                      // "t" has no check value: the "#" stays and the value is accepted.
                      Case{"UncomputableHashStays", "a1t#a", 0, ""},
                      Case{"HashElsewhere", "a#12a", 5, "NW7 Err 使用不可の文字が使用されている"},
                      Case{"TwoCharacters", "ab", 1, "NW7 Err 桁数が３未満である"},
                      // The start is checked before the "#" (the label program gives code 7 here).
                      Case{"StartBeforeHash", "e12#a", 2, "NW7 Err スタートコードエラー"},
                      Case{"Stop", "a1234e", 3, "NW7 Err ストップコードエラー"},
                      Case{"InnerStartStop", "a12b4a", 4,
                           "NW7 Err START.STOPコードがSTART.STOP以外で使われている"},
                      Case{"BadCharacter", "a12;4a", 5, "NW7 Err 使用不可の文字が使用されている"}),
    caseName);

class Code39Editor : public ::testing::TestWithParam<Case> {};
TEST_P(Code39Editor, Validate) {
    expectEditor(BarcodeKind::Code39, GetParam());
}

// ABC: (10+11+12) mod 43 = 33, X.
INSTANTIATE_TEST_SUITE_P(
    Code39, Code39Editor,
    ::testing::Values(Case{"CheckUpperCased", "*abc#*", 0, "", "*ABCX*"},
                      Case{"TwoCharacters", "**", 1, "CODE39 Err 桁数が３未満である"},
                      Case{"StartStop", "ABC", 2, kBox + "CODE39 Err START.STOP が '*' でない"},
                      Case{"InnerStar", "*A*B*", 4,
                           "CODE39 Err START.STOP 以外に '*' が使われている"},
                      Case{"BadCharacter", "*A;B*", 5, "CODE39 Err 使用不可の文字が使用されている"},
                      Case{"HashInShortValue", "*#*", 9,
                           "CODE39 Err 使用出来ない所にチェックキャラクタ文字がある"},
                      Case{"HashNotBeforeStop", "*A#B*", 9,
                           "CODE39 Err 使用出来ない所にチェックキャラクタ文字がある"}),
    caseName);

TEST(EditorBarcodeRules, Code128IsNotChecked) {
    RecordingMessageService messages;
    std::string value = "abc";
    std::string message = "stale";
    EXPECT_EQ(EditorValidateBarcode(BarcodeKind::Code128, value, message, messages), 0);
    EXPECT_EQ(value + message, "abc");
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace qv
