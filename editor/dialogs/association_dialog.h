// The dialog "Quorviとの関連付け(パス指定)": the named pairs of a label definition and the data
// file it reads. "終了" hands the edited list to the settings, "ｷｬﾝｾﾙ" drops it.
#pragma once

#include <QDialog>

#include "common/message_service.h"
#include "editor/dialogs/file_reference.h"
#include "editor/dialogs/label_program_path_dialog.h"
#include "editor/model/associations.h"
#include "editor/model/rowsmith_settings.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv {

class AssociationDialog : public QDialog {
    Q_OBJECT

  public:
    // `lastDataFile` is the data file last activated or saved, `documentTitle` the active
    // document's title. The label program path dialog runs (and may set the path in `settings`)
    // when an entry is registered while no path is stored.
    AssociationDialog(RowsmithSettings& settings, const QString& lastDataFile,
                      const QString& documentTitle, MessageService& messages,
                      QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void setPathAsker(PathAsker asker) { pathAsker_ = std::move(asker); }

    const AssociationList& list() const { return list_; }

  public slots:
    void accept() override;  // "終了"

  private:
    QLineEdit* addEdit(const char* name);
    void buildButtons();
    void showList();
    void load(size_t index);
    void clearEdits();
    void browseDefinition();
    void browseData();
    void registerEntry();
    void deleteEntry();

    RowsmithSettings& settings_;
    MessageService& messages_;
    AssociationList list_;
    FileChooser chooser_;
    PathAsker pathAsker_;
    QLineEdit* commandEdit_;
    QLineEdit* definitionEdit_;
    QLineEdit* dataEdit_;
    QPushButton* definitionBrowse_ = nullptr;
    QPushButton* dataBrowse_ = nullptr;
    QPushButton* register_ = nullptr;
    QListWidget* commands_;
};

// Runs the dialog over the settings' associations.
void editAssociations(QWidget* parent, RowsmithSettings& settings, const QString& lastDataFile,
                      const QString& documentTitle, MessageService& messages);

}  // namespace qv
