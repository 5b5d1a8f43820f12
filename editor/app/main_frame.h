// CMainFrame: the data editor's main window. One child window per open data file in a
// multiple-document area, with the menus, the toolbar and the status bar; it opens the files of
// the command line or of the last session, applies and keeps the window placement, and writes
// the settings when it goes.
#pragma once

#include <QMainWindow>
#include <QString>
#include <vector>

#include "common/message_service.h"
#include "common/profile_file.h"
#include "common/text_encoding.h"
#include "editor/model/rowsmith_fonts.h"
#include "editor/model/rowsmith_settings.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace qv {

class ClipboardPort;

namespace rowsmith {

class CChildFrame;

class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    CMainFrame(RowsmithSettings& settings, RowsmithFonts& fonts, ProfileFile& settingsFile,
               ClipboardPort& clipboard, MessageService& messages);
    ~CMainFrame() override;

    // Start-up: the files named on the command line, or else the files of the last session and,
    // with "起動時に新規ﾄﾞｷｭﾒﾝﾄを開く", an empty document.
    void openStartFiles(const std::vector<std::string>& commandLineFiles);
    void applyPlacement();

    CChildFrame* newDocument();
    // Opens `path`, or brings its window forward when it is open already; null when refused.
    CChildFrame* openDocument(const QString& path, EncodingChoice encoding = EncodingChoice::Auto);

    CChildFrame* activeChild() const;
    std::vector<CChildFrame*> children() const;
    // The data file most recently activated or saved (the one the label program is given).
    const QString& lastActiveDataFile() const { return lastActive_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildSettingsMenu();
    void buildViewMenu();
    void buildWindowMenu();
    void buildHelpMenu();
    void buildToolBar();
    QAction* addAction(QMenu* menu, const QString& text, void (CMainFrame::*slot)());

    void newDocumentCommand();
    void openWithDialog();
    void reopenWithEncoding();
    void updateEncodingStatus();
    void saveActive();
    void saveActiveAs();
    void closeActive();
    void exitProgram();
    void cut();
    void copy();
    void paste();
    void deleteRecords();
    void undo();
    void chooseFonts();
    void showHelp();
    void about();
    void viewCommand(int id);

    // The data commands (main_frame_data.cpp).
    void extract();
    void editAssociations();
    void launchLabelProgram();
    void chooseLabelProgram();
    void printTable(bool preview);
    void print();
    void printPreview();
    void buildDataMenu();
    QAction* addCommand(QMenu* menu, const QString& text, int id);

    CChildFrame* adopt(CChildFrame* child);
    void childActivated();
    void updateCommands();
    void updateTitle();
    void updateRecentFiles();
    void remember(const QString& path);
    void applyScreenFont();
    void savePlacement();
    void writeReopenList();

    RowsmithSettings& settings_;
    RowsmithFonts& fonts_;
    ProfileFile& settingsFile_;
    ClipboardPort& clipboard_;
    MessageService& messages_;
    QMdiArea* area_;
    QMenu* recentMenu_ = nullptr;
    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* cutAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* recordAction_ = nullptr;
    QAction* fieldAction_ = nullptr;
    QAction* searchAction_ = nullptr;
    QAction* barcodeAction_ = nullptr;
    QAction* extractAction_ = nullptr;
    QAction* launchAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* previewAction_ = nullptr;
    QLabel* encodingStatus_;  // the active document's encoding, at the right of the status bar
    QString lastActive_;
    bool exiting_ = false;   // the exit command, not the close box: the reopen list stays
    int untitledCount_ = 0;  // new documents made so far; files opened do not count
};

}  // namespace rowsmith
}  // namespace qv
