// The dialogs of one data editor window: record and field maintenance, search and replace, and the
// barcode field conversion. They change the document and ask the grid to follow.
#include <QMdiArea>

#include "editor/app/child_frame.h"
#include "editor/dialogs/barcode_field_dialog.h"
#include "editor/dialogs/field_maintenance_dialog.h"
#include "editor/dialogs/record_maintenance_dialog.h"
#include "editor/dialogs/search_replace_dialog.h"
#include "editor/widgets/rowsmith_view.h"

namespace qv::rowsmith {

bool CChildFrame::raise(QDialog* dialog) {
    if (dialog == nullptr) return false;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return true;
}

void CChildFrame::documentChanged() {
    view_->documentResized();
    updateTitle();
}

// A dialog that closed hands the keyboard back to this window's grid, so the menus go on working
// on this document.
void CChildFrame::takeBackFocus() {
    if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
    activateWindow();
    view_->setFocus();
}

// What every maintenance dialog asks of the grid: show a record, follow a change of the lines,
// take the keyboard back when it closes.
template <typename Dialog>
void CChildFrame::follow(Dialog* dialog) {
    connect(dialog, &Dialog::highlightRecord, view_, &CROWSMITHView::scrollToRecord);
    connect(dialog, &Dialog::documentChanged, this, &CChildFrame::documentChanged);
    connect(dialog, &Dialog::closed, this, &CChildFrame::takeBackFocus);
}

void CChildFrame::openRecordDialog() {
    if (raise(recordDialog_)) return;
    const int row = view_->rowHighlighted() ? view_->editor().currentRow() : 1;
    recordDialog_ = RecordMaintenanceDialog::open(*document_, messages_, displayName(), row, this);
    if (recordDialog_ == nullptr) return;
    follow(recordDialog_);
    connect(recordDialog_, &RecordMaintenanceDialog::redrawRequested, this, [this] {
        view_->viewport()->update();
        updateTitle();
    });
    connect(view_, &CROWSMITHView::currentRowChanged, recordDialog_,
            &RecordMaintenanceDialog::showRecord);
    connect(recordDialog_, &RecordMaintenanceDialog::closed, this, [this] {
        recordDialog_ = nullptr;
        view_->setRecordDialogOpen(false);
        updateTitle();
    });
    view_->setRecordDialogOpen(true);
}

void CChildFrame::editFields() {
    FieldMaintenanceDialog dialog(*document_, messages_, this);
    connect(&dialog, &FieldMaintenanceDialog::documentChanged, this, &CChildFrame::documentChanged);
    dialog.exec();
    view_->refreshView();
    updateTitle();
}

void CChildFrame::openSearchDialog() {
    if (raise(searchDialog_)) return;
    searchDialog_ = new SearchReplaceDialog(*document_, messages_, this);
    searchDialog_->setAttribute(Qt::WA_DeleteOnClose);
    follow(searchDialog_);
    connect(searchDialog_, &SearchReplaceDialog::closed, this, [this] { searchDialog_ = nullptr; });
    searchDialog_->show();
}

void CChildFrame::openBarcodeDialog() {
    if (raise(barcodeDialog_)) return;
    barcodeDialog_ = new BarcodeFieldDialog(*document_, messages_, this);
    barcodeDialog_->setAttribute(Qt::WA_DeleteOnClose);
    follow(barcodeDialog_);
    connect(barcodeDialog_, &BarcodeFieldDialog::closed, this, [this] {
        barcodeDialog_ = nullptr;
        view_->setBarcodeDialogOpen(false);
    });
    view_->setBarcodeDialogOpen(true);
    barcodeDialog_->show();
}

}  // namespace qv::rowsmith
