#include "editor/dialogs/label_program_path_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/dialogs/explanation_dialog.h"
#include "editor/model/associations.h"
#include "platform/qt_text.h"

namespace qv {

LabelProgramPathDialog::LabelProgramPathDialog(const std::string& stored, MessageService& messages,
                                               QWidget* parent)
    : QDialog(parent), messages_(messages), chooser_(referenceFile) {
    setWindowTitle(QStringLiteral("Quorviのパス"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Quorvi32 のﾊﾟｽ:"), this));
    auto* pathRow = new QHBoxLayout;
    pathEdit_ = new QLineEdit(this);
    pathEdit_->setObjectName(QStringLiteral("path"));
    pathEdit_->setMinimumWidth(360);
    const std::string shown =
        stored.empty() ? defaultLabelProgramPath(toUtf8(QCoreApplication::applicationDirPath()))
                       : stored;
    pathEdit_->setText(fromUtf8(shown));
    auto* browseButton = new QPushButton(QStringLiteral("参照"), this);
    browseButton->setObjectName(QStringLiteral("browse"));
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &LabelProgramPathDialog::browse);
    pathRow->addWidget(pathEdit_, 1);
    pathRow->addWidget(browseButton);
    layout->addLayout(pathRow);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("CANCEL"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* help = new QPushButton(QStringLiteral("HELP"), this);
    help->setObjectName(QStringLiteral("help"));
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &LabelProgramPathDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &LabelProgramPathDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { showExplanation(this, kLabelProgramExplanation); });
    buttons->addStretch(1);
    for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
    layout->addLayout(buttons);
}

QString LabelProgramPathDialog::path() const {
    return pathEdit_->text();
}

void LabelProgramPathDialog::browse() {
    const QString chosen = chooser_(this, executableFilter());
    if (!chosen.isEmpty()) pathEdit_->setText(chosen);
}

void LabelProgramPathDialog::accept() {
    const std::string path = toUtf8(pathEdit_->text());
    if (!checkLabelProgramPath(path, messages_)) {
        pathEdit_->setFocus();
        return;
    }
    result_ = path;
    QDialog::accept();
}

std::optional<std::string> askLabelProgramPath(QWidget* parent, const std::string& stored,
                                               MessageService& messages) {
    LabelProgramPathDialog dialog(stored, messages, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.result();
}

}  // namespace qv
