#include "label/barcode/editor_barcode_rules.h"

#include <string_view>

#include "common/message_service.h"
#include "label/barcode/barcode_charsets.h"
#include "label/barcode/barcode_rules.h"

namespace qv {

namespace {

bool isNw7StartStop(char c) {
    return kNw7StartStop.find(c) != std::string_view::npos;
}

// Writes the modulus-10 check digit over the last of at least two digits.
void writeCheckDigit(std::string& value) {
    value.back() = static_cast<char>('0' + Mod10CheckDigit(value));
}

// The return value with its message.
int fail(int code, const char* text, std::string& message) {
    message = text;
    return code;
}

}  // namespace

int EditorValidateJan(std::string& value, std::string& message) {
    message.clear();
    if (value.size() != 8 && value.size() != 13) {
        return fail(1, "JAN Err コードの長さが適切でありません", message);
    }
    if (!allAsciiDigits(value)) return fail(2, "JAN Err 数字以外の文字が入っています", message);
    writeCheckDigit(value);
    return 0;
}

int EditorValidateItf(std::string& value, std::string& message) {
    message.clear();
    if (value.empty()) return 1;
    if (!allAsciiDigits(value)) return fail(2, "ITF Err 数字以外の文字が入っています", message);
    if (value.size() % 2 == 1) {
        return fail(1, "ITF Err コードは偶数桁でなければなりません", message);
    }
    writeCheckDigit(value);
    return 0;
}

int EditorValidateNw7(std::string& value, std::string& message) {
    message.clear();
    toAsciiLower(value);
    const size_t n = value.size();
    if (n <= 2) return fail(1, "NW7 Err 桁数が３未満である", message);
    if (!isNw7StartStop(value.front())) return fail(2, "NW7 Err スタートコードエラー", message);
    if (!isNw7StartStop(value.back())) return fail(3, "NW7 Err ストップコードエラー", message);
    for (size_t i = 1; i + 1 < n; ++i) {
        if (isNw7StartStop(value[i])) {
            return fail(4, "NW7 Err START.STOPコードがSTART.STOP以外で使われている", message);
        }
        if (value[i] == '#' && i == n - 2) {
            Nw7CheckCharacter(value);  // a "#" that cannot be computed stays
        } else if (kNw7PatternCharacters.find(value[i]) == std::string_view::npos) {
            return fail(5, "NW7 Err 使用不可の文字が使用されている", message);
        }
    }
    return 0;
}

int EditorValidateCode39(std::string& value, std::string& message, MessageService& messages) {
    message.clear();
    toAsciiUpper(value);
    const size_t n = value.size();
    if (n <= 2) return fail(1, "CODE39 Err 桁数が３未満である", message);
    if (value.front() != '*' || value.back() != '*') {
        messages.exclamation("CODE39 Err START.STOP が '*' でない");
        return 2;
    }
    for (size_t i = 1; i + 1 < n; ++i) {
        const char c = value[i];
        if (c == '*') return fail(4, "CODE39 Err START.STOP 以外に '*' が使われている", message);
        if (c == '#') {
            if (i != n - 2 || n < 4) {
                return fail(9, "CODE39 Err 使用出来ない所にチェックキャラクタ文字がある", message);
            }
            Code39CheckCharacter(value);
        } else if (kCode39Characters.find(c) == std::string_view::npos) {
            return fail(5, "CODE39 Err 使用不可の文字が使用されている", message);
        }
    }
    return 0;
}

int EditorValidateBarcode(BarcodeKind kind, std::string& value, std::string& message,
                          MessageService& messages) {
    switch (kind) {
        case BarcodeKind::Jan:
            return EditorValidateJan(value, message);
        case BarcodeKind::Itf:
            return EditorValidateItf(value, message);
        case BarcodeKind::Nw7:
            return EditorValidateNw7(value, message);
        case BarcodeKind::Code39:
            return EditorValidateCode39(value, message, messages);
        case BarcodeKind::Text:
        case BarcodeKind::Code128:
            break;
    }
    message.clear();
    return 0;
}

}  // namespace qv
