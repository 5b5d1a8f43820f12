// The barcode field dialog "ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ": a modeless dialog that prepares one field of every
// record for printing as a barcode (check digits, start and stop characters). The widgets only
// bind to BarcodeFieldForm; the field, action and NW7 letters are kept for the next opening.
#pragma once

#include <array>

#include "editor/dialogs/modeless_dialog.h"
#include "editor/model/barcode_field_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qv {

class BarcodeFieldDialog : public ModelessDialog {
    Q_OBJECT

  public:
    BarcodeFieldDialog(CROWSMITHDoc& document, MessageService& messages, QWidget* parent = nullptr);

    const BarcodeFieldForm& form() const { return form_; }

    // What the next dialog starts with; every dialog leaves its choices here when it closes.
    static BarcodeFieldMemory remembered;

  public slots:
    void addPass();     // "付加"
    void removePass();  // "SSｺｰﾄﾞを取る"

  signals:
    void highlightRecord(int record);  // a value failed: show its record
    void documentChanged();            // the pass is over: redraw

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void end() override;

  private:
    QLayout* buildActions();
    QLayout* buildLetters();
    QLayout* buildButtons();
    void letterEdited(QLineEdit* edit, bool start);
    void showState();

    BarcodeFieldForm form_;
    QString title_;
    QLineEdit* fieldEdit_ = nullptr;
    std::array<QRadioButton*, 4> actions_{};
    QLineEdit* startEdit_ = nullptr;
    QLineEdit* stopEdit_ = nullptr;
    QLabel* startLabel_ = nullptr;
    QLabel* stopLabel_ = nullptr;
    QCheckBox* checkBox_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};

}  // namespace qv
