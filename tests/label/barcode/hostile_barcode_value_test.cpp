// Values that are not what a barcode field should hold: Shift-JIS text, control bytes, 0xFF, very
// long values, placeholders or start/stop characters alone. Every kind gives a code and a
// message through preparation, validation and the error text, never a crash or a read past the
// value.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "label/barcode/barcode_prepare.h"
#include "label/barcode/barcode_rules.h"
#include "label/barcode/editor_barcode_rules.h"

namespace qv {
namespace {

const std::string kOther = "Err? その他のｴﾗｰ";

std::vector<std::string> hostileValues() {
    return {"",
            "\x83\x41\x83\x5c",                  // "アソ": 0x5C trail byte, the NW7 backslash
            "\x82\x53\x82\x58\x82\x4f\x82\x50",  // full-width "４９０１", 8 bytes
            "a\x83\x41\x61",                     // a trail byte 0x41 looks like "A"
            "*\x83\x61*",                        // a trail byte 0x61 looks like "a"
            "\x83",                              // a lead byte alone
            "\x01\x02\t\r\n\x7f",
            std::string{'a', '1', '\0', '2', 'a'},  // NUL inside
            "\xff",
            std::string(13, '\xff'),
            std::string(200, '1'),
            std::string(200, 'A'),
            std::string(200, '\x82'),
            std::string(200, '*'),
            std::string(200, '#'),
            std::string(200, ' '),
            "#",
            "##",
            "###",
            "#*",
            "*#",
            "a",
            "aa",
            "aaa",
            "abcd",
            "A",
            "*",
            "**",
            "***"};
}

std::set<int> labelCodes(BarcodeKind kind) {
    switch (kind) {
        case BarcodeKind::Jan:
            return {1, 2, -1, -2, -3, -4, -5, -6, -7, -8, -9, -10};
        case BarcodeKind::Itf:
            return {1, 2, 10, -1, -2, -3, -4, -5, -6, -7, -8, -9, -10};
        case BarcodeKind::Nw7:
            return {1, 2, 3, 4, 5, 7, 10};
        case BarcodeKind::Code39:
            return {1, 2, 4, 5, 9};
        default:
            return {};
    }
}

constexpr BarcodeKind kKinds[] = {BarcodeKind::Text, BarcodeKind::Jan,    BarcodeKind::Itf,
                                  BarcodeKind::Nw7,  BarcodeKind::Code39, BarcodeKind::Code128};

TEST(HostileBarcodeValue, EveryKindAndSettingGivesACodeAndAMessage) {
    for (const BarcodeKind kind : kKinds) {
        const bool drawn = !labelCodes(kind).empty();
        for (int settings = 0; settings < 16; ++settings) {
            BarcodeRules rules;
            rules.forceCheckCharacter = settings & 1;
            rules.addStartStop = settings & 2;
            rules.ignoreCheckDigit = settings & 4;
            rules.fixedLength = settings & 8 ? 10 : 0;
            for (const std::string& input : hostileValues()) {
                SCOPED_TRACE(testing::Message() << static_cast<int>(kind) << " settings "
                                                << settings << " input size " << input.size());
                std::string value = PrepareBarcodeValue(kind, input, rules).value;
                ASSERT_LE(value.size(), kMaxBarcodeValueBytes);
                const BarcodeCheck check = ValidateBarcode(kind, value, rules);
                EXPECT_EQ(check.drawn, drawn);
                if (!check.drawn || check.code == 0) continue;
                EXPECT_EQ(labelCodes(kind).count(check.code), 1u) << check.code;
                const std::string text = BarcodeErrorText(kind, check.code);
                EXPECT_FALSE(text.empty());
                EXPECT_EQ(text == kOther, check.code == 10);
            }
        }
    }
}

TEST(HostileBarcodeValue, EditorValidatorsGiveACodeAndAMessage) {
    for (const BarcodeKind kind : kKinds) {
        for (const std::string& input : hostileValues()) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(kind) << " " << input.size());
            RecordingMessageService messages;
            std::string value = input;
            std::string message;
            const int code = EditorValidateBarcode(kind, value, message, messages);
            EXPECT_EQ(value.size(), input.size());
            EXPECT_TRUE(code >= 0 && code <= 9) << code;
            if (code == 0) continue;
            const bool boxed = kind == BarcodeKind::Code39 && code == 2;
            const bool silent = kind == BarcodeKind::Itf && input.empty();
            EXPECT_EQ(message.empty(), boxed || silent);
            EXPECT_EQ(messages.messages().size(), boxed ? 1u : 0u);
        }
    }
}

struct HostileCase {
    const char* name;
    BarcodeKind kind;
    std::string value;
    bool forceAndWrap;  // forceCheckCharacter and addStartStop
    int code;
    std::string drawn;  // the value after preparation and validation
};

class HostileBarcode : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileBarcode, PreparedAndValidated) {
    const HostileCase& c = GetParam();
    BarcodeRules rules;
    rules.forceCheckCharacter = rules.addStartStop = c.forceAndWrap;
    std::string value = PrepareBarcodeValue(c.kind, c.value, rules).value;
    EXPECT_EQ(ValidateBarcode(c.kind, value, rules).code, c.code);
    EXPECT_EQ(value, c.drawn);
}

const std::string kNul{'a', '1', '\0', '2', 'a'};

INSTANTIATE_TEST_SUITE_P(
    Barcode, HostileBarcode,
    ::testing::Values(
        // Both bytes of a double-byte character stay: the trail byte is not case-converted and
        // the lead byte is outside every set.
        HostileCase{"Code39ShiftJis", BarcodeKind::Code39, "*\x83\x61*", false, 5, "*\x83\x61*"},
        HostileCase{"Nw7ShiftJis", BarcodeKind::Nw7, "a\x83\x41\x61", false, 5, "a\x83\x41\x61"},
        HostileCase{"JanFullWidth", BarcodeKind::Jan, "\x82\x53\x82\x58\x82\x4f\x82\x50", false, 2,
                    "\x82\x53\x82\x58\x82\x4f\x82\x50"},
        HostileCase{"ItfFF", BarcodeKind::Itf, "\xff\xff", true, 2, "\xff\xff"},
        HostileCase{"Nw7Nul", BarcodeKind::Nw7, kNul, false, 5, kNul},
        // 200 digits are cut to 127: no JAN length.
        HostileCase{"Jan200Digits", BarcodeKind::Jan, std::string(200, '1'), true, 1,
                    std::string(127, '1')},
        // "*" + 127 "#" + "#*" would be 130 bytes: emptied.
        HostileCase{"Code39200Hashes", BarcodeKind::Code39, std::string(200, '#'), true, 1, ""},
        // Wrapped, then cut at the first space.
        HostileCase{"Nw7200Spaces", BarcodeKind::Nw7, std::string(200, ' '), true, 1, "a"},
        // "a##a": the first "#" has no check value.   "*##*": the first "#" is misplaced.
        HostileCase{"Nw7OnlyHash", BarcodeKind::Nw7, "#", true, 7, "a##a"},
        HostileCase{"Code39OnlyHash", BarcodeKind::Code39, "#", true, 9, "*##*"},
        HostileCase{"Nw7OnlyStartStop", BarcodeKind::Nw7, "aaa", false, 4, "aaa"},
        // Cut after the first stop character: "**", too short.
        HostileCase{"Code39OnlyStars", BarcodeKind::Code39, "***", false, 1, "**"}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

}  // namespace
}  // namespace qv
