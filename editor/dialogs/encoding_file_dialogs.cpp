#include "editor/dialogs/encoding_file_dialogs.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>

#include "platform/qt_text.h"

namespace qv {

const char* const kEncodingBoxLabel = "文字コード:";

namespace {

// Qt's own file dialog (not the desktop's) has a grid layout a row can be added to.
QComboBox* addEncodingBox(QFileDialog& dialog, const QStringList& entries) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* box = new QComboBox(&dialog);
    box->setObjectName(QStringLiteral("encodingBox"));
    box->addItems(entries);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(QString::fromUtf8(kEncodingBoxLabel), &dialog), row, 0);
        grid->addWidget(box, row, 1);
    }
    return box;
}

}  // namespace

std::optional<OpenRequest> askFilesToOpen(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    QComboBox* box = addEncodingBox(
        dialog, {QStringLiteral("自動"), QStringLiteral("Shift-JIS"), QStringLiteral("UTF-8")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    static constexpr EncodingChoice kChoices[] = {EncodingChoice::Auto, EncodingChoice::ShiftJis,
                                                  EncodingChoice::Utf8};
    return OpenRequest{dialog.selectedFiles(), kChoices[box->currentIndex()]};
}

std::optional<SaveRequest> askSaveAs(QWidget* parent, const QString& filter, const QString& name,
                                     FileEncoding current) {
    QFileDialog dialog(parent, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("CSV"));
    QComboBox* box = addEncodingBox(
        dialog,
        {QStringLiteral("そのまま (%1)").arg(fromUtf8(encodingLabel(current))),
         QStringLiteral("Shift-JIS"), QStringLiteral("UTF-8"), QStringLiteral("UTF-8 (BOM付き)")});
    if (!name.isEmpty()) dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    static constexpr SaveEncoding kChoices[] = {SaveEncoding::Keep, SaveEncoding::ShiftJis,
                                                SaveEncoding::Utf8, SaveEncoding::Utf8WithBom};
    return SaveRequest{dialog.selectedFiles().constFirst(), kChoices[box->currentIndex()]};
}

std::optional<EncodingChoice> askReopenEncoding(QWidget* parent, TextEncoding current) {
    const QStringList entries = {QStringLiteral("Shift-JIS"), QStringLiteral("UTF-8")};
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, QStringLiteral("別の文字コードで開き直す"),
                                                 QString::fromUtf8(kEncodingBoxLabel), entries,
                                                 current == TextEncoding::Utf8 ? 0 : 1, false, &ok);
    if (!ok) return {};
    return chosen == entries[0] ? EncodingChoice::ShiftJis : EncodingChoice::Utf8;
}

}  // namespace qv
