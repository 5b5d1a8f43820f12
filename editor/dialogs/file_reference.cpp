#include "editor/dialogs/file_reference.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace qv {

namespace {

// The folder the next file dialog starts in; each choice moves it, as the current folder did.
QString& browseFolder() {
    static QString folder = QDir::currentPath();
    return folder;
}

}  // namespace

QString definitionFileFilter() {
    return QStringLiteral("Quorvi定義 (*.qvd)");
}

QString dataFileFilter() {
    return QStringLiteral("ｶﾝﾏText (*.csv);;Text Files(*.txt)");
}

QString executableFilter() {
    return QStringLiteral("実行ﾌｧｲﾙ (*)");
}

QString referenceFile(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent, QStringLiteral("ファイルの参照"), browseFolder(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (filter == executableFilter()) {
        // Programs have no extension here: the executable bit picks them.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDot);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString chosen = dialog.selectedFiles().constFirst();
    browseFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

}  // namespace qv
