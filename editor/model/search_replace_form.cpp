#include "editor/model/search_replace_form.h"

#include <algorithm>

#include "common/message_service.h"
#include "common/record_line.h"
#include "editor/model/field_lookup.h"

namespace qv {

SearchReplaceForm::SearchReplaceForm(CROWSMITHDoc& document, MessageService& messages)
    : document_(document), messages_(messages) {}

int SearchReplaceForm::findField() {
    if (fieldName_.empty()) {
        messages_.exclamation("検索するフィールドを指定して下さい　！");
        return -1;
    }
    const int field = FindFieldByPrefix(document_.headerNames, fieldName_);
    if (field < 0) messages_.exclamation("該当するﾌｨｰﾙﾄﾞはありません！");
    return field;
}

// The texts are compared over the shorter length: typing on after a found text goes on.
void SearchReplaceForm::restartIfChanged() {
    const size_t n = std::min(searchText_.size(), previousText_.size());
    if (searchText_.compare(0, n, previousText_, 0, n) != 0) next_ = 1;
    previousText_ = searchText_;
}

bool SearchReplaceForm::matches(const std::string& value) const {
    if (mode_ == Mode::Search && prefix_)
        return value.compare(0, searchText_.size(), searchText_) == 0;
    return value == searchText_;
}

// Asks unless replacing all; true when the field was replaced.
bool SearchReplaceForm::replaceAt(size_t line, size_t field) {
    if (!replaceAll_) {
        if (!messages_.askYesNo("置き換えてもいいですか　？", MessageAnswer::Yes, "ﾌｨｰﾙﾄﾞ置換")) {
            return false;
        }
    }
    std::string& text = document_.lines[line];
    text = SetRecordField(text, replaceText_, field);
    return true;
}

SearchReplaceForm::Step SearchReplaceForm::step() {
    const int field = findField();
    if (field < 0) return Step::Refused;
    if (searchText_.empty()) {
        messages_.exclamation("検索する文字列を指定して下さい　！");
        return Step::Refused;
    }
    restartIfChanged();
    if (busy) busy(true);
    auto& lines = document_.lines;
    DataRecord fields;
    char separator = kComma;
    size_t replaced = 0;
    size_t lastReplaced = 0;
    Step result = Step::End;
    size_t line = std::max<size_t>(next_, 1);
    for (; line < lines.size(); ++line) {
        SplitCommaLine(lines[line], fields, separator);
        const size_t index = static_cast<size_t>(field);
        if (!matches(index < fields.size() ? fields[index] : std::string())) continue;
        // The grid shows the match before the question about it; replacing all, it follows once,
        // after the last replacement.
        if (!replaceAll_ || mode_ == Mode::Search) {
            if (highlightRecord) highlightRecord(static_cast<int>(line));
        }
        if (mode_ == Mode::Search) {
            result = Step::Found;
        } else if (replaceAt(line, index)) {
            ++replaced;
            lastReplaced = line;
            if (replaceAll_) continue;
            result = Step::Replaced;
        } else {
            result = Step::Declined;
        }
        break;
    }
    next_ = line + 1;
    if (replaced > 0) {
        document_.setModified();
        if (replaceAll_ && highlightRecord) highlightRecord(static_cast<int>(lastReplaced));
        if (documentChanged) documentChanged();
    }
    if (busy) busy(false);
    if (result == Step::End) {
        next_ = 1;
        messages_.information("最後まで検索しました　！");
    }
    return result;
}

}  // namespace qv
