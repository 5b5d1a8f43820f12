// The data commands of the main window: the maintenance dialogs of the active window, extraction
// into a new window, the label program's associations and launch, and printing the table.
#include <QStatusBar>

#include "editor/app/child_frame.h"
#include "editor/app/main_frame.h"
#include "editor/dialogs/association_dialog.h"
#include "editor/dialogs/extraction_method_dialog.h"
#include "editor/dialogs/grid_print_runner.h"
#include "editor/dialogs/label_program_path_dialog.h"
#include "editor/dialogs/launch_dialog.h"
#include "editor/widgets/rowsmith_commands.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_text.h"

namespace qv::rowsmith {

// The view's pop-up menu and the menus ask for the dialogs by their command numbers.
void CMainFrame::viewCommand(int id) {
    CChildFrame* child = activeChild();
    if (id == kFont) return chooseFonts();
    if (child == nullptr) return;
    switch (id) {
        case kRecordDialog:
            child->openRecordDialog();
            break;
        case kFieldDialog:
            child->editFields();
            break;
        case kSearch:
            child->openSearchDialog();
            break;
        case kBarcodeFields:
            child->openBarcodeDialog();
            break;
        case kExtract:
            extract();
            break;
        default:
            break;
    }
    updateCommands();
}

// The records taken out go to a new window; it counts as changed until saved.
void CMainFrame::extract() {
    CChildFrame* source = activeChild();
    if (source == nullptr) return;
    std::optional<ExtractedRecords> taken = runExtraction(this, source->document(), messages_);
    if (!taken) return;
    CChildFrame* child = newDocument();
    CROWSMITHDoc& document = child->document();
    document.lines = std::move(taken->lines);
    document.headerNames = std::move(taken->headerNames);
    document.columnWidths = taken->columnWidths;
    document.setEncoding(source->document().encoding());  // its characters stay savable
    document.setModified();
    child->refresh();
    updateEncodingStatus();
}

void CMainFrame::editAssociations() {
    const CChildFrame* child = activeChild();
    qv::editAssociations(this, settings_, lastActive_, child ? child->displayName() : QString(),
                         messages_);
}

void CMainFrame::launchLabelProgram() {
    CChildFrame* child = activeChild();
    if (child == nullptr || !child->view().commitOpenEdit()) return;
    if (child->document().recordCount() == 0) return;
    launchLabelProgramDialog(this, child->document(), child->displayName(), settings_, lastActive_,
                             messages_);
}

void CMainFrame::chooseLabelProgram() {
    if (const std::optional<std::string> path =
            askLabelProgramPath(this, settings_.labelProgramPath, messages_)) {
        settings_.labelProgramPath = *path;
    }
}

void CMainFrame::printTable(bool preview) {
    CChildFrame* child = activeChild();
    if (child == nullptr || !child->view().commitOpenEdit()) return;
    GridPrintRunner runner(child->document(), child->displayName(), fonts_, messages_, this);
    runner.showStatus = [this](const QString& text) { statusBar()->showMessage(text); };
    preview ? runner.preview() : runner.print(true);
}

void CMainFrame::print() {
    printTable(false);
}

void CMainFrame::printPreview() {
    printTable(true);
}

}  // namespace qv::rowsmith
