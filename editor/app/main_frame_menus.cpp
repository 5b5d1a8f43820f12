// The menus and the toolbar of the data editor's main window.
#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "common/guide_file.h"
#include "editor/app/child_frame.h"
#include "editor/app/main_frame.h"
#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/font_settings_dialog.h"
#include "editor/widgets/rowsmith_commands.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/bar_toggles.h"
#include "platform/desktop_identity.h"
#include "platform/qt_text.h"

namespace qv::rowsmith {

QAction* CMainFrame::addAction(QMenu* menu, const QString& text, void (CMainFrame::*slot)()) {
    return menu->addAction(text, this, slot);
}

void CMainFrame::buildMenus() {
    buildFileMenu();
    buildEditMenu();
    buildDataMenu();
    buildSettingsMenu();
    buildViewMenu();
    buildWindowMenu();
    buildHelpMenu();
}

void CMainFrame::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    newAction_ = addAction(file, QStringLiteral("新規作成(&N)"), &CMainFrame::newDocumentCommand);
    newAction_->setShortcut(QKeySequence::New);
    openAction_ = addAction(file, QStringLiteral("開く(&O)..."), &CMainFrame::openWithDialog);
    openAction_->setShortcut(QKeySequence::Open);
    addAction(file, QStringLiteral("閉じる(&C)"), &CMainFrame::closeActive);
    addAction(file, QStringLiteral("別の文字コードで開き直す..."), &CMainFrame::reopenWithEncoding);
    saveAction_ = addAction(file, QStringLiteral("上書き保存(&S)"), &CMainFrame::saveActive);
    saveAction_->setShortcut(QKeySequence::Save);
    addAction(file, QStringLiteral("名前を付けて保存(&A)..."), &CMainFrame::saveActiveAs);
    file->addSeparator();
    printAction_ = addAction(file, QStringLiteral("印刷(&P)..."), &CMainFrame::print);
    printAction_->setShortcut(QKeySequence::Print);
    previewAction_ =
        addAction(file, QStringLiteral("印刷プレビュー(&V)"), &CMainFrame::printPreview);
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("最近使ったファイル"));
    updateRecentFiles();
    file->addSeparator();
    addAction(file, QStringLiteral("アプリケーションの終了(&X)"), &CMainFrame::exitProgram)
        ->setShortcut(QKeySequence::Quit);
}

void CMainFrame::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    undoAction_ = addAction(edit, QStringLiteral("アンドゥ(&U)"), &CMainFrame::undo);
    undoAction_->setShortcut(QKeySequence::Undo);
    edit->addSeparator();
    cutAction_ = addAction(edit, QStringLiteral("切り取り(&T)"), &CMainFrame::cut);
    cutAction_->setShortcut(QKeySequence::Cut);
    copyAction_ = addAction(edit, QStringLiteral("コピー(&C)"), &CMainFrame::copy);
    copyAction_->setShortcut(QKeySequence::Copy);
    pasteAction_ = addAction(edit, QStringLiteral("貼り付け(&P)"), &CMainFrame::paste);
    pasteAction_->setShortcut(QKeySequence::Paste);
    deleteAction_ = addAction(edit, QStringLiteral("削  除(&D)"), &CMainFrame::deleteRecords);
    deleteAction_->setShortcut(QKeySequence::Delete);
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
}

QAction* CMainFrame::addCommand(QMenu* menu, const QString& text, int id) {
    return menu->addAction(text, this, [this, id] { viewCommand(id); });
}

void CMainFrame::buildDataMenu() {
    QMenu* data = menuBar()->addMenu(QStringLiteral("データ(&D)"));
    data->setObjectName(QStringLiteral("dataMenu"));
    recordAction_ = addCommand(data, QStringLiteral("ﾚｺｰﾄﾞの追加・修正"), kRecordDialog);
    fieldAction_ = addCommand(data, QStringLiteral("項目(ﾍｯﾀﾞ)の作成・修正"), kFieldDialog);
    data->addSeparator();
    searchAction_ = addCommand(data, QStringLiteral("ﾚｺｰﾄﾞの検索・置換"), kSearch);
    barcodeAction_ = addCommand(data, QStringLiteral("ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ"), kBarcodeFields);
    data->addSeparator();
    extractAction_ = addCommand(data, QStringLiteral("レーコード抽出"), kExtract);
    data->addSeparator();
    addAction(data, QStringLiteral("データ関連付け"), &CMainFrame::editAssociations);
    launchAction_ = addAction(data, QStringLiteral("Quorvi起動"), &CMainFrame::launchLabelProgram);
    addAction(data, QStringLiteral("起動ﾌﾟﾛｸﾞﾗﾑのﾊﾟｽ"), &CMainFrame::chooseLabelProgram);
    connect(data, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
}

void CMainFrame::buildSettingsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    auto toggle = [this, menu](const QString& text, bool& flag) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(flag);
        connect(action, &QAction::toggled, this, [&flag](bool on) { flag = on; });
    };
    toggle(QStringLiteral("起動時に新規ﾄﾞｷｭﾒﾝﾄを開く"), settings_.newOnStart);
    toggle(QStringLiteral("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙ(.CSB)の作成"), settings_.makeBackup);
    menu->addSeparator();
    addAction(menu, QStringLiteral("フォント変更"), &CMainFrame::chooseFonts);
}

void CMainFrame::buildViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    addBarToggles(*this, *view);
}

void CMainFrame::buildWindowMenu() {
    QMenu* window = menuBar()->addMenu(QStringLiteral("ウィンドウ(&W)"));
    window->addAction(QStringLiteral("重ねて表示(&C)"), area_, &QMdiArea::cascadeSubWindows);
    window->addAction(QStringLiteral("並べて表示(&T)"), area_, &QMdiArea::tileSubWindows);
    window->addAction(QStringLiteral("次のウィンドウ"), area_, &QMdiArea::activateNextSubWindow);
    window->addSeparator();
    QMenu* list = window->addMenu(QStringLiteral("開いているウィンドウ"));
    connect(list, &QMenu::aboutToShow, this, [this, list] {
        list->clear();
        int i = 0;
        for (CChildFrame* child : children()) {
            QAction* action =
                list->addAction(QStringLiteral("&%1 %2").arg(++i).arg(child->displayName()));
            action->setCheckable(true);
            action->setChecked(child == activeChild());
            connect(action, &QAction::triggered, this,
                    [this, child] { area_->setActiveSubWindow(child); });
        }
    });
}

void CMainFrame::buildHelpMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    helpAction_ = addAction(help, QStringLiteral("目次(&C)"), &CMainFrame::showHelp);
    addAction(help, QStringLiteral("バージョン情報(&A)..."), &CMainFrame::about);
}

// New, Open, Save | Print | Cut, Copy, Paste | fields, records, extraction, search | barcode
// fields, launch | help.
// The toolbar shares the menus' actions (and so their enabled states). The file, edit, search
// and help buttons show icons; the data commands a short text; the menu's text is the tip. At
// 900 pixels across every button is in view.
void CMainFrame::buildToolBar() {
    QToolBar* tools = addToolBar(QStringLiteral("ツール バー"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto add = [tools](QAction* action, const char* icon, const char* shortText) {
        if (icon != nullptr) action->setIcon(toolIcon(icon));
        if (shortText != nullptr) action->setIconText(QString::fromUtf8(shortText));
        action->setToolTip(action->text().remove(QLatin1Char('&')));
        tools->addAction(action);
    };
    add(newAction_, "document-new", nullptr);
    add(openAction_, "document-open", nullptr);
    add(saveAction_, "document-save", nullptr);
    tools->addSeparator();
    add(printAction_, "document-print", nullptr);
    tools->addSeparator();
    add(cutAction_, "edit-cut", nullptr);
    add(copyAction_, "edit-copy", nullptr);
    add(pasteAction_, "edit-paste", nullptr);
    tools->addSeparator();
    add(fieldAction_, nullptr, "項目");
    add(recordAction_, nullptr, "ﾚｺｰﾄﾞ");
    add(extractAction_, nullptr, "抽出");
    add(searchAction_, "edit-find", nullptr);
    tools->addSeparator();
    add(barcodeAction_, nullptr, "ﾊﾞｰｺｰﾄﾞ");
    add(launchAction_, nullptr, "Quorvi");
    tools->addSeparator();
    add(helpAction_, "help-contents", nullptr);
}

void CMainFrame::newDocumentCommand() {
    newDocument();
}

void CMainFrame::chooseFonts() {
    const std::optional<RowsmithFonts> chosen = askRowsmithFonts(this, fonts_);
    if (!chosen) return;
    fonts_ = *chosen;
    if (!writeFontFilters(settingsFile_, fonts_)) {
        messages_.exclamation(settingsNotSavedMessage(settingsFile_));
    }
    applyScreenFont();
}

// "目次": the guide that comes with the programs, in the desktop's viewer. A guide that is not
// there, or a desktop that cannot show it, is told rather than passed over.
void CMainFrame::showHelp() {
    const std::string programFolder = toUtf8(QApplication::applicationDirPath());
    const std::string guide = findGuide(programFolder);
    if (guide.empty()) {
        std::string text = "ヘルプ (README.md) が見つかりません　！\n探した場所:";
        for (const std::string& candidate : guideCandidates(programFolder))
            text += "\n" + candidate;
        messages_.exclamation(text);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(fromUtf8(guide)))) {
        messages_.exclamation(guide + " を表示できませんでした　！");
    }
}

void CMainFrame::about() {
    AboutDialog dialog(QStringLiteral(QUORVI_VERSION), this);
    dialog.exec();
}

}  // namespace qv::rowsmith
