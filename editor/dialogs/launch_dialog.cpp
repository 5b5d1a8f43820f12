#include "editor/dialogs/launch_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "editor/dialogs/explanation_dialog.h"
#include "platform/qt_text.h"

namespace qv {

bool startDetachedProcess(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) list << fromUtf8(argument);
    return QProcess::startDetached(fromUtf8(program), list);
}

LaunchDialog::LaunchDialog(const CROWSMITHDoc& document, const QString& documentTitle,
                           RowsmithSettings& settings, const QString& lastDataFile,
                           MessageService& messages, QWidget* parent)
    : QDialog(parent),
      document_(document),
      title_(documentTitle),
      settings_(settings),
      messages_(messages),
      list_(settings.associations),
      starter_(startDetachedProcess),
      pathAsker_([&messages](QWidget* owner, const std::string& stored) {
          return askLabelProgramPath(owner, stored, messages);
      }) {
    setWindowTitle(QStringLiteral("Quorvi起動"));
    auto* layout = new QVBoxLayout(this);
    commands_ = new QListWidget(this);
    commands_->setObjectName(QStringLiteral("commands"));
    for (const std::string& name : list_.commandNames()) commands_->addItem(fromUtf8(name));
    if (const auto found = list_.findDataFile(toUtf8(lastDataFile))) {
        commands_->setCurrentRow(static_cast<int>(*found));
    }
    connect(commands_, &QListWidget::itemDoubleClicked, this, &LaunchDialog::launch);
    layout->addWidget(commands_, 1);
    confirm_ = new QCheckBox(QStringLiteral("確認ﾒｯｾｰｼﾞ"), this);
    confirm_->setObjectName(QStringLiteral("confirm"));
    confirm_->setChecked(true);
    layout->addWidget(confirm_);

    auto* row = new QHBoxLayout;
    auto* start = new QPushButton(QStringLiteral("Launch"), this);
    start->setObjectName(QStringLiteral("launch"));
    start->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* help = new QPushButton(QStringLiteral("HELP"), this);
    help->setObjectName(QStringLiteral("help"));
    help->setAutoDefault(false);
    connect(start, &QPushButton::clicked, this, &LaunchDialog::launch);
    connect(cancel, &QPushButton::clicked, this, &LaunchDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { showExplanation(this, kLabelProgramExplanation); });
    row->addStretch(1);
    for (QPushButton* b : {start, cancel, help}) row->addWidget(b);
    layout->addLayout(row);
    resize(360, 280);
}

void LaunchDialog::launch() {
    std::optional<Association> entry = chosenAssociation(list_, commands_->currentRow(), messages_);
    if (!entry) return;
    if (settings_.labelProgramPath.empty()) {
        const std::optional<std::string> path = pathAsker_(this, settings_.labelProgramPath);
        if (!path) return;
        settings_.labelProgramPath = *path;
    }
    LaunchRequest request;
    request.entry = std::move(*entry);
    request.documentTitle = toUtf8(title_);
    request.labelProgramPath = settings_.labelProgramPath;
    request.confirm = confirm_->isChecked();
    outcome_ = launchLabelProgram(document_, request, messages_, starter_);
    if (*outcome_ == LaunchOutcome::Started) QDialog::accept();
}

void launchLabelProgramDialog(QWidget* parent, const CROWSMITHDoc& document,
                              const QString& documentTitle, RowsmithSettings& settings,
                              const QString& lastDataFile, MessageService& messages) {
    LaunchDialog dialog(document, documentTitle, settings, lastDataFile, messages, parent);
    dialog.exec();
}

}  // namespace qv
