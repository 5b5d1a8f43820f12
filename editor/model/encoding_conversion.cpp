#include "editor/model/encoding_conversion.h"

#include "common/record_line.h"
#include "common/sjis_text.h"
#include "common/text_format.h"

namespace qv {

FileEncoding targetOf(SaveEncoding choice, FileEncoding current) {
    switch (choice) {
        case SaveEncoding::Keep:
            break;
        case SaveEncoding::ShiftJis:
            return {TextEncoding::ShiftJis, false};
        case SaveEncoding::Utf8:
            return {TextEncoding::Utf8, false};
        case SaveEncoding::Utf8WithBom:
            return {TextEncoding::Utf8, true};
    }
    return current;
}

namespace {

std::string fieldName(const CROWSMITHDoc& document, size_t index) {
    if (index < document.headerNames.size() && !document.headerNames[index].empty()) {
        return sjis::toUtf8(document.headerNames[index]);
    }
    return formatText("%d番目", static_cast<int>(index + 1));
}

}  // namespace

std::vector<LackingCharacters> charactersShiftJisLacks(const CROWSMITHDoc& document) {
    std::vector<LackingCharacters> lacking;
    for (size_t row = 0; row < document.lines.size(); ++row) {
        const std::string& line = document.lines[row];
        if (sjis::unencodableCharacters(sjis::toUtf8(line)).empty()) continue;
        // The header is split at every comma, as its names are.
        const std::vector<std::string> fields =
            row == 0 ? document.headerNames : SplitRecordLine(line);
        for (size_t k = 0; k < fields.size(); ++k) {
            std::string text = sjis::unencodableCharacters(sjis::toUtf8(fields[k]));
            if (text.empty()) continue;
            lacking.push_back({static_cast<int>(row), fieldName(document, k), std::move(text)});
        }
    }
    return lacking;
}

std::string shiftJisQuestion(const std::vector<LackingCharacters>& lacking) {
    std::string text = "次の文字はShift-JISで保存できません。保存すると「?」に置き換わります。\n";
    for (size_t i = 0; i < lacking.size() && i < kListedFields; ++i) {
        const LackingCharacters& one = lacking[i];
        text += one.record == 0 ? std::string("項目名") : formatText("ﾚｺｰﾄﾞ %d", one.record);
        text += " 項目「" + one.field + "」: " + one.text + "\n";
    }
    if (lacking.size() > kListedFields) {
        text += formatText("ほか %d 箇所\n", static_cast<int>(lacking.size() - kListedFields));
    }
    return text + "Shift-JISで保存しますか？";
}

bool mayConvert(const CROWSMITHDoc& document, FileEncoding target, MessageService& messages) {
    if (target.encoding != TextEncoding::ShiftJis ||
        document.encoding().encoding != TextEncoding::Utf8) {
        return true;
    }
    const std::vector<LackingCharacters> lacking = charactersShiftJisLacks(document);
    return lacking.empty() || messages.askYesNo(shiftJisQuestion(lacking), MessageAnswer::No);
}

}  // namespace qv
