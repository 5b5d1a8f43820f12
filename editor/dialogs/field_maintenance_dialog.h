// The field dialog "フィールド情報のメンテ": a modal dialog that edits the field names and widths
// of a document and inserts or deletes a field in every record. The widgets only bind to
// FieldMaintenanceForm.
#pragma once

#include <QDialog>

#include "editor/model/field_maintenance_form.h"

class QCheckBox;
class QLineEdit;
class QTreeWidget;
class QPushButton;

namespace qv {

class FieldMaintenanceDialog : public QDialog {
    Q_OBJECT

  public:
    FieldMaintenanceDialog(CROWSMITHDoc& document, MessageService& messages,
                           QWidget* parent = nullptr);

    const FieldMaintenanceForm& form() const { return form_; }

  public slots:
    // OK: names, widths and header line from the list.
    void accept() override;
    // Cancel (and Escape): asks first when something changed.
    void reject() override;

  signals:
    // A field was inserted into or deleted from every record: all views refresh.
    void documentChanged();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLayout* buildEdits();
    QLayout* buildButtons();
    void enterInWidth();
    // Runs a button of the form; the list is shown again when it changed.
    void press(bool (FieldMaintenanceForm::*button)());
    void showList();
    void selectEntry(int entry);
    void showState();

    FieldMaintenanceForm form_;
    QTreeWidget* list_;  // name and width of every entry, in two columns
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* widthEdit_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* modifyButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* modeButton_ = nullptr;
    QCheckBox* afterBox_ = nullptr;
};

}  // namespace qv
