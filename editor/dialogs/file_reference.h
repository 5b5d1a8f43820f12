// The "参照" file dialogs of the association and label program path dialogs: "ファイルの参照",
// an existing file, starting in the folder of the previous choice (the process's current folder
// at first).
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace qv {

// Asks for an existing file under `filter` (Qt form, ";;" between filters); empty when
// cancelled. Replaceable in the dialogs, e.g. by tests.
using FileChooser = std::function<QString(QWidget* parent, const QString& filter)>;

QString referenceFile(QWidget* parent, const QString& filter);

// The filters in Qt form.
QString definitionFileFilter();  // "Quorvi定義 (*.qvd)"
QString dataFileFilter();        // "ｶﾝﾏText (*.csv)" and "Text Files(*.txt)"
QString executableFilter();      // "実行ﾌｧｲﾙ": files the user may run

}  // namespace qv
