// The dialog "バーコード種選択" for the selected field of the placement dialog: symbology,
// direction and the two barcode switches. The widgets only bind to BarcodeKindForm.
#pragma once

#include <QDialog>

#include "label/editor/forms/barcode_kind_form.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace qv {

class BarcodeKindDialog : public QDialog {
    Q_OBJECT

  public:
    // `field` is 0-based; `layoutFlags` the placement dialog's pending flags. A chosen kind goes
    // into `definition` at once; "終了" sets the field's two bits and closes.
    BarcodeKindDialog(LabelDefinition& definition, int field, int layoutFlags,
                      QWidget* parent = nullptr);

    // The pending layout flags after "終了", for the placement dialog to store.
    int layoutFlags() const { return layoutFlags_; }
    const BarcodeKindForm& form() const { return form_; }

  private:
    QWidget* buildKindGroup();
    QWidget* buildDirectionGroup();
    void finish();
    void showState();

    BarcodeKindForm form_;
    int layoutFlags_;
    QButtonGroup* kindGroup_;
    QRadioButton* leftButton_;
    QRadioButton* rightButton_;
    QCheckBox* showTextBox_;
    QCheckBox* ignoreCheckBox_;
};

}  // namespace qv
