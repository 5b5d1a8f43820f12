#include "editor/model/record_editing.h"

#include <algorithm>
#include <cstddef>

#include "common/record_line.h"
#include "common/text_encoding.h"
#include "common/text_format.h"
#include "editor/model/clipboard_text.h"

namespace qv {

ColumnWidths RecordEditor::copiedWidths{};

RecordEditor::RecordEditor(CROWSMITHDoc& document, ClipboardPort& clipboard,
                           MessageService& messages)
    : document_(document), clipboard_(clipboard), messages_(messages) {}

void RecordEditor::reset() {
    currentRow_ = 1;
    rangeSelected_ = false;
    undoKind_ = UndoKind::None;
    dropBlankRow();
}

void RecordEditor::setCurrentRow(int row) {
    currentRow_ = std::max(row, 1);
}

void RecordEditor::selectRange(int first, int last) {
    selectionStart_ = first;
    selectionEnd_ = last;
    rangeSelected_ = true;
}

int RecordEditor::rangeFirst() const {
    return rangeSelected_ ? std::min(selectionStart_, selectionEnd_) : currentRow_;
}

int RecordEditor::rangeLast() const {
    return rangeSelected_ ? std::max(selectionStart_, selectionEnd_) : currentRow_;
}

bool RecordEditor::canCut(bool recordDialogOpen) const {
    if (rangeSelected_) return true;
    return document_.recordCount() > 0 && currentRow_ <= document_.recordCount() &&
           !recordDialogOpen;
}

// The copy list holds "@" and the header, then the records; the clipboard gets it as text.
bool RecordEditor::copyRange(int first, int last) {
    document_.copyList.clear();
    if (document_.lines.empty()) return false;
    first = std::max(first, 1);
    last = std::min(last, document_.recordCount());
    copiedWidths = document_.columnWidths;
    document_.copyList.push_back(kHeaderMarker + document_.lines[0]);
    for (int row = first; row <= last; ++row) {
        document_.copyList.push_back(document_.lines[static_cast<size_t>(row)]);
    }
    bool opened = true;
    if (!clipboard_.write(clipboardTextOf(document_.copyList), opened)) {
        messages_.exclamation(opened ? "ｸﾘｯﾌﾟﾎﾞｰﾄﾞﾃﾞｰﾀの引き渡しに\n失敗しました　！"
                                     : "クリップボードのオ－プンに\n失敗しました　！");
        return false;
    }
    return true;
}

bool RecordEditor::copy() {
    if (!copyRange(rangeFirst(), rangeLast())) return false;
    rangeSelected_ = false;
    undoKind_ = UndoKind::None;
    return true;
}

bool RecordEditor::cut() {
    const int first = std::max(rangeFirst(), 1);
    const int last = std::min(rangeLast(), document_.recordCount());
    if (first > last || !copyRange(first, last)) return false;
    eraseRecords(first, last - first + 1);
    rangeSelected_ = false;
    undoKind_ = UndoKind::Cut;
    undoPosition_ = first;
    currentRow_ = first;
    document_.setModified();
    return true;
}

void RecordEditor::eraseRecords(int first, int count) {
    const auto begin = document_.lines.begin() + first;
    const auto end = begin + std::min<std::ptrdiff_t>(count, document_.lines.end() - begin);
    document_.lines.erase(begin, end);
}

std::string unencodableMessage(const std::string& charactersUtf8) {
    return "次の文字はShift-JISのファイルに保存できません。書き直して下さい：" + charactersUtf8;
}

bool RecordEditor::paste() {
    std::string text;
    const bool utf8 = document_.encoding().encoding == TextEncoding::Utf8;
    switch (utf8 ? clipboard_.readUtf8(text) : clipboard_.read(text)) {
        case ClipboardPort::Read::Text:
            break;
        case ClipboardPort::Read::NotText:
            messages_.exclamation("ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容は\nﾃｷｽﾄﾃﾞｰﾀではありません。");
            return false;
        case ClipboardPort::Read::CannotOpen:
            messages_.exclamation("ｸﾘｯﾌﾟﾎﾞｰﾄﾞがｵｰﾌﾟﾝ出来ません。");
            return false;
        case ClipboardPort::Read::Empty:
            messages_.exclamation("ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容はnulです。");
            return false;
        case ClipboardPort::Read::Unencodable:
            messages_.exclamation(unencodableMessage(text));
            return false;
    }
    if (utf8) text = utf8ToCore(text);
    if (separatorsInFirstLine(text) == 0) {
        messages_.exclamation(
            "クリップボードのデータは\nカンマ又はタブ編集ファイルではありません　！");
        return false;
    }
    std::vector<std::string> lines = pastedLines(text);
    if (lines.empty()) return false;
    if (!document_.lines.empty()) {
        const size_t fields = SplitRecordLine(lines[0]).size();
        if (fields != document_.headerNames.size() &&
            !messages_.askYesNo("ﾌｨｰﾙﾄﾞ数が合いませんが、貼付を続けますか　？", MessageAnswer::Yes,
                                formatText("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ=%d 現在の数%d", static_cast<int>(fields),
                                           static_cast<int>(document_.headerNames.size())))) {
            return false;
        }
    } else if (!takeHeader(lines[0])) {
        return false;
    }
    const bool firstIsHeader = lines[0].front() == kHeaderMarker || document_.lines.size() == 1;
    return insertLines(lines, firstIsHeader ? 1 : 0);
}

// Into an empty document the first line brings the header: after "@" with the widths of the
// last copy, without it as the user agrees, with widths of 10.
bool RecordEditor::takeHeader(const std::string& firstLine) {
    if (firstLine.front() == kHeaderMarker) {
        document_.lines.push_back(firstLine.substr(1));
        document_.columnWidths = copiedWidths;
    } else {
        if (!messages_.askYesNo(
                "ヘッダー情報がありません\n一行目をヘッダーと見なしていいですか　？",
                MessageAnswer::Yes, "データ貼付")) {
            return false;
        }
        document_.lines.push_back(firstLine);
        document_.columnWidths.fill(10);
    }
    document_.splitHeader();
    return true;
}

bool RecordEditor::insertLines(const std::vector<std::string>& lines, size_t from) {
    const int start = std::min(currentRow_, document_.recordCount() + 1);
    int row = start;
    for (size_t i = from; i < lines.size(); ++i, ++row) {
        document_.lines.insert(document_.lines.begin() + row, lines[i]);
    }
    currentRow_ = row;
    undoKind_ = UndoKind::Paste;
    undoPosition_ = start;
    undoCount_ = row - start;
    document_.setModified();
    return true;
}

bool RecordEditor::remove() {
    const int first = std::max(rangeFirst(), 1);
    const int last = std::min(rangeLast(), document_.recordCount());
    if (first > last) return false;
    if (!messages_.warnYesNo("指定範囲のレコードを削除します\nもとに戻す事は出来ません。",
                             MessageAnswer::Yes, "レコード削除")) {
        return false;
    }
    eraseRecords(first, last - first + 1);
    rangeSelected_ = false;
    currentRow_ = std::min(first, std::max(document_.recordCount(), 1));
    document_.setModified();
    return true;
}

// A cut comes back from the copy list it filled (exactly the records cut, whatever the
// clipboard holds by now); a paste is taken out again.
bool RecordEditor::undo() {
    if (undoKind_ == UndoKind::Cut && document_.copyList.size() > 1) {
        const int at = std::min(undoPosition_, document_.recordCount() + 1);
        document_.lines.insert(document_.lines.begin() + at, document_.copyList.begin() + 1,
                               document_.copyList.end());
        currentRow_ = at;
        document_.setModified();
    } else if (undoKind_ == UndoKind::Paste && undoPosition_ <= document_.recordCount()) {
        eraseRecords(undoPosition_, undoCount_);
        currentRow_ = undoPosition_;
        document_.setModified();
    } else {
        undoKind_ = UndoKind::None;
        return false;
    }
    undoKind_ = UndoKind::None;
    return true;
}

bool RecordEditor::storeField(int row, size_t field, const std::string& value) {
    if (row < 1 || row > document_.recordCount()) return false;
    std::string& line = document_.lines[static_cast<size_t>(row)];
    char separator = kComma;
    const size_t fields = SplitRecordLine(line, separator).size();
    std::string padded = line;
    for (size_t k = fields; k <= field; ++k) padded += separator;
    const std::string changed = SetRecordField(padded, value, field);
    if (changed == line) return false;
    line = changed;
    document_.setModified();
    return true;
}

void RecordEditor::startBlankRow() {
    const size_t names = std::max<size_t>(document_.headerNames.size(), 1);
    blankRow_.assign(names - 1, kComma);
    blankRowActive_ = true;
    blankRowEntered_ = false;
}

void RecordEditor::setBlankField(size_t field, const std::string& value) {
    if (!blankRowActive_) return;
    const std::string changed = SetRecordField(blankRow_, value, field);
    if (!value.empty()) blankRowEntered_ = true;
    blankRow_ = changed;
}

bool RecordEditor::commitBlankRow() {
    const bool append = blankRowActive_ && blankRowEntered_;
    if (append) {
        document_.lines.push_back(blankRow_);
        document_.setModified();
    }
    dropBlankRow();
    return append;
}

void RecordEditor::dropBlankRow() {
    blankRow_.clear();
    blankRowActive_ = false;
    blankRowEntered_ = false;
}

}  // namespace qv
