// The record commands of the grid and its pop-up menu. The rules live in RecordEditor; here
// they are enabled, run and followed by a redraw.
#include <QAction>
#include <QMenu>

#include "editor/widgets/rowsmith_commands.h"
#include "editor/widgets/rowsmith_view.h"

namespace qv {

bool CROWSMITHView::canCut() const {
    return editor_.rangeSelected() || (highlighted_ && editor_.canCut(recordDialogOpen_));
}

bool CROWSMITHView::canPaste() const {
    return !recordDialogOpen_ && clipboard_.hasText();
}

void CROWSMITHView::copy() {
    if (!commitOpenEdit()) return;
    if (!canCut()) return;
    if (editor_.copy()) highlighted_ = false;
    viewport()->update();
    emit selectionChanged();
}

void CROWSMITHView::cut() {
    if (!commitOpenEdit()) return;
    if (!canCut()) return;
    afterChange(editor_.cut());
}

// A clipboard without text is refused with its message by the paste itself.
void CROWSMITHView::paste() {
    if (!commitOpenEdit()) return;
    if (recordDialogOpen_) return;
    afterChange(editor_.paste());
}

void CROWSMITHView::deleteRecords() {
    if (!commitOpenEdit()) return;
    if (!canCut()) return;
    afterChange(editor_.remove());
}

void CROWSMITHView::undo() {
    endEditing();
    afterChange(editor_.undo());
}

// A paste into an empty document brings a header, so the columns are laid out anew.
void CROWSMITHView::afterChange(bool changed) {
    if (changed) {
        relayout();
        emit documentChanged();
    }
    viewport()->update();
    emit selectionChanged();
}

void CROWSMITHView::runCommand(int id) {
    switch (id) {
        case rowsmith::kCut:
            return cut();
        case rowsmith::kCopy:
            return copy();
        case rowsmith::kPaste:
            return paste();
        case rowsmith::kDelete:
            return deleteRecords();
        case rowsmith::kUndo:
            return undo();
        default:
            emit commandRequested(id);
    }
}

void CROWSMITHView::fillContextMenu(QMenu& menu) {
    const auto add = [&](const QString& text, int id) {
        QAction* action = menu.addAction(text);
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    };
    add(QStringLiteral("ﾍｯﾀﾞｰﾌｨｰﾙﾄﾞの作成・変更"), rowsmith::kFieldDialog);
    if (!document_.headerNames.empty()) {
        add(QStringLiteral("ﾚｺｰﾄﾞの追加・作成"), rowsmith::kRecordDialog);
    }
    if (canCut()) {
        add(QStringLiteral("切り取り"), rowsmith::kCut);
        add(QStringLiteral("コピー"), rowsmith::kCopy);
        add(QStringLiteral("削　除"), rowsmith::kDelete);
    }
    if (canPaste()) add(QStringLiteral("貼り付け"), rowsmith::kPaste);
    if (document_.recordCount() > 0) {
        menu.addSeparator();
        add(QStringLiteral("ﾚｺｰﾄﾞの検索・置換"), rowsmith::kSearch);
        add(QStringLiteral("レーコード抽出"), rowsmith::kExtract);
        if (!barcodeDialogOpen_)
            add(QStringLiteral("ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ"), rowsmith::kBarcodeFields);
    }
    add(QStringLiteral("フォント"), rowsmith::kFont);
}

}  // namespace qv
