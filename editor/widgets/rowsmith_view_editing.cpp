// Editing one cell in place: the selected column picks the field, Enter stores it and goes on
// to the next field, Escape ends without storing, Shift+TAB goes back one field. The blank row
// under the last record becomes a record when its last field is confirmed.
#include "common/record_line.h"
#include "common/sjis_text.h"
#include "editor/widgets/cell_editor.h"
#include "editor/widgets/field_name_bar.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

// Below this row height the edit keeps its own (readable) font.
constexpr int kSmallRowHeight = 15;

}  // namespace

void CROWSMITHView::selectColumn(int index) {
    if (index < 1 || index > static_cast<int>(document_.headerNames.size())) return;
    if (!commitOpenEdit()) return;
    selectedColumn_ = index;
    nameBar_->setSelected(index);
    showColumnStatus();
}

void CROWSMITHView::clearColumnSelection() {
    if (!commitOpenEdit()) return;
    selectedColumn_ = -1;
    nameBar_->setSelected(-1);
    emit statusMessage(QString());
}

void CROWSMITHView::showColumnStatus() {
    if (selectedColumn_ < 1 || selectedColumn_ > static_cast<int>(document_.headerNames.size())) {
        emit statusMessage(QString());
        return;
    }
    const QString name = fromSjis(document_.headerNames[static_cast<size_t>(selectedColumn_ - 1)]);
    const QString action =
        selectedColumn_ == 1 ? QStringLiteral("修正又は追加") : QStringLiteral("修正");
    emit statusMessage(
        QStringLiteral("＜%1＞カラムの任意の行をマウス左クリックで%2します。").arg(name, action));
}

void CROWSMITHView::beginEditing(int row, size_t field, bool blank) {
    editing_ = Editing{true, blank, row, field};
    cellEditor_->setFont(geometry_.rowHeight() > kSmallRowHeight ? screenFont_ : font());
    cellEditor_->setText(fieldText(row, field));
    ensureCellVisible(row, field);
    placeCellEditor();
    cellEditor_->show();
    cellEditor_->setFocus();
    cellEditor_->selectAll();
    emit statusMessage(QStringLiteral("入力確定+次=Enter  入力終了=ESC 　前のﾌｨｰﾙﾄﾞ=Shift+TAB"));
    viewport()->update();
}

QString CROWSMITHView::fieldText(int row, size_t field) const {
    if (editing_.blank) return fromSjis(RecordField(editor_.blankRow(), field));
    if (row < 1 || row > document_.recordCount()) return {};
    return fromSjis(RecordField(document_.lines[static_cast<size_t>(row)], field));
}

// Two pixels larger than the cell on every side.
void CROWSMITHView::placeCellEditor() {
    cellEditor_->setGeometry(
        cellRect(editing_.row, static_cast<int>(editing_.field)).adjusted(-2, -2, 2, 2));
}

// The open cell's text into its record (or the new record); false when a Shift-JIS document
// cannot hold it: the user hears which characters, and the edit stays as typed.
bool CROWSMITHView::storeOpenCell() {
    const std::string text = toUtf8(cellEditor_->text());
    const std::string missing = document_.missingCharacters(text);
    if (!missing.empty()) {
        messages_.exclamation(unencodableMessage(missing));
        cellEditor_->setFocus();
        return false;
    }
    const std::string value = document_.coreText(text);
    if (editing_.blank) {
        editor_.setBlankField(editing_.field, value);
    } else if (editor_.storeField(editing_.row, editing_.field, value)) {
        emit documentChanged();
    }
    return true;
}

void CROWSMITHView::confirmCell() {
    if (!editing_.active || !storeOpenCell()) return;
    if (editing_.field + 1 < geometry_.columnCount()) {
        beginEditing(editing_.row, editing_.field + 1, editing_.blank);
        return;
    }
    if (editing_.blank && editor_.commitBlankRow()) {
        relayout();  // one more row may need one more digit in the number column
        emit documentChanged();
        editor_.startBlankRow();
        beginEditing(document_.recordCount() + 1, 0, true);
        return;
    }
    endEditing();
}

bool CROWSMITHView::commitOpenEdit() {
    if (!editing_.active) return true;
    if (!storeOpenCell()) return false;
    if (editing_.blank && editor_.commitBlankRow()) {
        relayout();
        emit documentChanged();
    }
    endEditing();
    return true;
}

// On the first field Shift+TAB keeps the edit as it is, typed text included.
void CROWSMITHView::backTabCell() {
    if (!editing_.active || editing_.field == 0) return;
    beginEditing(editing_.row, editing_.field - 1, editing_.blank);
}

void CROWSMITHView::endEditing() {
    if (!editing_.active) return;
    const bool blank = editing_.blank;
    editing_ = Editing{};
    if (blank) editor_.dropBlankRow();
    const bool hadFocus = cellEditor_->hasFocus();
    cellEditor_->hide();
    if (hadFocus) setFocus();
    showColumnStatus();
    viewport()->update();
}

}  // namespace qv
