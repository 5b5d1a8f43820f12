// The CSZ side of the main window: making a CSZ file from a data file, and the mono-pattern page
// dialog that chooses the record every label of a CSZ run prints.
#include <QStatusBar>
#include <QTimer>

#include "label/app/dialogs/csz_conversion_dialog.h"
#include "label/app/main_frame.h"
#include "label/app/quorvi_view.h"
#include "label/data/data_file_check.h"
#include "label/data/data_file_reader.h"
#include "label/editor/widgets/layout_view.h"
#include "label/editor/widgets/mono_pattern_dialog.h"

namespace qv {

void CMainFrame::convertToCsz() {
    CszConversionDialog dialog(messages_, this);
    dialog.exec();
}

// The dialog reads the CSZ file whole when it opens; reopening it reads the file again.
void CMainFrame::openMonoPattern() {
    if (!document_.cszMode) return;
    if (monoDialog_ != nullptr) {
        monoDialog_->show();
        monoDialog_->raise();
        return;
    }
    const LabelDefinition& d = document_.definition();
    DataReaderSettings readerSettings;
    readerSettings.fieldLengths = d.dataFile.fieldLengths;
    readerSettings.encoding = document_.dataEncoding;
    DataFileReader reader(readerSettings, messages_);
    if (!reader.Open(dataFileLocalPath(document_), d.dataFile.skipFirstLine != 0)) return;
    monoDialog_ = new MonoPatternDialog(
        d, reader.csz(), messages_,
        BarcodeTextFont{settings_.print.barTextFace, settings_.print.barTextBold}, this);
    reader.Close();
    connect(monoDialog_, &MonoPatternDialog::printRequested, this,
            [this](const MonoPatternPrint& chosen, bool preview) {
                monoPrint_ = chosen;
                preview ? this->preview() : print(!settings_.directPrint);
            });
    connect(monoDialog_, &MonoPatternDialog::closed, this, [this] {
        monoDialog_->deleteLater();
        monoDialog_ = nullptr;
        updateMonoPatternEntries();
    });
    monoDialog_->show();
    updateMonoPatternEntries();
}

void CMainFrame::closeMonoPattern() {
    if (monoDialog_ != nullptr) {
        monoDialog_->hide();
        monoDialog_->deleteLater();
        monoDialog_ = nullptr;
    }
    monoPrint_.reset();
    updateMonoPatternEntries();
}

// Once after a CSZ definition is loaded the dialog opens by itself, when the window is up.
void CMainFrame::openMonoPatternAfterLoad() {
    if (!document_.cszMode) return;
    QTimer::singleShot(500, this, [this] {
        if (!isVisible()) return openMonoPatternAfterLoad();
        openMonoPattern();
    });
}

// "モノパターン印刷の設定" and the menu command work only in CSZ mode while the dialog is closed.
void CMainFrame::updateMonoPatternEntries() {
    const bool available = document_.cszMode && monoDialog_ == nullptr;
    view_->setMonoPatternAvailable(available);
    layout_->setMonoPatternAvailable(available);
    if (monoPatternAction_ != nullptr) monoPatternAction_->setEnabled(document_.cszMode);
}

}  // namespace qv
