#include "editor/model/field_maintenance_form.h"

#include <cstdio>

#include "common/message_service.h"
#include "common/record_line.h"

namespace qv {

namespace {

constexpr int kMaxFieldWidth = 9999;  // the layout file keeps four digits a width

}  // namespace

FieldMaintenanceForm::FieldMaintenanceForm(CROWSMITHDoc& document, MessageService& messages)
    : document_(document), messages_(messages) {
    const auto& names = document_.headerNames;
    for (size_t i = 0; i < names.size(); ++i) {
        const int width = i < document_.columnWidths.size() ? document_.columnWidths[i] : 0;
        entries_.push_back(entryText(names[i], width));
    }
}

std::string FieldMaintenanceForm::entryText(const std::string& name, int width) {
    std::string entry = name;
    if (entry.size() < kMaxFieldNameBytes) entry.resize(kMaxFieldNameBytes, ' ');
    return entry + std::to_string(width);
}

std::string FieldMaintenanceForm::entryName(const std::string& entry) {
    std::string name = entry.substr(0, kMaxFieldNameBytes);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\0' || name.back() == '\r' ||
                             name.back() == '\n'))
        name.pop_back();
    return name;
}

int FieldMaintenanceForm::entryWidth(const std::string& entry) {
    int width = 0;
    for (size_t i = kMaxFieldNameBytes; i < entry.size() && width <= kMaxFieldWidth; ++i) {
        if (entry[i] < '0' || entry[i] > '9') break;
        width = width * 10 + (entry[i] - '0');
    }
    return width == 0 ? kDefaultFieldWidth : width;
}

std::string FieldMaintenanceForm::insertButtonText() const {
    return insertAfter_ ? "後に挿入(&I)" : "前に挿入(&I)";
}

void FieldMaintenanceForm::select(int entry) {
    selected_ = entry >= 0 && entry < static_cast<int>(entries_.size()) ? entry : -1;
    if (!modifyMode_ || selected_ < 0) return;
    const std::string& text = entries_[static_cast<size_t>(selected_)];
    name_ = entryName(text);
    width_ = entryWidth(text);
}

void FieldMaintenanceForm::setName(const std::string& nameSjis) {
    name_ = nameSjis;
    if (!modifyMode_ || selected_ < 0 || name_.empty() || !width_) return;
    if (!checkInput()) return;
    entries_[static_cast<size_t>(selected_)] = entryText(name_, *width_);
    changed_ = true;
}

void FieldMaintenanceForm::setWidth(std::optional<int> width) {
    width_ = width;
    if (!modifyMode_ || selected_ < 0 || name_.empty() || !width_) return;
    if (*width_ < 0 || *width_ > kMaxFieldWidth) return;
    entries_[static_cast<size_t>(selected_)] = entryText(name_, *width_);
    changed_ = true;
}

// The name and width checks shared by add, insert and modify.
bool FieldMaintenanceForm::checkInput() {
    if (name_.empty()) {
        messages_.exclamation("ﾌｨｰﾙﾄﾞ名を入力して下さい。　");
        return false;
    }
    if (name_.size() > kMaxFieldNameBytes) {
        char text[96];
        std::snprintf(text, sizeof text, "ﾌｨｰﾙﾄﾞ名は %d 文字以内\nで入力して下さい。",
                      static_cast<int>(kMaxFieldNameBytes));
        messages_.exclamation(text);
        return false;
    }
    // The header line is split at commas: a comma would make two names of one.
    if (name_.find(kComma) != std::string::npos) {
        messages_.exclamation("ﾌｨｰﾙﾄﾞ名に , は使えません。");
        return false;
    }
    if (!width_ || *width_ < 0 || *width_ > kMaxFieldWidth) {
        messages_.exclamation("最大長(byte)は 0 ～ 9999 の数字で入力して下さい。");
        return false;
    }
    return true;
}

bool FieldMaintenanceForm::add() {
    if (!checkInput()) return false;
    entries_.push_back(entryText(name_, *width_));
    name_.clear();
    changed_ = true;
    return true;
}

bool FieldMaintenanceForm::insert() {
    if (selected_ < 0) {
        messages_.exclamation("挿入する位置を指定して下さい。");
        return false;
    }
    if (!checkInput()) return false;
    insertEntry(static_cast<size_t>(selected_) + (insertAfter_ ? 1 : 0));
    return true;
}

void FieldMaintenanceForm::insertEntry(size_t at) {
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), entryText(name_, *width_));
    selected_ = static_cast<int>(at);
    changed_ = true;
    rebuild();
    if (document_.recordCount() > 0) {
        InsertFieldInAllRecords(document_.lines, at);
        if (recordsChanged) recordsChanged();
    }
}

bool FieldMaintenanceForm::modify() {
    if (!checkInput()) return false;
    if (selected_ < 0) {
        messages_.exclamation("修正に失敗しました　！");
        return false;
    }
    entries_[static_cast<size_t>(selected_)] = entryText(name_, *width_);
    changed_ = true;
    return true;
}

bool FieldMaintenanceForm::remove() {
    if (name_.empty()) {
        messages_.exclamation("ﾌｨｰﾙﾄﾞ名を入力して下さい。　");
        return false;
    }
    size_t at = 0;
    while (at < entries_.size() && entries_[at].compare(0, name_.size(), name_) != 0) ++at;
    if (at == entries_.size()) {
        messages_.exclamation("指定された項目はありません");
        return false;
    }
    selected_ = static_cast<int>(at);
    const int records = document_.recordCount();
    if (records > 0) {
        char text[160];
        std::snprintf(text, sizeof text, "このﾄﾞｷｭﾒﾝﾄには既に%d 件のﾚｺｰﾄﾞがあります\n", records);
        if (!messages_.warnYesNo(std::string(text) + "このｺﾏﾝﾄﾞはCANCELで元に戻せません！",
                                 MessageAnswer::No, "ﾌｨｰﾙﾄﾞの削除")) {
            return false;
        }
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
    selected_ = -1;
    changed_ = true;
    rebuild();
    if (records > 0) {
        DeleteFieldInAllRecords(document_.lines, at);
        if (recordsChanged) recordsChanged();
    }
    return true;
}

FieldMaintenanceForm::EnterResult FieldMaintenanceForm::enterInWidth() {
    if (modifyMode_) {
        if (entries_.empty()) return EnterResult::Nothing;
        const int count = static_cast<int>(entries_.size());
        select(selected_ + 1 < count ? selected_ + 1 : 0);
        return EnterResult::SelectedNext;
    }
    if (!addEnabled()) return EnterResult::Nothing;
    if (!messages_.askYesNo("この項目を追加しますか？", MessageAnswer::Yes, "ﾌｨｰﾙﾄﾞ追加"))
        return EnterResult::Nothing;
    return add() ? EnterResult::Added : EnterResult::Nothing;
}

void FieldMaintenanceForm::accept() {
    if (changed_) rebuild();
}

bool FieldMaintenanceForm::cancel() {
    if (!changed_) return true;
    return messages_.warnYesNo("変更を破棄ます", MessageAnswer::No, "CANCEL", Sound::Beep);
}

// Names, widths and the header line from the list; line 0 always follows the names.
void FieldMaintenanceForm::rebuild() {
    std::vector<std::string> names;
    ColumnWidths widths{};
    std::string header;
    for (const std::string& entry : entries_) {
        if (entry.empty()) break;
        if (names.size() < widths.size()) widths[names.size()] = entryWidth(entry);
        if (!names.empty()) header += kComma;
        names.push_back(entryName(entry));
        header += names.back();
    }
    document_.headerNames = std::move(names);
    document_.columnWidths = widths;
    if (document_.lines.empty()) document_.lines.emplace_back();
    document_.lines[0] = std::move(header);
    document_.setModified();
}

}  // namespace qv
