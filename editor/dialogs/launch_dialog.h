// The dialog "Quorvi起動": choose an association and start the label program on the active
// document (written into the association's data file first).
#pragma once

#include <QDialog>

#include "common/message_service.h"
#include "editor/dialogs/label_program_path_dialog.h"
#include "editor/model/label_launch.h"
#include "editor/model/rowsmith_settings.h"

class QCheckBox;
class QListWidget;

namespace qv {

class LaunchDialog : public QDialog {
    Q_OBJECT

  public:
    // The entry whose data file is `lastDataFile` is selected. When no label program path is
    // stored, Launch asks for it first (and keeps it in `settings`).
    LaunchDialog(const CROWSMITHDoc& document, const QString& documentTitle,
                 RowsmithSettings& settings, const QString& lastDataFile, MessageService& messages,
                 QWidget* parent = nullptr);

    // Replaces the detached start of the label program, e.g. in tests.
    void setProcessStarter(ProcessStarter starter) { starter_ = std::move(starter); }
    void setPathAsker(PathAsker asker) { pathAsker_ = std::move(asker); }

    // What the last Launch did; nothing before one.
    const std::optional<LaunchOutcome>& outcome() const { return outcome_; }

  public slots:
    // "Launch" and a double click on a command. The dialog closes once the program started.
    void launch();

  private:
    const CROWSMITHDoc& document_;
    QString title_;
    RowsmithSettings& settings_;
    MessageService& messages_;
    AssociationList list_;
    ProcessStarter starter_;
    PathAsker pathAsker_;
    QListWidget* commands_;
    QCheckBox* confirm_;
    std::optional<LaunchOutcome> outcome_;
};

// Starts `program` with `arguments` detached from this process, through QProcess.
bool startDetachedProcess(const std::string& program, const std::vector<std::string>& arguments);

// Runs the dialog on the active document.
void launchLabelProgramDialog(QWidget* parent, const CROWSMITHDoc& document,
                              const QString& documentTitle, RowsmithSettings& settings,
                              const QString& lastDataFile, MessageService& messages);

}  // namespace qv
