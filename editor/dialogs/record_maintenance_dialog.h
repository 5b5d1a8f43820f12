// The record dialog "レコードメンテ": a modeless window beside the grid that shows one record as a
// column of boxes, one per field, and steps through the records. The widgets only bind to
// RecordMaintenanceForm; the grid follows through the signals. Closing stores the record typed.
#pragma once

#include <QString>
#include <vector>

#include "editor/dialogs/modeless_dialog.h"
#include "editor/model/record_maintenance_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace qv {

class RecordMaintenanceDialog : public ModelessDialog {
    Q_OBJECT

  public:
    // Opens the dialog on `currentRow` of the document titled `documentTitle`, placed one step
    // further right and down than the one opened before. Without field names the user is told
    // and nothing opens (nullptr). The dialog deletes itself when closed.
    static RecordMaintenanceDialog* open(CROWSMITHDoc& document, MessageService& messages,
                                         const QString& documentTitle, int currentRow,
                                         QWidget* parent);

    // Use usable() to learn whether the document could be shown (open() does this).
    RecordMaintenanceDialog(CROWSMITHDoc& document, MessageService& messages,
                            const QString& documentTitle, int currentRow,
                            QWidget* parent = nullptr);

    bool usable() const { return usable_; }
    const RecordMaintenanceForm& form() const { return form_; }
    // The grid's rows per window, the step of page up and page down.
    void setRowsPerPage(int rows) { rowsPerPage_ = rows; }

  public slots:
    // The grid asks for record `record` (beyond the last: a new record).
    void showRecord(int record);

  signals:
    void highlightRecord(int record);  // make this record the grid's current row
    void documentChanged();            // records were added or removed: recompute the extent
    void redrawRequested();            // a record's text changed

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void end() override;

  private:
    QWidget* buildBoxes();
    QLayout* buildButtons();
    void scrolled(int action);
    // Runs a form action, then shows the form's state.
    template <typename Action>
    void act(Action action);
    void showState();

    RecordMaintenanceForm form_;
    QString baseCaption_;
    bool usable_ = false;
    int rowsPerPage_ = 20;
    std::vector<QLineEdit*> boxes_;
    QScrollBar* scrollBar_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QCheckBox* confirmBox_ = nullptr;
};

}  // namespace qv
