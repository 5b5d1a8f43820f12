#include "editor/model/barcode_field_form.h"

#include "common/message_service.h"
#include "common/record_line.h"
#include "common/sjis_text.h"
#include "editor/model/field_lookup.h"
#include "label/barcode/editor_barcode_rules.h"

namespace qv {

namespace {

constexpr size_t kLongLineBytes = 512;

bool isStartStopLetter(char c) {
    return c >= 'a' && c <= 'd';
}

// A single letter "a" to "d": the only start or stop an NW7 field may be given.
bool isNw7Letter(const std::string& text) {
    return text.size() == 1 && isStartStopLetter(text[0]);
}

void asciiLower(std::string& value) {
    for (size_t i = 0; i < value.size(); ++i) {
        if (sjis::isLeadByte(static_cast<unsigned char>(value[i])) && i + 1 < value.size()) {
            ++i;  // both bytes of a double-byte character stay
        } else if (value[i] >= 'A' && value[i] <= 'Z') {
            value[i] = static_cast<char>(value[i] - 'A' + 'a');
        }
    }
}

void tellLetterRule(MessageService& messages) {
    messages.exclamation("指定できるのは a ～ dのうちの\n一文字だけです　！");
}

}  // namespace

BarcodeFieldForm::BarcodeFieldForm(CROWSMITHDoc& document, MessageService& messages,
                                   BarcodeFieldMemory memory)
    : document_(document), messages_(messages), memory_(std::move(memory)) {
    setAction(memory_.action);
}

void BarcodeFieldForm::setAction(BarcodeAction action) {
    memory_.action = action;
    switch (action) {
        case BarcodeAction::Jan:
        case BarcodeAction::Itf:
            start_.clear();
            stop_.clear();
            break;
        case BarcodeAction::Code39:
            start_ = stop_ = "*";
            break;
        case BarcodeAction::Nw7:
            if (!isNw7Letter(memory_.nw7Start)) memory_.nw7Start = "a";
            if (!isNw7Letter(memory_.nw7Stop)) memory_.nw7Stop = "a";
            start_ = memory_.nw7Start;
            stop_ = memory_.nw7Stop;
            break;
    }
}

void BarcodeFieldForm::setStart(const std::string& text) {
    start_ = memory_.nw7Start = text;
    if (!isNw7Letter(text)) tellLetterRule(messages_);
}

void BarcodeFieldForm::setStop(const std::string& text) {
    stop_ = memory_.nw7Stop = text;
    if (!isNw7Letter(text)) tellLetterRule(messages_);
}

int BarcodeFieldForm::findField() {
    if (memory_.fieldName.empty()) {
        messages_.exclamation("対象のフィールドを指定して下さい　！");
        return -1;
    }
    const int field = FindFieldByPrefix(document_.headerNames, memory_.fieldName);
    if (field < 0) messages_.exclamation("該当するﾌｨｰﾙﾄﾞはありません！");
    return field;
}

// An NW7 pass needs letters that the validator takes; any other action uses none.
bool BarcodeFieldForm::lettersValid() {
    if (memory_.action != BarcodeAction::Nw7 || (isNw7Letter(start_) && isNw7Letter(stop_)))
        return true;
    tellLetterRule(messages_);
    return false;
}

bool BarcodeFieldForm::addTo(std::string& value, std::string& message) {
    message.clear();
    if (value.empty()) return true;  // the passes skip empty values
    switch (memory_.action) {
        case BarcodeAction::Jan:
            if (value.size() == 7 || value.size() == 12) value += '0';
            return EditorValidateJan(value, message) == 0;
        case BarcodeAction::Itf:
            if (value.size() % 2 == 1) value += '0';
            return EditorValidateItf(value, message) == 0;
        case BarcodeAction::Code39:
            if (value.front() != '*') value.insert(value.begin(), '*');
            if (value.size() > 1 && value.back() == '*') {
                value.pop_back();
                if (value.size() > 1 && value.back() == '#') value.pop_back();
            }
            value += check_ ? "#*" : "*";
            return !check_ || EditorValidateCode39(value, message, messages_) == 0;
        case BarcodeAction::Nw7:
            asciiLower(value);
            if (isStartStopLetter(value.front())) {
                value.front() = start_[0];
            } else {
                value.insert(0, start_);
            }
            if (value.size() > 1 && isStartStopLetter(value.back())) value.pop_back();
            if (check_ && value.back() != '#') value += '#';
            value += stop_;
            return !check_ || EditorValidateNw7(value, message) == 0;
    }
    return false;
}

bool BarcodeFieldForm::removeFrom(std::string& value) const {
    std::string taken = value;
    bool isStartStop = false;
    auto takeOff = [&taken, &isStartStop](bool (*matches)(char)) {
        if (!taken.empty() && matches(taken.front())) {
            taken.erase(0, 1);
            isStartStop = true;
        }
        if (!taken.empty() && matches(taken.back())) {
            taken.pop_back();
            isStartStop = true;
        }
    };
    if (memory_.action == BarcodeAction::Code39) {
        takeOff([](char c) { return c == '*'; });
    } else if (memory_.action == BarcodeAction::Nw7) {
        asciiLower(taken);  // NW7 values are stored in lower case once their letters are off
        takeOff(isStartStopLetter);
    }
    if (isStartStop) value = std::move(taken);
    return isStartStop;
}

bool BarcodeFieldForm::askToGoOn(int record, const std::string& message) {
    if (highlightRecord) highlightRecord(record);
    return messages_.warnYesNo(
        message + "\n続けて変換するときは「はい」を" + "\n中止するときは「いいえ」を押して下さい。",
        MessageAnswer::No, "JAN ERROR");
}

bool BarcodeFieldForm::addPass() {
    const int field = findField();
    if (field < 0 || !lettersValid()) return false;
    if (busy) busy(true);
    const size_t index = static_cast<size_t>(field);
    auto& lines = document_.lines;
    DataRecord fields;
    char separator = kComma;
    std::string message;
    bool changed = false;
    for (size_t line = 1; line < lines.size(); ++line) {
        SplitCommaLine(lines[line], fields, separator);
        if (index >= fields.size() || fields[index].empty()) continue;
        std::string value = fields[index];
        TrimTrailingBlanks(value);
        if (value.empty()) continue;
        if (!addTo(value, message)) {
            if (askToGoOn(static_cast<int>(line), message)) continue;
            finish(changed, false);
            return false;
        }
        if (value == fields[index]) continue;
        lines[line] = SetRecordField(lines[line], value, index);
        changed = true;
    }
    finish(changed, true);
    return true;
}

bool BarcodeFieldForm::removePass() {
    const int field = findField();
    if (field < 0) return false;
    const size_t index = static_cast<size_t>(field);
    const bool removes = checkEnabled();  // JAN and ITF have nothing to take off
    auto& lines = document_.lines;
    DataRecord fields;
    char separator = kComma;
    bool changed = false;
    for (size_t line = 1; line < lines.size(); ++line) {
        if (lines[line].size() > kLongLineBytes) {
            messages_.exclamation("レコード長が長すぎます、512Byte まで");
        }
        SplitCommaLine(lines[line], fields, separator);
        if (!removes || index >= fields.size() || fields[index].empty()) continue;
        std::string value = fields[index];
        TrimTrailingBlanks(value);
        // Only a value that had start or stop characters is rewritten, and only its own bytes:
        // the rest of the line keeps its separators, quotes and blanks.
        if (!removeFrom(value)) continue;
        lines[line] = SpliceRecordField(lines[line], value, index);
        changed = true;
    }
    finish(changed, true);
    return true;
}

// The end of a pass: the document is modified when a value changed, the grid redraws and,
// unless the user stopped the pass, the user is told it is over.
void BarcodeFieldForm::finish(bool changed, bool tell) {
    if (changed) document_.setModified();
    if (busy) busy(false);
    if (documentChanged) documentChanged();
    if (!tell) return;
    messages_.information("変換は終了しました", {}, Sound::Beep);
}

}  // namespace qv
