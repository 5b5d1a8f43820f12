#include "label/app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>

#include "common/recent_files.h"
#include "common/sjis_text.h"
#include "label/app/dialogs/data_file_dialog.h"
#include "label/app/dialogs/direction_dialog.h"
#include "label/app/dialogs/label_size_dialog.h"
#include "label/app/dialogs/page_break_dialog.h"
#include "label/app/dialogs/serial_number_dialog.h"
#include "label/app/dialogs/title_dialog.h"
#include "label/app/dialogs/title_font_picker.h"
#include "label/app/print_runner.h"
#include "label/app/quorvi_view.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "label/editor/widgets/bitmap_dialog.h"
#include "label/editor/widgets/layout_view.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

constexpr int kRecentFileCount = 4;
const QString kFilter = QStringLiteral("quorvi32 Files (*.qvd)");

// What the layout editor draws with: 100 %, the clock and the program's settings.
LayoutView layoutSettings(const QuorviSettings& settings, const MacroClock& clock) {
    LayoutView view;
    view.time = clock.timestamp();
    view.date = settings.print.date;
    view.barFont = {settings.print.barTextFace, settings.print.barTextBold};
    return view;
}

}  // namespace

CMainFrame::CMainFrame(CQuorviDoc& document, QuorviSettings& settings, ProfileFile& settingsFile,
                       MacroClock& clock, MessageService& messages)
    : document_(document),
      settings_(settings),
      settingsFile_(settingsFile),
      clock_(clock),
      messages_(messages),
      splitter_(new QSplitter(this)),
      view_(new CQuorviView(document, settings, clock)),
      layout_(new CBarLayoutView(document, layoutSettings(settings, clock), splitter_)) {
    auto* sheet = new QScrollArea(splitter_);
    sheet->setWidget(view_);
    sheet->setBackgroundRole(QPalette::Base);
    view_->resizeToSheet();
    splitter_->addWidget(layout_);
    splitter_->addWidget(sheet);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 2);
    setCentralWidget(splitter_);
    setAcceptDrops(true);
    buildMenus();
    connectLayoutView();
    connect(view_, &CQuorviView::command, this, &CMainFrame::carryOut);
    updateTitle();
    updateMonoPatternEntries();
    openMonoPatternAfterLoad();  // a CSZ definition given on the command line
}

// A command shows its prompt while its dialog is open; a dialog beside the editor puts "Ready"
// back when it closes.
void CMainFrame::carryOut(LabelCommand command) {
    if (const char* prompt = commandPrompt(command)) {
        statusBar()->showMessage(QString::fromUtf8(prompt));
    }
    const QString before = statusBar()->currentMessage();
    run(command);
    // What a command told (a print's result, a refusal) stays in view; otherwise "Ready".
    if (!opensModelessDialog(command) && statusBar()->currentMessage() == before) showReady();
}

void CMainFrame::run(LabelCommand command) {
    switch (command) {
        case LabelCommand::NewDefinition:
            return newDefinition();
        case LabelCommand::Open:
            return openWithDialog();
        case LabelCommand::Save:
            save();
            return;
        case LabelCommand::SaveAs:
            saveAs();
            return;
        case LabelCommand::Print:
            return print(true);
        case LabelCommand::PrintFromButton:
            return print(!settings_.directPrint);
        case LabelCommand::Preview:
            return preview();
        case LabelCommand::MonoPattern:
            return openMonoPattern();
        case LabelCommand::CszConversion:
            return convertToCsz();
        case LabelCommand::LabelSize:
            return editLabelSize();
        case LabelCommand::Title:
            return editTitle();
        case LabelCommand::DataFile:
            return editDataFile();
        case LabelCommand::Direction:
            return editDirection();
        case LabelCommand::SerialNumber:
            return editSerialNumber();
        case LabelCommand::PageBreak:
            return editPageBreak();
        case LabelCommand::PrintOnStart:
            return togglePrintOnStart();
        case LabelCommand::FieldPlacement:
            return openFieldPlacement();
        case LabelCommand::Literal:
            return toggleLiteralMode();
        case LabelCommand::RuledLine:
            return toggleLineMode();
        case LabelCommand::Bitmap:
            return openBitmapDialog();
        case LabelCommand::SettingMode:
            return toggleSettingMode();
        case LabelCommand::BarcodeSettings:
            return editBarcodeSettings();
        case LabelCommand::PrintListing:
            return printListing(false);
        case LabelCommand::PreviewListing:
            return printListing(true);
        case LabelCommand::Quit:
            close();
            return;
        case LabelCommand::About:
            return about();
    }
}

// A dialog beside the editor closed: its prompt gives way.
void CMainFrame::showReady() {
    statusBar()->showMessage(QStringLiteral("Ready"));
}

void CMainFrame::refresh(bool modified) {
    if (modified) document_.setModified();
    printOnStartAction_->setChecked(document_.definition().printOnStart != 0);
    updateTitle();
    view_->resizeToSheet();
    view_->update();
    layout_->update();
    updateMonoPatternEntries();
}

// The dialogs that hold state of the document close when another document takes its place.
void CMainFrame::closeDocumentDialogs() {
    closeMonoPattern();
    if (bitmapDialog_ != nullptr) {
        bitmapDialog_->hide();
        bitmapDialog_->deleteLater();
        bitmapDialog_ = nullptr;
    }
}

void CMainFrame::updateTitle() {
    const QString name = document_.pathName().empty()
                             ? QStringLiteral("NewFile")
                             : QFileInfo(fromUtf8(document_.pathName())).fileName();
    setWindowTitle(name + (document_.isModified() ? QStringLiteral("*") : QString()) +
                   QStringLiteral(" - K･L･NQuorvi"));
}

bool CMainFrame::maySave() {
    if (!document_.isModified()) return true;
    const std::string name = document_.pathName().empty()
                                 ? std::string("NewFile")
                                 : toUtf8(QFileInfo(fromUtf8(document_.pathName())).fileName());
    const MessageAnswer answer = messages_.warnYesNoCancel(name + " への変更を保存しますか？");
    if (answer == MessageAnswer::Cancel) return false;
    return answer == MessageAnswer::No || save();
}

void CMainFrame::newDefinition() {
    if (!maySave()) return;
    closeDocumentDialogs();
    document_.newDocument(settings_.lastBarcodeKind);
    refresh(false);
}

bool CMainFrame::openDefinition(const QString& path) {
    if (!document_.openDocument(toUtf8(path))) return false;
    closeDocumentDialogs();
    rememberRecentFile(path);
    refresh(false);
    openMonoPatternAfterLoad();
    return true;
}

void CMainFrame::openWithDialog() {
    if (!maySave()) return;
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), kFilter);
    if (!path.isEmpty()) openDefinition(path);
}

bool CMainFrame::save() {
    if (document_.pathName().empty()) return saveAs();
    const bool saved = document_.saveDocument(document_.pathName());
    updateTitle();
    return saved;
}

bool CMainFrame::saveAs() {
    QString path =
        QFileDialog::getSaveFileName(this, QString(), QStringLiteral("NewFile.qvd"), kFilter);
    if (path.isEmpty()) return false;
    if (!path.endsWith(QStringLiteral(".qvd"), Qt::CaseInsensitive)) path += QStringLiteral(".qvd");
    if (!document_.saveDocument(toUtf8(path))) return false;
    // The data file's encoding goes with the definition to its new name.
    writeDataEncoding(settingsFile_, document_.pathName(), document_.dataEncoding);
    rememberRecentFile(path);
    updateTitle();
    return true;
}

void CMainFrame::print(bool withDialog) {
    PrintRunner runner(document_, settings_, clock_, messages_, this);
    runner.adjustPrinters(printerAdjustmentsOf(settingsFile_));
    if (monoPrint_) runner.useMonoPattern(monoPrint_->lines, monoPrint_->copies);
    if (!exitAfterPrint_) {
        runner.startAtLabel(firstLabelBox_->value());
        runner.printCopies(copiesBox_->value());
    }
    runner.verifyFirst(settings_.verifyBeforePrint);
    // The start-up print mode has nobody to collect a PDF: without a printer it fails aloud.
    const PrintRunner::Outcome outcome = runner.print(withDialog, !exitAfterPrint_);
    statusBar()->showMessage(runner.status());
    if (exitAfterPrint_ && outcome != PrintRunner::Outcome::Cancelled) {
        endStartupPrint(outcome == PrintRunner::Outcome::Printed);
    }
    exitAfterPrint_ = false;
}

void CMainFrame::printAtStartup() {
    printOnStartAction_->setChecked(true);
    // A data file that cannot be read was told when the definition opened: print no empty
    // labels after it, and end with a failure status.
    if (document_.dataFileUsable && !canReadDataFile(dataFileLocalPath(document_))) {
        endStartupPrint(false);
        return;
    }
    exitAfterPrint_ = true;
    print(settings_.printDialogAtStartup);
}

void CMainFrame::endStartupPrint(bool printed) {
    closingAfterPrint_ = true;
    if (!printed) exitStatus_ = 1;
    QTimer::singleShot(1000, this, &QWidget::close);  // the start-up print mode ends
}

void CMainFrame::preview() {
    PrintRunner runner(document_, settings_, clock_, messages_, this);
    if (monoPrint_) runner.useMonoPattern(monoPrint_->lines, monoPrint_->copies);
    runner.startAtLabel(firstLabelBox_->value());
    runner.printCopies(copiesBox_->value());
    runner.preview();
    if (!runner.status().isEmpty()) statusBar()->showMessage(runner.status());
}

void CMainFrame::editLabelSize() {
    SheetGeometry sheet = document_.definition().sheet;
    PaperTable papers = document_.papers();
    if (!editSheetGeometry(this, sheet, papers, messages_, nullptr)) return;
    document_.definition().sheet = sheet;
    document_.papers() = papers;
    refresh(true);
}

void CMainFrame::editTitle() {
    TitleDialog dialog(document_.definition(), this);
    dialog.setFontPicker(titleFontPicker(settings_.trueTypeOnly));
    if (dialog.exec() == QDialog::Accepted) refresh(true);
}

// Data use and CSZ mode follow the chosen file at once, as after an open: a switch to a CSZ file
// opens the mono-pattern dialog, a switch away closes it.
void CMainFrame::editDataFile() {
    if (!qv::editDataFile(this, document_, messages_)) return;
    if (!writeDataEncoding(settingsFile_, document_.pathName(), document_.dataEncoding)) {
        messages_.exclamation(settingsNotSavedMessage(settingsFile_));
    }
    const bool wasCsz = document_.cszMode;
    applyDataFileModes(document_);
    if (wasCsz) closeMonoPattern();
    refresh(true);
    updateMonoPatternEntries();
    openMonoPatternAfterLoad();
}

void CMainFrame::editDirection() {
    int direction = document_.definition().sheet.printDirection;
    if (!editPrintDirection(this, direction)) return;
    document_.definition().sheet.printDirection = direction;
    refresh(true);
}

void CMainFrame::editSerialNumber() {
    // The start number is not kept in the file, so the document does not count as changed.
    if (editSerialStartNumber(this, document_.definition().serialStartNumber, messages_)) {
        refresh(false);
    }
}

void CMainFrame::editPageBreak() {
    PageBreakDialog dialog(document_.definition(), settingsFile_, messages_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The dialog wrote the brackets and the page style to the settings file.
    settings_.print = readPrintSettings(settingsFile_);
    refresh(true);
}

void CMainFrame::togglePrintOnStart() {
    int& flag = document_.definition().printOnStart;
    const char* question = flag ? "引数起動時の印刷を解除します。よろしいですか？"
                                : "このファイルを引数にして起動した時、すぐに印刷して終了する"
                                  "ようにします。よろしいですか？";
    if (messages_.askYesNo(question)) {
        flag = flag ? 0 : 1;
        refresh(true);
    } else {
        refresh(false);
    }
}

void CMainFrame::about() {
    messages_.information("quorvi32 " QUORVI_VERSION "\nバーコードラベル印刷\n" +
                              toUtf8(QSysInfo::prettyProductName()) + "  : Qt " + qVersion() +
                              "\nCPU " + std::to_string(QThread::idealThreadCount()) + "  " +
                              toUtf8(QSysInfo::currentCpuArchitecture()),
                          "バージョン情報");
}

void CMainFrame::rememberRecentFile(const QString& path) {
    qv::rememberRecentFile(settingsFile_, kRecentFileCount, toUtf8(path));
    updateRecentFiles();
}

void CMainFrame::updateRecentFiles() {
    recentMenu_->clear();
    int i = 0;
    for (const std::string& stored : readRecentFiles(settingsFile_, kRecentFileCount)) {
        const QString file = fromUtf8(stored);
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++i).arg(file), this, [this, file] {
            if (maySave()) openDefinition(file);
        });
    }
    recentMenu_->setEnabled(!recentMenu_->isEmpty());
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The layout editor takes one third of the width, the sheet view the rest.
    const int width = splitter_->width();
    splitter_->setSizes({width / 3, width - width / 3});
}

void CMainFrame::restorePlacement() {
    const QuorviPlacement stored = readWindowPlacement(settingsFile_);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A damaged rectangle is not taken.
    if (const std::optional<WindowPlacement> placed = placementOf(stored.rect)) {
        setGeometry(placed->x, placed->y, placed->width, placed->height);
    } else {
        const int w = screen.width() / 6;
        const int h = screen.height() / 6;
        setGeometry(w, h, w * 4, h * 4);
    }
    for (QToolBar* bar : findChildren<QToolBar*>()) bar->setVisible(stored.toolbar);
    statusBar()->setVisible(stored.statusBar);
    if (stored.maximised) setWindowState(Qt::WindowMaximized);
}

void CMainFrame::savePlacement() {
    const QRect normal = normalGeometry();
    const QList<QToolBar*> bars = findChildren<QToolBar*>();
    QuorviPlacement placement;
    placement.rect = {normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1};
    placement.minimised = isMinimized();
    placement.maximised = isMaximized();
    placement.toolbar = !bars.isEmpty() && bars.front()->isVisible();
    placement.statusBar = statusBar()->isVisible();
    writeWindowPlacement(settingsFile_, placement);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // In the start-up print mode the job is done; otherwise changes are offered for saving.
    if (!closingAfterPrint_ && !maySave()) {
        event->ignore();
        return;
    }
    settings_.lastBarcodeKind = document_.definition().lastBarcodeKind;  // "Code" at exit
    if (!writeMainWindowSettings(settingsFile_, settings_)) {
        messages_.exclamation(settingsNotSavedMessage(settingsFile_));
        settingsFailureShown_ = true;
    }
    savePlacement();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !maySave()) return;
    openDefinition(urls.front().toLocalFile());
}

}  // namespace qv
