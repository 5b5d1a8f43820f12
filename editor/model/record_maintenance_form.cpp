#include "editor/model/record_maintenance_form.h"

#include <algorithm>
#include <string_view>

#include "common/message_service.h"
#include "common/record_line.h"

namespace qv {

namespace {

const std::string kNoText;

}  // namespace

RecordMaintenanceForm::RecordMaintenanceForm(CROWSMITHDoc& document, MessageService& messages)
    : document_(document), messages_(messages) {}

bool RecordMaintenanceForm::open(int currentRow) {
    const int names = static_cast<int>(document_.headerNames.size());
    if (names == 0) {
        messages_.exclamation("フィールドが定義されていません。");
        return false;
    }
    boxes_.assign(static_cast<size_t>(names > kMaxRecordBoxes ? kMaxRecordBoxes - 1 : names),
                  std::string());
    if (count() == 0) {
        enterAdd();
    } else {
        load(currentRow >= 1 && currentRow <= count() ? currentRow : 1);
    }
    return true;
}

const std::string& RecordMaintenanceForm::boxName(int box) const {
    const auto& names = document_.headerNames;
    return box >= 0 && box < static_cast<int>(names.size()) ? names[static_cast<size_t>(box)]
                                                            : kNoText;
}

const std::string& RecordMaintenanceForm::box(int box) const {
    return box >= 0 && box < boxCount() ? boxes_[static_cast<size_t>(box)] : kNoText;
}

void RecordMaintenanceForm::setBox(int box, const std::string& textSjis) {
    if (box >= 0 && box < boxCount()) boxes_[static_cast<size_t>(box)] = textSjis;
}

int RecordMaintenanceForm::hiddenFieldCount() const {
    return static_cast<int>(document_.headerNames.size()) - boxCount();
}

bool RecordMaintenanceForm::allEmpty() const {
    return std::all_of(boxes_.begin(), boxes_.end(),
                       [](const std::string& text) { return text.empty(); });
}

bool RecordMaintenanceForm::matchesLoaded() const {
    for (size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i] != (i < loaded_.size() ? loaded_[i] : kNoText)) return false;
    }
    return true;
}

void RecordMaintenanceForm::clearBoxes() {
    std::fill(boxes_.begin(), boxes_.end(), std::string());
    loaded_.clear();
}

// The boxes, then whatever the record held behind them, each quoted and joined by commas.
std::string RecordMaintenanceForm::buildLine() const {
    std::string line;
    const size_t total = std::max(boxes_.size(), loaded_.size());
    for (size_t i = 0; i < total; ++i) {
        if (i > 0) line += kComma;
        line += QuoteField(i < boxes_.size() ? boxes_[i] : loaded_[i]);
    }
    return line;
}

// The stored record with each changed box in place of its field; every field the user did not
// change keeps its bytes, quotes and separator. Boxes typed beyond the record's last field are
// appended with the record's own separator.
std::string RecordMaintenanceForm::withChangedBoxes(const std::string& line) const {
    const std::vector<FieldSpan> spans = RecordFieldSpans(line);
    const auto changed = [this](size_t i) {
        return i < boxes_.size() && boxes_[i] != (i < loaded_.size() ? loaded_[i] : kNoText);
    };
    size_t fields = spans.size();
    for (size_t i = fields; i < boxes_.size(); ++i) {
        if (changed(i)) fields = i + 1;
    }
    char separator = kComma;
    SplitRecordLine(line, separator);
    std::string out;
    for (size_t i = 0; i < fields; ++i) {
        if (i > 0) out += i < spans.size() ? line[spans[i].begin - 1] : separator;
        if (changed(i)) {
            out += QuoteField(boxes_[i]);
        } else if (i < spans.size()) {
            const std::string_view raw =
                std::string_view(line).substr(spans[i].begin, spans[i].end - spans[i].begin);
            // Only a last field may hide a comma or TAB as 0x10 or 0x11: one that stops being
            // last is written out plainly.
            const bool hides = raw.find_first_of("\x10\x11") != std::string_view::npos;
            const bool stopsBeingLast = i + 1 == spans.size() && fields > spans.size();
            if (hides && stopsBeingLast) {
                out += QuoteField(loaded_[i]);
            } else {
                out += raw;
            }
        }
    }
    return out + line.substr(spans.back().end);  // a line end kept with the line
}

RecordMaintenanceForm::Commit RecordMaintenanceForm::commit() {
    if (allEmpty()) {
        if (addMode_) {
            addMode_ = false;  // the position stays behind the last record
            return Commit::LeftAdd;
        }
        if (insertMode_) {
            insertMode_ = false;
            document_.lines.erase(document_.lines.begin() + position_);
            notify(extentChanged);
            return Commit::DroppedInsert;
        }
        return Commit::Nothing;
    }
    if (addMode_) {
        document_.lines.push_back(buildLine());
        document_.setModified();
        notify(extentChanged);
        enterAdd();
        return Commit::Appended;
    }
    if (position_ < 1 || position_ > count()) return Commit::Nothing;
    std::string& stored = document_.lines[static_cast<size_t>(position_)];
    const bool inserted = insertMode_;
    insertMode_ = false;
    // An untouched record keeps its own text (and separators): browsing changes nothing.
    if (matchesLoaded()) return Commit::Nothing;
    stored = inserted ? buildLine() : withChangedBoxes(stored);
    loaded_ = SplitRecordLine(stored);
    document_.setModified();
    notify(redraw);
    return Commit::Stored;
}

void RecordMaintenanceForm::load(int record) {
    addMode_ = false;
    insertMode_ = false;
    captionSuffix_.clear();
    position_ = record;
    loaded_ = SplitRecordLine(document_.lines[static_cast<size_t>(record)]);
    for (size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = i < loaded_.size() ? loaded_[i] : std::string();
    }
    if (loaded_.size() > document_.headerNames.size()) notify(beep);
    highlight(record);
}

void RecordMaintenanceForm::enterAdd() {
    clearBoxes();
    addMode_ = true;
    insertMode_ = false;
    position_ = count() + 1;
    captionSuffix_ = "－レコードの追加";
}

// Where a move lands after its commit: a record, or add mode past the last one.
void RecordMaintenanceForm::moveTo(int record) {
    if (count() == 0 || record > count()) {
        if (!addMode_) enterAdd();
        highlight(position_);
        return;
    }
    load(std::max(record, 1));
}

void RecordMaintenanceForm::previous() {
    commit();
    moveTo(position_ - 1);
}

void RecordMaintenanceForm::next() {
    // Dropping an empty inserted record brings the record below it to the current position.
    moveTo(commit() == Commit::DroppedInsert ? position_ : position_ + 1);
}

void RecordMaintenanceForm::first() {
    commit();
    moveTo(1);
}

void RecordMaintenanceForm::last() {
    commit();
    moveTo(std::max(count(), 1));
}

void RecordMaintenanceForm::pageUp(int rows) {
    commit();
    moveTo(position_ - std::max(rows, 1));
}

void RecordMaintenanceForm::pageDown(int rows) {
    const int from = commit() == Commit::DroppedInsert ? position_ - 1 : position_;
    moveTo(from + std::max(rows, 1));
}

void RecordMaintenanceForm::goTo(int record) {
    commit();
    moveTo(record);
}

void RecordMaintenanceForm::startAdd() {
    commit();
    enterAdd();
    highlight(position_);
}

bool RecordMaintenanceForm::removeCurrent() {
    if (addMode_ || position_ < 1 || position_ > count()) return false;
    captionSuffix_ = "－選択中のレコードを削除";
    if (confirmDelete_) {
        if (!messages_.warnYesNo("このレコードを削除します\nもとに戻す事は出来ません。",
                                 MessageAnswer::No, "レコード削除")) {
            captionSuffix_ = insertMode_ ? "－現在行の上に挿入" : "";
            return false;
        }
    }
    document_.lines.erase(document_.lines.begin() + position_);
    insertMode_ = false;
    document_.setModified();
    notify(extentChanged);
    moveTo(std::min(position_, count()));
    return true;
}

void RecordMaintenanceForm::insertAbove() {
    if (addMode_) return;
    // Dropping an empty inserted record puts the record it stood above back at this position.
    commit();
    if (position_ < 1 || position_ > count()) return;
    captionSuffix_ = "－現在行の上に挿入";
    document_.lines.insert(document_.lines.begin() + position_, std::string());
    clearBoxes();
    insertMode_ = true;
    notify(extentChanged);
    highlight(position_);
}

void RecordMaintenanceForm::notify(const std::function<void()>& callback) const {
    if (callback) callback();
}

void RecordMaintenanceForm::highlight(int record) const {
    if (highlightRecord) highlightRecord(record);
}

}  // namespace qv
