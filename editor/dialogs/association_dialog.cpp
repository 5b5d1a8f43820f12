#include "editor/dialogs/association_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/dialogs/explanation_dialog.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

QPushButton* button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

AssociationDialog::AssociationDialog(RowsmithSettings& settings, const QString& lastDataFile,
                                     const QString& documentTitle, MessageService& messages,
                                     QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      messages_(messages),
      list_(settings.associations),
      chooser_(referenceFile),
      pathAsker_([&messages](QWidget* owner, const std::string& stored) {
          return askLabelProgramPath(owner, stored, messages);
      }) {
    setWindowTitle(QStringLiteral("Quorviとの関連付け(パス指定)"));
    auto* grid = new QGridLayout;
    commandEdit_ = addEdit("command");
    definitionEdit_ = addEdit("definition");
    dataEdit_ = addEdit("data");
    definitionBrowse_ = button(this, QStringLiteral("参照"), "browseDefinition");
    dataBrowse_ = button(this, QStringLiteral("参照"), "browseData");
    connect(definitionBrowse_, &QPushButton::clicked, this, &AssociationDialog::browseDefinition);
    connect(dataBrowse_, &QPushButton::clicked, this, &AssociationDialog::browseData);
    grid->addWidget(new QLabel(QStringLiteral("ｺﾏﾝﾄﾞ名:"), this), 0, 0);
    grid->addWidget(commandEdit_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("定義ﾌｧｲﾙ(.QVD)"), this), 1, 0);
    grid->addWidget(definitionEdit_, 1, 1);
    grid->addWidget(definitionBrowse_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ(.CSV .TXT)"), this), 2, 0);
    grid->addWidget(dataEdit_, 2, 1);
    grid->addWidget(dataBrowse_, 2, 2);
    grid->setColumnStretch(1, 1);

    commands_ = new QListWidget(this);
    commands_->setObjectName(QStringLiteral("commands"));
    connect(commands_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) load(static_cast<size_t>(row));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(commands_, 1);
    buildButtons();

    dataEdit_->setText(lastDataFile);
    commandEdit_->setText(documentTitle);
    showList();
    if (const auto found = list_.findDataFile(toUtf8(lastDataFile))) {
        commands_->setCurrentRow(static_cast<int>(*found));
    }
}

QLineEdit* AssociationDialog::addEdit(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(320);
    return edit;
}

void AssociationDialog::buildButtons() {
    register_ = button(this, QStringLiteral("登録･修正"), "register");
    auto* remove = button(this, QStringLiteral("削除"), "delete");
    auto* finish = button(this, QStringLiteral("終了"), "finish");
    auto* cancel = button(this, QStringLiteral("ｷｬﾝｾﾙ"), "cancel");
    auto* help = button(this, QStringLiteral("HELP"), "help");
    connect(register_, &QPushButton::clicked, this, &AssociationDialog::registerEntry);
    connect(remove, &QPushButton::clicked, this, &AssociationDialog::deleteEntry);
    connect(finish, &QPushButton::clicked, this, &AssociationDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &AssociationDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { showExplanation(this, kLabelProgramExplanation); });
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {register_, remove}) row->addWidget(b);
    row->addStretch(1);
    for (QPushButton* b : {finish, cancel, help}) row->addWidget(b);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void AssociationDialog::showList() {
    const QSignalBlocker blocker(commands_);
    commands_->clear();
    for (const std::string& name : list_.commandNames()) commands_->addItem(fromUtf8(name));
}

void AssociationDialog::load(size_t index) {
    const Association a = list_.at(index);
    commandEdit_->setText(fromUtf8(a.command));
    definitionEdit_->setText(fromUtf8(a.definitionPath));
    dataEdit_->setText(fromUtf8(a.dataPath));
}

void AssociationDialog::clearEdits() {
    for (QLineEdit* edit : {commandEdit_, definitionEdit_, dataEdit_}) edit->clear();
}

void AssociationDialog::browseDefinition() {
    const QString chosen = chooser_(this, definitionFileFilter());
    if (chosen.isEmpty()) return;
    definitionEdit_->setText(chosen);
    if (dataEdit_->text().isEmpty()) {
        dataBrowse_->setFocus();
    } else if (commandEdit_->text().isEmpty()) {
        commandEdit_->setFocus();
    } else {
        register_->setFocus();
    }
}

void AssociationDialog::browseData() {
    const QString chosen = chooser_(this, dataFileFilter());
    if (!chosen.isEmpty()) dataEdit_->setText(chosen);
}

void AssociationDialog::registerEntry() {
    Association entry{toUtf8(commandEdit_->text()), toUtf8(definitionEdit_->text()),
                      toUtf8(dataEdit_->text())};
    // The definition's file name is the command name when none is typed.
    if (!checkAssociation(entry, commandNameOf(entry.definitionPath), list_, messages_)) return;
    if (settings_.labelProgramPath.empty()) {
        if (const auto path = pathAsker_(this, settings_.labelProgramPath)) {
            settings_.labelProgramPath = *path;
        }
    }
    list_.store(entry);
    showList();
    clearEdits();
}

void AssociationDialog::deleteEntry() {
    if (!deleteAssociation(list_, toUtf8(commandEdit_->text()), messages_)) return;
    showList();
    clearEdits();
}

void AssociationDialog::accept() {
    settings_.associations = list_.entries();
    QDialog::accept();
}

void editAssociations(QWidget* parent, RowsmithSettings& settings, const QString& lastDataFile,
                      const QString& documentTitle, MessageService& messages) {
    AssociationDialog dialog(settings, lastDataFile, documentTitle, messages, parent);
    dialog.exec();
}

}  // namespace qv
