// The label program's commands, as its menus, toolbar and context menus carry them: each action
// holds its command's id, and the main window dispatches on the id, never on a menu text.
#pragma once

namespace qv {

enum class LabelCommand {
    NewDefinition,
    Open,
    Save,
    SaveAs,
    Print,            // with the print dialog
    PrintFromButton,  // the toolbar's button: without the dialog when "DirectPrint" says so
    Preview,
    MonoPattern,
    CszConversion,
    LabelSize,
    Title,
    DataFile,
    Direction,
    SerialNumber,
    PageBreak,
    PrintOnStart,
    FieldPlacement,
    Literal,
    RuledLine,
    Bitmap,
    SettingMode,
    BarcodeSettings,
    PrintListing,
    PreviewListing,
    Quit,
    About,
};

// The prompt the status bar shows while the command's dialog is open (UTF-8); null for none.
const char* commandPrompt(LabelCommand command);

// A command whose dialog stays open beside the editor: its prompt lasts until the dialog closes.
bool opensModelessDialog(LabelCommand command);

}  // namespace qv
