// The menus, toolbar and status bar of the label program's main window.
#include <QActionGroup>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "label/app/main_frame.h"
#include "label/app/quorvi_view.h"
#include "platform/bar_toggles.h"

namespace qv {

QAction* CMainFrame::addCommand(QMenu* menu, const char* text, void (CMainFrame::*slot)(),
                                const char* prompt) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    connect(action, &QAction::triggered, this,
            [this, slot, prompt] { runWithPrompt(prompt, slot); });
    return action;
}

void CMainFrame::buildMenus() {
    buildFileMenu();
    buildSettingsMenu();
    buildLayoutMenu();
    buildViewMenu();
    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    addCommand(help, "バージョン情報(&A)...", &CMainFrame::about);
    statusBar()->showMessage(QStringLiteral("Ready"));
}

void CMainFrame::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    addCommand(file, "新規作成(&N)", &CMainFrame::newDefinition)->setShortcut(QKeySequence::New);
    addCommand(file, "開く(&O)...", &CMainFrame::openWithDialog)->setShortcut(QKeySequence::Open);
    QAction* saveAction =
        file->addAction(QStringLiteral("上書き保存(&S)"), this, [this] { save(); });
    saveAction->setShortcut(QKeySequence::Save);
    file->addAction(QStringLiteral("名前を付けて保存(&A)..."), this, [this] { saveAs(); });
    file->addSeparator();
    QAction* printAction =
        file->addAction(QStringLiteral("印刷(&P)..."), this, [this] { print(true); });
    printAction->setShortcut(QKeySequence::Print);
    addCommand(file, "印刷プレビュー(&V)", &CMainFrame::preview);
    monoPatternAction_ = addCommand(file, "モノパターン印刷(&C)", &CMainFrame::openMonoPattern);
    monoPatternAction_->setEnabled(false);
    addCommand(file, "CSVファイル→ＣＳＺファイル(&H)", &CMainFrame::convertToCsz,
               "CSVファイルからＣＳＺファイルを作成します。");
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("最近使ったファイル"));
    updateRecentFiles();
    file->addSeparator();
    QAction* quit =
        file->addAction(QStringLiteral("アプリケーションの終了(&X)"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QToolBar* tools = addToolBar(QStringLiteral("ツール バー"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->addAction(QStringLiteral("新規"), this, [this] { newDefinition(); });
    tools->addAction(QStringLiteral("開く"), this, [this] { openWithDialog(); });
    tools->addAction(QStringLiteral("保存"), this, [this] { save(); });
    // The toolbar's print button skips the dialog when "DirectPrint" says so.
    tools->addAction(QStringLiteral("印刷"), this, [this] { print(!settings_.directPrint); });
}

void CMainFrame::buildSettingsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    addCommand(menu, "ラベルサイズと割付", &CMainFrame::editLabelSize,
               "Quorvi：ラベルのレイアウトを決定します。");
    addCommand(menu, "ページタイトルの設定", &CMainFrame::editTitle,
               "ページのタイトルの文字とフォントを決定します。");
    addCommand(menu, "データファイル設定", &CMainFrame::editDataFile,
               "Quorvi：パスとファイルのレイアウトを定義します。");
    addCommand(menu, "ラベルの印刷方向の設定", &CMainFrame::editDirection);
    addCommand(menu, "ラベルの連番設定", &CMainFrame::editSerialNumber);
    addCommand(menu, "フィールド指定改頁の設定", &CMainFrame::editPageBreak);
    menu->addSeparator();
    printOnStartAction_ = addCommand(menu, "ﾌｧｲﾙの引数起動時印刷", &CMainFrame::togglePrintOnStart);
    printOnStartAction_->setCheckable(true);
    auto toggle = [this, menu](const char* text, bool& flag, const char* key, bool writeNow) {
        QAction* action = menu->addAction(QString::fromUtf8(text));
        action->setCheckable(true);
        action->setChecked(flag);
        connect(action, &QAction::toggled, this, [this, &flag, key, writeNow](bool on) {
            flag = on;
            if (writeNow) settingsFile_.writeInt("Recent Use", key, on ? 1 : 0);
        });
    };
    toggle("引数起動時でも印刷ﾀﾞｲｱﾛｸﾞを表示", settings_.printDialogAtStartup, "HikiDirect", false);
    toggle("ﾎﾞﾀﾝからの印刷をﾀﾞｲﾚｸﾄにする", settings_.directPrint, "DirectPrint", true);
    toggle("ﾌｫﾝﾄでTrueTypeのみ使用", settings_.trueTypeOnly, "FontType", true);
}

void CMainFrame::buildViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    addBarToggles(*this, *view);
    QMenu* zoom = view->addMenu(QStringLiteral("ﾌｫｰﾑの倍率"));
    auto* group = new QActionGroup(this);
    for (int z = 2; z <= 7; ++z) {
        QAction* action = zoom->addAction(QStringLiteral("%1 /10").arg(z));
        action->setCheckable(true);
        action->setChecked(z == settings_.formZoom);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, z] {
            settings_.formZoom = z;
            view_->resizeToSheet();
            view_->update();
        });
    }
}

}  // namespace qv
