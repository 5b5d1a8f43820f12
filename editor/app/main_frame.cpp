#include "editor/app/main_frame.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "common/recent_files.h"
#include "editor/app/child_frame.h"
#include "editor/dialogs/encoding_file_dialogs.h"
#include "editor/dialogs/screen_font.h"
#include "editor/model/grid_page_image.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_text.h"

namespace qv::rowsmith {

namespace {

constexpr int kRecentFileCount = 6;
const QString kOpenFilter = QStringLiteral("ROWSMITH Files (*.csv *.CSV);;全て (*)");

}  // namespace

CMainFrame::CMainFrame(RowsmithSettings& settings, RowsmithFonts& fonts, ProfileFile& settingsFile,
                       ClipboardPort& clipboard, MessageService& messages)
    : settings_(settings),
      fonts_(fonts),
      settingsFile_(settingsFile),
      clipboard_(clipboard),
      messages_(messages),
      area_(new QMdiArea(this)),
      encodingStatus_(new QLabel(this)) {
    setCentralWidget(area_);
    encodingStatus_->setObjectName(QStringLiteral("encodingStatus"));
    statusBar()->addPermanentWidget(encodingStatus_);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAcceptDrops(true);
    buildMenus();
    buildToolBar();
    statusBar()->showMessage(QString::fromUtf8(kGridReadyStatus));
    connect(area_, &QMdiArea::subWindowActivated, this, &CMainFrame::childActivated);
    // Paste follows what another program puts on the clipboard.
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this, &CMainFrame::updateCommands);
    }
    updateTitle();
    updateCommands();
}

// The child windows go after this object's own part is gone: their signals must no longer reach
// it.
// (Closed windows still waiting for their deletion count too.)
CMainFrame::~CMainFrame() {
    area_->disconnect(this);
    for (CChildFrame* child : findChildren<CChildFrame*>()) {
        child->disconnect(this);
        child->view().disconnect(this);
    }
}

void CMainFrame::openStartFiles(const std::vector<std::string>& commandLineFiles) {
    if (!commandLineFiles.empty()) {
        for (const std::string& path : commandLineFiles) openDocument(fromUtf8(path));
        return;
    }
    for (const std::string& path : settings_.reopenList) openDocument(fromUtf8(path));
    if (settings_.newOnStart) newDocument();
}

CChildFrame* CMainFrame::adopt(CChildFrame* child) {
    area_->addSubWindow(child);
    connect(child, &CChildFrame::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(child, &CChildFrame::saved, this, [this](const QString& path) {
        lastActive_ = path;
        remember(path);
        updateTitle();
        updateEncodingStatus();
    });
    connect(child, &CChildFrame::activated, this, &CMainFrame::childActivated);
    connect(&child->view(), &CROWSMITHView::documentChanged, this, &CMainFrame::updateCommands);
    connect(&child->view(), &CROWSMITHView::selectionChanged, this, &CMainFrame::updateCommands);
    connect(&child->view(), &CROWSMITHView::commandRequested, this, &CMainFrame::viewCommand);
    connect(child, &QObject::destroyed, this, [this] {
        updateTitle();
        updateCommands();
        updateEncodingStatus();
    });
    child->view().setScreenFont(screenFont(fonts_, logicalDpiY()));
    child->refresh();
    child->showMaximized();
    return child;
}

CChildFrame* CMainFrame::newDocument() {
    auto* child = new CChildFrame(clipboard_, messages_, ++untitledCount_);
    child->document().newDocument();
    return adopt(child);
}

CChildFrame* CMainFrame::openDocument(const QString& path, EncodingChoice encoding) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CChildFrame* child : children()) {
        if (fromUtf8(child->document().pathName()) == absolute) {
            area_->setActiveSubWindow(child);
            return child;
        }
    }
    auto* child = new CChildFrame(clipboard_, messages_);
    if (!child->document().open(toUtf8(absolute), settings_.makeBackup, encoding)) {
        delete child;
        return nullptr;
    }
    remember(absolute);
    return adopt(child);
}

CChildFrame* CMainFrame::activeChild() const {
    return qobject_cast<CChildFrame*>(area_->activeSubWindow());
}

std::vector<CChildFrame*> CMainFrame::children() const {
    std::vector<CChildFrame*> found;
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window)) found.push_back(child);
    }
    return found;
}

// Activating a window makes its file the last active data file.
void CMainFrame::childActivated() {
    if (CChildFrame* child = activeChild(); child && !child->document().pathName().empty()) {
        lastActive_ = fromUtf8(child->document().pathName());
    }
    updateTitle();
    updateCommands();
    updateEncodingStatus();
}

void CMainFrame::updateEncodingStatus() {
    CChildFrame* child = activeChild();
    encodingStatus_->setText(child ? fromUtf8(encodingLabel(child->document().encoding()))
                                   : QString());
}

// "Rowsmith32 - name"; with the child maximised the multiple-document area adds " - [name]" to
// the title itself.
void CMainFrame::updateTitle() {
    const CChildFrame* child = activeChild();
    const bool named = child != nullptr && !child->isMaximized();
    setWindowTitle(named ? QStringLiteral("Rowsmith32 - ") + child->displayName()
                         : QStringLiteral("Rowsmith32"));
}

void CMainFrame::updateCommands() {
    CChildFrame* child = activeChild();
    const bool any = child != nullptr;
    const bool records = any && child->document().recordCount() > 0;
    const bool names = any && !child->document().headerNames.empty();
    saveAction_->setEnabled(any);
    printAction_->setEnabled(records);
    previewAction_->setEnabled(records);
    recordAction_->setEnabled((records || names) && !child->recordDialogOpen());
    fieldAction_->setEnabled(any);
    searchAction_->setEnabled(records);
    barcodeAction_->setEnabled(records);
    extractAction_->setEnabled(records);
    launchAction_->setEnabled(records);
    undoAction_->setEnabled(any && child->view().canUndo());
    cutAction_->setEnabled(any && child->view().canCut());
    copyAction_->setEnabled(any && child->view().canCut());
    deleteAction_->setEnabled(any && child->view().canCut());
    pasteAction_->setEnabled(any && child->view().canPaste());
}

void CMainFrame::openWithDialog() {
    if (const std::optional<OpenRequest> request = askFilesToOpen(this, kOpenFilter)) {
        for (const QString& path : request->paths) openDocument(path, request->encoding);
    }
}

void CMainFrame::reopenWithEncoding() {
    CChildFrame* child = activeChild();
    if (child == nullptr || child->document().pathName().empty()) return;
    const std::optional<EncodingChoice> encoding =
        askReopenEncoding(this, child->document().encoding().encoding);
    if (encoding && child->reopen(*encoding)) {
        updateCommands();
        updateEncodingStatus();
    }
}

void CMainFrame::saveActive() {
    if (CChildFrame* child = activeChild()) child->save();
}

void CMainFrame::saveActiveAs() {
    if (CChildFrame* child = activeChild()) child->saveAs();
}

void CMainFrame::closeActive() {
    if (CChildFrame* child = activeChild()) child->close();
}

void CMainFrame::cut() {
    if (CChildFrame* child = activeChild()) child->view().cut();
    updateCommands();
}

void CMainFrame::copy() {
    if (CChildFrame* child = activeChild()) child->view().copy();
    updateCommands();
}

void CMainFrame::paste() {
    if (CChildFrame* child = activeChild()) child->view().paste();
    updateCommands();
}

void CMainFrame::deleteRecords() {
    if (CChildFrame* child = activeChild()) child->view().deleteRecords();
    updateCommands();
}

void CMainFrame::undo() {
    if (CChildFrame* child = activeChild()) child->view().undo();
    updateCommands();
}

void CMainFrame::remember(const QString& path) {
    rememberRecentFile(settingsFile_, kRecentFileCount, toUtf8(path));
    updateRecentFiles();
}

void CMainFrame::updateRecentFiles() {
    recentMenu_->clear();
    int i = 0;
    for (const std::string& stored : readRecentFiles(settingsFile_, kRecentFileCount)) {
        const QString path = fromUtf8(stored);
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++i).arg(path), this,
                               [this, path] { openDocument(path); });
    }
    recentMenu_->setEnabled(!recentMenu_->isEmpty());
}

void CMainFrame::applyScreenFont() {
    for (CChildFrame* child : children())
        child->view().setScreenFont(screenFont(fonts_, logicalDpiY()));
}

void CMainFrame::exitProgram() {
    exiting_ = true;
    close();
    exiting_ = false;
}

// Closed with the close box, the window first keeps the open files for the next start, the
// last active one last so that it ends up in front. Every document may still refuse to close.
void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!exiting_) writeReopenList();
    area_->closeAllSubWindows();
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (window->isVisible()) {  // a document refused to close
            event->ignore();
            return;
        }
    }
    savePlacement();
    const bool kept = writeRowsmithSettings(settingsFile_, settings_);
    if (!writeRowsmithFonts(settingsFile_, fonts_) || !kept) {
        messages_.exclamation(settingsNotSavedMessage(settingsFile_));
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::writeReopenList() {
    std::vector<std::string> paths;
    for (CChildFrame* child : children()) {
        const QString path = fromUtf8(child->document().pathName());
        if (!path.isEmpty() && path != lastActive_) paths.push_back(toUtf8(path));
    }
    if (!lastActive_.isEmpty() && !children().empty()) paths.push_back(toUtf8(lastActive_));
    if (!qv::writeReopenList(settingsFile_, paths)) {
        messages_.exclamation(settingsNotSavedMessage(settingsFile_));
    }
}

void CMainFrame::applyPlacement() {
    const RowsmithPlacement& p = settings_.placement;
    const std::optional<WindowPlacement> placed =
        p.hasRect ? placementOf(p.rect) : std::optional<WindowPlacement>();
    if (placed) {
        setGeometry(placed->x, placed->y, placed->width, placed->height);
    } else {
        resize(900, 600);
    }
    for (QToolBar* bar : findChildren<QToolBar*>()) bar->setVisible(p.toolbar);
    statusBar()->setVisible(p.statusBar);
}

void CMainFrame::savePlacement() {
    RowsmithPlacement& p = settings_.placement;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.hasRect = true;
    p.rect = {normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1};
    p.minimised = isMinimized();
    p.maximised = isMaximized() || (isMinimized() && windowState().testFlag(Qt::WindowMaximized));
    const QList<QToolBar*> bars = findChildren<QToolBar*>();
    p.toolbar = bars.isEmpty() || !bars.constFirst()->isHidden();
    p.statusBar = !statusBar()->isHidden();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) openDocument(url.toLocalFile());
    }
}

}  // namespace qv::rowsmith
