#include "editor/dialogs/modeless_dialog.h"

namespace qv {

ModelessDialog::ModelessDialog(QWidget* parent) : QDialog(parent) {
    setModal(false);
}

// QDialog sends the close box here too; reject() in turn hides the dialog, so the close is taken.
void ModelessDialog::reject() {
    if (!ended_) {
        ended_ = true;
        end();
        emit closed();
    }
    QDialog::reject();
}

}  // namespace qv
