// The menus, toolbar and status bar of the label program's main window.
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>

#include "label/app/main_frame.h"
#include "label/app/quorvi_view.h"
#include "label/data/data_file_reader.h"
#include "label/editor/widgets/command_actions.h"
#include "platform/bar_toggles.h"
#include "platform/desktop_identity.h"

namespace qv {

// A menu entry carries its command's id; the main window dispatches on the id.
QAction* CMainFrame::addCommand(QMenu* menu, const char* text, LabelCommand command) {
    QAction* action = addCommandAction(*menu, QString::fromUtf8(text), command);
    connect(action, &QAction::triggered, this, [this, command] { carryOut(command); });
    return action;
}

void CMainFrame::buildMenus() {
    buildFileMenu();
    buildSettingsMenu();
    buildLayoutMenu();
    buildViewMenu();
    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    addCommand(help, "バージョン情報(&A)...", LabelCommand::About);
    statusBar()->showMessage(QStringLiteral("Ready"));
}

void CMainFrame::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    addCommand(file, "新規作成(&N)", LabelCommand::NewDefinition)->setShortcut(QKeySequence::New);
    addCommand(file, "開く(&O)...", LabelCommand::Open)->setShortcut(QKeySequence::Open);
    addCommand(file, "上書き保存(&S)", LabelCommand::Save)->setShortcut(QKeySequence::Save);
    addCommand(file, "名前を付けて保存(&A)...", LabelCommand::SaveAs);
    file->addSeparator();
    addCommand(file, "印刷(&P)...", LabelCommand::Print)->setShortcut(QKeySequence::Print);
    addCommand(file, "印刷プレビュー(&V)", LabelCommand::Preview);
    monoPatternAction_ = addCommand(file, "モノパターン印刷(&C)", LabelCommand::MonoPattern);
    monoPatternAction_->setEnabled(false);
    addCommand(file, "CSVファイル→ＣＳＺファイル(&H)", LabelCommand::CszConversion);
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("最近使ったファイル"));
    updateRecentFiles();
    file->addSeparator();
    addCommand(file, "アプリケーションの終了(&X)", LabelCommand::Quit)
        ->setShortcut(QKeySequence::Quit);
    buildToolBar();
}

// The toolbar's buttons, each with its icon and a short text.
void CMainFrame::buildToolBar() {
    QToolBar* tools = addToolBar(QStringLiteral("ツール バー"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto add = [this, tools](const char* text, const char* icon, LabelCommand command) {
        QAction* action = addCommandAction(*tools, QString::fromUtf8(text), command);
        action->setIcon(toolIcon(icon));
        connect(action, &QAction::triggered, this, [this, command] { carryOut(command); });
    };
    add("新規", "document-new", LabelCommand::NewDefinition);
    add("開く", "document-open", LabelCommand::Open);
    add("保存", "document-save", LabelCommand::Save);
    add("印刷", "document-print", LabelCommand::PrintFromButton);
    // Where printing begins on the first sheet, for a sheet of which some labels are used.
    tools->addWidget(new QLabel(QStringLiteral(" 開始ラベル "), tools));
    firstLabelBox_ = new QSpinBox(tools);
    firstLabelBox_->setObjectName(QStringLiteral("firstLabel"));
    firstLabelBox_->setRange(1, 9999);
    firstLabelBox_->setToolTip(QStringLiteral(
        "一枚目のシートでこのラベルから印刷します（それより前のラベルは空白のまま）"));
    tools->addWidget(firstLabelBox_);
    tools->addWidget(new QLabel(QStringLiteral(" 部数 "), tools));
    copiesBox_ = new QSpinBox(tools);
    copiesBox_->setObjectName(QStringLiteral("copiesPerRecord"));
    copiesBox_->setRange(1, kMostCopiesPerRecord);
    copiesBox_->setToolTip(QStringLiteral("各レコードをこの枚数のラベルに印刷します"));
    tools->addWidget(copiesBox_);
    verifyBox_ = new QCheckBox(QStringLiteral("印刷前に検査"), tools);
    verifyBox_->setObjectName(QStringLiteral("verifyBeforePrint"));
    verifyBox_->setToolTip(QStringLiteral(
        "印刷する前に全ページを描いてバーコードを読み取り、読めないラベルを知らせます"));
    verifyBox_->setChecked(settings_.verifyBeforePrint);
    connect(verifyBox_, &QCheckBox::toggled, this, [this](bool checked) {
        settings_.verifyBeforePrint = checked;
        writeVerifySetting(settingsFile_, settings_);
    });
    tools->addWidget(verifyBox_);
}

void CMainFrame::buildSettingsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    addCommand(menu, "ラベルサイズと割付", LabelCommand::LabelSize);
    addCommand(menu, "ページタイトルの設定", LabelCommand::Title);
    addCommand(menu, "データファイル設定", LabelCommand::DataFile);
    addCommand(menu, "ラベルの印刷方向の設定", LabelCommand::Direction);
    addCommand(menu, "ラベルの連番設定", LabelCommand::SerialNumber);
    addCommand(menu, "フィールド指定改頁の設定", LabelCommand::PageBreak);
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("プリンタの調整...")), &QAction::triggered, this,
            &CMainFrame::editPrinterAdjustments);
    connect(menu->addAction(QStringLiteral("キャリブレーションシートの印刷...")),
            &QAction::triggered, this, &CMainFrame::printCalibrationSheetWithChoice);
    menu->addSeparator();
    printOnStartAction_ = addCommand(menu, "ﾌｧｲﾙの引数起動時印刷", LabelCommand::PrintOnStart);
    printOnStartAction_->setCheckable(true);
    // A switch with `writeAtOnce` is kept as soon as it changes, the others when the window
    // closes.
    using SettingWriter = bool (*)(ProfileFile&, const QuorviSettings&);
    auto toggle = [this, menu](const char* text, bool& flag, SettingWriter writeAtOnce) {
        QAction* action = menu->addAction(QString::fromUtf8(text));
        action->setCheckable(true);
        action->setChecked(flag);
        connect(action, &QAction::toggled, this, [this, &flag, writeAtOnce](bool on) {
            flag = on;
            if (writeAtOnce != nullptr) writeAtOnce(settingsFile_, settings_);
        });
    };
    toggle("引数起動時でも印刷ﾀﾞｲｱﾛｸﾞを表示", settings_.printDialogAtStartup, nullptr);
    toggle("ﾎﾞﾀﾝからの印刷をﾀﾞｲﾚｸﾄにする", settings_.directPrint, writeDirectPrintSetting);
    toggle("ﾌｫﾝﾄでTrueTypeのみ使用", settings_.trueTypeOnly, writeTrueTypeOnlySetting);
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
