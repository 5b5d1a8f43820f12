#include "label/barcode/barcode_prepare.h"

#include "common/sjis_text.h"

namespace qv {

namespace {

void cutAtFirstSpace(std::string& value) {
    const size_t space = value.find(' ');
    if (space != std::string::npos) value.resize(space);
}

// The digit that a check-digit code (-10 ... -1) names; -10 stands for 0.
char checkDigitOf(int code) {
    return static_cast<char>('0' + (-code) % 10);
}

bool isCheckDigitCode(int code) {
    return code >= -10 && code <= -1;
}

void prepareJan(PreparedBarcode& prepared, const BarcodeRules& rules) {
    std::string& value = prepared.value;
    cutAtFirstSpace(value);
    if (value.size() == 7 || value.size() == 12) value += '0';  // placeholder check digit
    prepared.ean13 = value.size() > 8;
    if (!rules.forceCheckCharacter) return;
    const int code = ValidateJan(value, rules);
    // A check-digit code comes only from 8 or 13 digits, so the last position is 7 or 12.
    if (isCheckDigitCode(code)) value.back() = checkDigitOf(code);
}

void prepareItf(std::string& value, const BarcodeRules& rules) {
    cutAtFirstSpace(value);
    if (!rules.forceCheckCharacter || value.size() % 2 == 0) return;
    value += '0';
    const int code = ValidateItf(value, rules);
    if (isCheckDigitCode(code)) value.back() = checkDigitOf(code);
}

void prepareNw7(std::string& value, const BarcodeRules& rules) {
    if (rules.addStartStop) {
        value = "a" + value + (rules.forceCheckCharacter ? "#" : "") + "a";
    }
    cutAtFirstSpace(value);
    if (rules.addStartStop || !rules.forceCheckCharacter || value.empty()) return;
    const size_t n = value.size();
    if (n < 2 || value[n - 2] != '#') value.insert(n - 1, 1, '#');
}

void prepareCode39(std::string& value, const BarcodeRules& rules) {
    if (rules.addStartStop) {
        value = "*" + value + (rules.forceCheckCharacter ? "#" : "") + "*";
    }
    size_t end = value.find('*', 1);  // the stop character; none: the end of the value
    if (end == std::string::npos) {
        end = value.size();
    } else {
        value.resize(end + 1);
    }
    if (!rules.forceCheckCharacter) return;
    if (end == 0 || value[end - 1] != '#') {
        value.resize(end);
        value += "#*";
    }
}

}  // namespace

PreparedBarcode PrepareBarcodeValue(BarcodeKind kind, std::string_view value,
                                    const BarcodeRules& rules) {
    PreparedBarcode prepared;
    prepared.value = sjis::truncateBytes(value, kMaxBarcodeValueBytes);
    switch (kind) {
        case BarcodeKind::Jan:
            prepareJan(prepared, rules);
            break;
        case BarcodeKind::Itf:
            prepareItf(prepared.value, rules);
            break;
        case BarcodeKind::Nw7:
            prepareNw7(prepared.value, rules);
            break;
        case BarcodeKind::Code39:
            prepareCode39(prepared.value, rules);
            break;
        case BarcodeKind::Text:
        case BarcodeKind::Code128:
            break;
    }
    if (prepared.value.size() > kMaxBarcodeValueBytes) prepared.value.clear();
    return prepared;
}

}  // namespace qv
