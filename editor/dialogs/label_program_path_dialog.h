// The dialog "Quorviのパス": where the label program is. OK takes only a file that can be run.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "common/message_service.h"
#include "editor/dialogs/file_reference.h"

class QLineEdit;

namespace qv {

class LabelProgramPathDialog : public QDialog {
    Q_OBJECT

  public:
    // `stored` is the path in the settings (UTF-8); when empty the edit offers the quorvi32
    // beside this program, or this program's folder.
    LabelProgramPathDialog(const std::string& stored, MessageService& messages,
                           QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    QString path() const;
    // The path taken by OK (UTF-8); nothing after Cancel or while the dialog is open.
    const std::optional<std::string>& result() const { return result_; }

  public slots:
    void accept() override;

  private:
    void browse();

    MessageService& messages_;
    FileChooser chooser_;
    QLineEdit* pathEdit_;
    std::optional<std::string> result_;
};

// Runs the dialog; the new path after OK, nothing after Cancel.
using PathAsker =
    std::function<std::optional<std::string>(QWidget* parent, const std::string& stored)>;
std::optional<std::string> askLabelProgramPath(QWidget* parent, const std::string& stored,
                                               MessageService& messages);

}  // namespace qv
