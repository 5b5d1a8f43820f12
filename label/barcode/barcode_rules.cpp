#include "label/barcode/barcode_rules.h"

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/barcode/barcode_charsets.h"

namespace qv {

namespace {

bool isNw7StartStop(char c) {
    return kNw7StartStop.find(c) != std::string_view::npos;
}

// 0 when the last digit is right (or not to be compared), else -d, -10 standing for d = 0 so that
// a wrong digit never reads as success. The value holds digits only.
int checkDigitCode(std::string_view value, bool ignoreCheckDigit) {
    const int digit = Mod10CheckDigit(value);
    if (ignoreCheckDigit || value.back() == '0' + digit) return 0;
    return digit == 0 ? -10 : -digit;
}

bool wrongFixedLength(std::string_view value, const BarcodeRules& rules) {
    return rules.fixedLength > 0 && value.size() != static_cast<size_t>(rules.fixedLength);
}

}  // namespace

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allAsciiDigits(std::string_view value) {
    for (const char c : value) {
        if (!isAsciiDigit(c)) return false;
    }
    return true;
}

void toAsciiUpper(std::string& value) {
    value = sjis::asciiUpper(value);
}

void toAsciiLower(std::string& value) {
    for (size_t at = 0; at < value.size(); ++at) {
        const auto byte = static_cast<unsigned char>(value[at]);
        if (sjis::isLeadByte(byte) && at + 1 < value.size() &&
            sjis::isTrailByte(static_cast<unsigned char>(value[at + 1]))) {
            ++at;  // a double-byte character: its trail byte may look like a letter
        } else if (byte >= 'A' && byte <= 'Z') {
            value[at] = static_cast<char>(byte - 'A' + 'a');
        }
    }
}

int Mod10CheckDigit(std::string_view value) {
    if (!allAsciiDigits(value)) return -1;
    int weightThree = 0;  // odd steps counted leftwards from the digit next to the check digit
    int weightOne = 0;    // even steps
    for (size_t step = 1; step < value.size(); ++step) {
        const int digit = value[value.size() - 1 - step] - '0';
        (step % 2 == 1 ? weightThree : weightOne) += digit;
    }
    const int rest = (3 * weightThree + weightOne) % 10;
    return rest == 0 ? 0 : 10 - rest;
}

int ValidateJan(std::string_view value, const BarcodeRules& rules) {
    if (value.size() != 8 && value.size() != 13) return 1;  // EAN-8 or EAN-13; empty included
    if (!allAsciiDigits(value)) return 2;
    return checkDigitCode(value, rules.ignoreCheckDigit);
}

int ValidateItf(std::string_view value, const BarcodeRules& rules) {
    if (wrongFixedLength(value, rules)) return 10;
    if (!allAsciiDigits(value)) return 2;
    if (value.size() % 2 == 1) return 1;
    if (value.empty()) return 1;  // no check digit to compare
    return checkDigitCode(value, rules.ignoreCheckDigit);
}

int ValidateNw7(std::string& value, const BarcodeRules& rules) {
    toAsciiLower(value);
    const size_t n = value.size();
    if (n >= 2 && value[n - 2] == '#' && !Nw7CheckCharacter(value)) return 7;
    if (wrongFixedLength(value, rules)) return 10;
    if (n <= 2) return 1;
    if (!isNw7StartStop(value.front())) return 2;
    if (!isNw7StartStop(value.back())) return 3;
    for (size_t i = 1; i + 1 < n; ++i) {
        if (isNw7StartStop(value[i])) return 4;
        if (kNw7PatternCharacters.find(value[i]) == std::string_view::npos) return 5;
    }
    return 0;
}

int ValidateCode39(std::string& value, const BarcodeRules& rules) {
    if (wrongFixedLength(value, rules)) return 1;  // CODE 39 reports the length as code 1
    toAsciiUpper(value);
    const size_t n = value.size();
    if (n <= 2) return 1;
    if (value.front() != '*' || value.back() != '*') return 2;
    for (size_t i = 1; i + 1 < n; ++i) {
        const char c = value[i];
        if (c == '*') return 4;
        if (c == '#') {
            if (i != n - 2 || n < 4) return 9;
            Code39CheckCharacter(value);
        } else if (kCode39Characters.find(c) == std::string_view::npos) {
            return 5;
        }
    }
    return 0;
}

bool Nw7CheckCharacter(std::string& value) {
    const size_t n = value.size();
    if (n < 2 || value[n - 2] != '#') return false;
    size_t sum = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i == n - 2) continue;  // the "#" itself
        const size_t checkValue = kNw7CheckCharacters.find(value[i]);
        if (checkValue == std::string_view::npos) return false;
        sum += checkValue;
    }
    value[n - 2] = kNw7CheckCharacters[(16 - sum % 16) % 16];
    return true;
}

void Code39CheckCharacter(std::string& value) {
    const size_t n = value.size();
    if (n < 3 || value[n - 2] != '#') return;
    size_t sum = 0;
    for (size_t i = 1; i + 2 < n; ++i) {  // between the start "*" and the "#"
        const size_t characterValue = kCode39Characters.find(value[i]);
        if (characterValue < kCode39DataCharacters) sum += characterValue;
    }
    value[n - 2] = kCode39Characters[sum % kCode39DataCharacters];
}

namespace {

struct ErrorRow {
    BarcodeKind kind;
    int code;
    const char* text;
};

// The messages printed in place of a failed symbol, by kind and code.
constexpr ErrorRow kErrorRows[] = {
    {BarcodeKind::Jan, 1, "Err1 長さが不正"},
    {BarcodeKind::Jan, 2, "Err2 数字以外の文字あり"},
    {BarcodeKind::Itf, 1, "Err1 桁が奇数です"},
    {BarcodeKind::Itf, 2, "Err2 数字以外の文字あり"},
    {BarcodeKind::Nw7, 1, "Err1 有効な文字がない"},
    {BarcodeKind::Nw7, 2, "Err2 ｽﾀｰﾄｺｰﾄﾞｴﾗｰ"},
    {BarcodeKind::Nw7, 3, "Err3 ｽﾄｯﾌﾟｺｰﾄﾞｴﾗｰ"},
    {BarcodeKind::Nw7, 4, "Err4 文字配置ｴﾗｰ"},
    {BarcodeKind::Nw7, 5, "Err5 使用不可の文字あり"},
    {BarcodeKind::Nw7, 7, "Err7 ﾁｪｯｸｷｬﾗ置換えｴﾗｰ"},
    {BarcodeKind::Code39, 1, "Err1 有効な文字がない"},
    {BarcodeKind::Code39, 2, "Err2 ｽﾀｰﾄｽﾄｯﾌﾟｺｰﾄﾞｴﾗｰ"},
    {BarcodeKind::Code39, 4, "Err4 * 使用ｴﾗｰ"},
    {BarcodeKind::Code39, 5, "Err5 使用不可の文字あり"},
    {BarcodeKind::Code39, 9, "Err9 #の位置が不正"},
};

constexpr const char* kOtherError = "Err? その他のｴﾗｰ";

}  // namespace

std::string BarcodeErrorText(BarcodeKind kind, int code) {
    if (code < 0) {
        // -d names the correct digit d; long long keeps the negation of any int defined.
        return formatText("ﾁｪｯｸﾃﾞｨｼﾞｯﾄｴﾗｰ(%lld)", -static_cast<long long>(code));
    }
    for (const ErrorRow& row : kErrorRows) {
        if (row.kind == kind && row.code == code) return row.text;
    }
    return kOtherError;
}

BarcodeCheck ValidateBarcode(BarcodeKind kind, std::string& value, const BarcodeRules& rules) {
    switch (kind) {
        case BarcodeKind::Jan:
            return {true, ValidateJan(value, rules)};
        case BarcodeKind::Itf:
            return {true, ValidateItf(value, rules)};
        case BarcodeKind::Nw7:
            return {true, ValidateNw7(value, rules)};
        case BarcodeKind::Code39:
            return {true, ValidateCode39(value, rules)};
        case BarcodeKind::Text:
        case BarcodeKind::Code128:  // named in lists, never drawn
            break;
    }
    return {false, 0};
}

}  // namespace qv
