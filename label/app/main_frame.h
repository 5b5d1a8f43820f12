// CMainFrame: the label program's main window. The layout editor on the left (a third of the
// width) and the sheet view on the right, with menus, toolbar and status bar; it remembers its
// placement in the settings file.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <optional>

#include "common/message_service.h"
#include "common/profile_file.h"
#include "label/app/quorvi_settings.h"
#include "label/definition/quorvi_doc.h"
#include "label/definition/text_macros.h"
#include "label/editor/forms/label_command.h"
#include "label/editor/forms/mono_pattern_form.h"

class QAction;
class QMenu;
class QCheckBox;
class QSpinBox;
class QSplitter;

namespace qv {

class BitmapDialog;
class CBarLayoutView;
class CQuorviView;
class FieldPlacementDialog;
class LiteralDialog;
class MonoPatternDialog;
class RuledLineDialog;

class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    CMainFrame(CQuorviDoc& document, QuorviSettings& settings, ProfileFile& settingsFile,
               MacroClock& clock, MessageService& messages);

    // Opens a definition as File > Open does (also for dropped files and the command line).
    bool openDefinition(const QString& path);
    // Restores the placement stored in "Window size" at the first show.
    void restorePlacement();
    // Prints as the start-up print mode does: without the dialog unless "HikiDirect" is on, then
    // closes the window about a second after the job. A cancelled dialog keeps the program open.
    void printAtStartup();
    // 1 when the start-up print mode ended without printing, else 0.
    int exitStatus() const { return exitStatus_; }
    // Whether closing has already told that the settings file could not be written.
    bool settingsFailureShown() const { return settingsFailureShown_; }

    CQuorviView* sheetView() const { return view_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenus();
    void buildFileMenu();
    void buildToolBar();
    void buildSettingsMenu();
    void buildViewMenu();
    QAction* addCommand(QMenu* menu, const char* text, LabelCommand command);
    void carryOut(LabelCommand command);
    void run(LabelCommand command);
    void showReady();
    void refresh(bool modified);
    void closeDocumentDialogs();
    void updateTitle();
    void updateRecentFiles();
    void rememberRecentFile(const QString& path);
    bool maySave();
    void savePlacement();

    void newDefinition();
    void openWithDialog();
    bool save();
    bool saveAs();
    void print(bool withDialog);
    void preview();
    void editLabelSize();
    void editTitle();
    void editDataFile();
    void editDirection();
    void editSerialNumber();
    void editPageBreak();
    void togglePrintOnStart();
    // Ends the start-up print mode a second after its print, with status 1 when nothing printed.
    void endStartupPrint(bool printed);
    void about();

    // The layout editor and its dialogs (main_frame_layout.cpp).
    void buildLayoutMenu();
    void connectLayoutView();
    void openFieldPlacement();
    void followFieldDialog();
    void editBarcodeSettings();
    void toggleSettingMode();
    void leaveLiteralAndLineModes();
    void showBesideEditor(QWidget& dialog);
    void toggleLiteralMode();
    void toggleLineMode();
    void printListing(bool preview);
    void openBitmapDialog();

    // Printer offsets, barcodes on whole dots and the calibration sheet
    // (main_frame_printers.cpp).
    bool printerNames(std::vector<std::string>& names);
    void printCalibrationSheetOn(const std::string& printer,
                                 std::function<PrinterAdjustment(const std::string&)> adjustment);
    void printCalibrationSheetWithChoice();
    void editPrinterAdjustments();

    // CSZ files and mono-pattern printing (main_frame_mono.cpp).
    void convertToCsz();
    void openMonoPattern();
    void closeMonoPattern();
    void openMonoPatternAfterLoad();
    void updateMonoPatternEntries();

    CQuorviDoc& document_;
    QuorviSettings& settings_;
    ProfileFile& settingsFile_;
    MacroClock& clock_;
    MessageService& messages_;
    QSplitter* splitter_;
    CQuorviView* view_;
    CBarLayoutView* layout_;
    FieldPlacementDialog* fieldDialog_ = nullptr;
    LiteralDialog* literalDialog_ = nullptr;
    RuledLineDialog* lineDialog_ = nullptr;
    MonoPatternDialog* monoDialog_ = nullptr;
    BitmapDialog* bitmapDialog_ = nullptr;
    std::optional<MonoPatternPrint> monoPrint_;  // the last choice of the mono-pattern dialog
    QAction* monoPatternAction_ = nullptr;
    QAction* settingModeAction_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* printOnStartAction_ = nullptr;
    QSpinBox* firstLabelBox_ = nullptr;  // beside the print button: a partly used sheet
    QSpinBox* copiesBox_ = nullptr;      // and the labels each record prints
    QCheckBox* verifyBox_ = nullptr;     // 印刷前に検査: barcodes read back first
    bool exitAfterPrint_ = false;        // the print running is the start-up print mode's
    bool closingAfterPrint_ = false;     // that print is done: close without questions
    int exitStatus_ = 0;
    bool settingsFailureShown_ = false;
};

}  // namespace qv
