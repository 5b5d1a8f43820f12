// The extraction, association, label program path and launch dialogs, driven as a user does.
#include <sys/stat.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "editor/dialogs/association_dialog.h"
#include "editor/dialogs/extraction_dialogs.h"
#include "editor/dialogs/extraction_method_dialog.h"
#include "editor/dialogs/label_program_path_dialog.h"
#include "editor/dialogs/launch_dialog.h"
#include "platform/qt_text.h"
#include "tests/label_app/widget_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

using test::child;
using test::click;

class LaunchDialogsTest : public ::testing::Test {
  protected:
    LaunchDialogsTest() {
        document.lines = {"CODE,NAME",  "A1,apple",  "B1,banana",
                          "A2,avocado", "C1,cherry", "B2,blueberry"};
        document.splitHeader();
        test::writeBytes(folder.file("shop.qvd"), "definition");
        test::writeBytes(folder.file("price.qvd"), "definition");
        test::writeBytes(folder.file("shop.csv"), "");
        test::writeBytes(folder.file("quorvi32"), "#!/bin/sh\n");
        chmod(folder.file("quorvi32").c_str(), 0755);
    }
    QString file(const char* name) { return fromUtf8(folder.file(name)); }
    void type(QDialog& dialog, const char* edit, const QString& text) {
        child<QLineEdit>(dialog, edit)->setText(text);
    }
    void settingsWithTwoEntries() {
        settings.associations = {
            formatAssociation({"Price", folder.file("price.qvd"), folder.file("price.csv")}),
            formatAssociation({"Shop", folder.file("shop.qvd"), folder.file("shop.csv")})};
    }

    test::TempFolder folder;
    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    RowsmithSettings settings;
};

TEST_F(LaunchDialogsTest, SerialExtractionThroughTheMethodDialog) {
    ExtractionMethodDialog method(document, messages);
    method.setDialogRunner([this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("連番指定の抽出"));
        for (auto [from, to] : {std::pair{"3", "5"}, std::pair{"1", "1"}}) {
            type(dialog, "from", QString::fromLatin1(from));
            type(dialog, "to", QString::fromLatin1(to));
            click(child<QPushButton>(dialog, "start"));
        }
        EXPECT_EQ(child<QLabel>(dialog, "count")->text(), QStringLiteral("4"));
        click(child<QPushButton>(dialog, "finish"));
        return dialog.result();
    });
    EXPECT_EQ(method.windowTitle(), QStringLiteral("抽出方法"));
    click(child<QPushButton>(method, "choose"));
    EXPECT_EQ(method.result(), QDialog::Accepted);
    const std::optional<ExtractedRecords> taken = method.takeResult();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->lines, (std::vector<std::string>{"CODE,NAME", "A2,avocado", "C1,cherry",
                                                      "B2,blueberry", "A1,apple"}));
}

TEST_F(LaunchDialogsTest, EscapeFromAnExtractionReturnsWithoutRecords) {
    ExtractionMethodDialog method(document, messages);
    method.setDialogRunner([this](QDialog& dialog) {
        type(dialog, "from", QStringLiteral("1"));
        type(dialog, "to", QStringLiteral("2"));
        click(child<QPushButton>(dialog, "start"));
        dialog.reject();  // Escape
        return dialog.result();
    });
    method.show();
    click(child<QPushButton>(method, "choose"));
    EXPECT_TRUE(method.isVisible());  // back in the method dialog
    EXPECT_FALSE(method.takeResult());
}

TEST_F(LaunchDialogsTest, FieldExtractionShowsTheSwappedRangeAndTheCount) {
    ExtractionBuffer buffer;
    FieldExtractionDialog dialog(document, buffer, messages);
    child<QListWidget>(dialog, "fields")->setCurrentRow(0);
    EXPECT_EQ(child<QLineEdit>(dialog, "field")->text(), QStringLiteral("CODE"));
    type(dialog, "from", QStringLiteral("B"));
    type(dialog, "to", QStringLiteral("A"));
    messages.scriptAnswer(MessageAnswer::Yes);
    click(child<QPushButton>(dialog, "start"));
    EXPECT_EQ(child<QLineEdit>(dialog, "from")->text(), QStringLiteral("A"));
    EXPECT_EQ(child<QLineEdit>(dialog, "to")->text(), QStringLiteral("B"));
    EXPECT_EQ(child<QLabel>(dialog, "count")->text(), QStringLiteral("4"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ﾌｨｰﾙﾄﾞによる抽出"));  // restored

    type(dialog, "from", QStringLiteral("C"));
    type(dialog, "to", QString());
    click(child<QPushButton>(dialog, "start"));
    EXPECT_EQ(child<QLineEdit>(dialog, "to")->text(), QStringLiteral("C"));
    EXPECT_EQ(child<QLabel>(dialog, "count")->text(), QStringLiteral("5"));
    EXPECT_EQ(buffer.lines().back(), "C1,cherry");
}

TEST_F(LaunchDialogsTest, SerialDialogRefusesTextAndAWrongOrder) {
    ExtractionBuffer buffer;
    SerialExtractionDialog dialog(document, buffer, messages);
    type(dialog, "from", QStringLiteral("x"));
    type(dialog, "to", QStringLiteral("2"));
    click(child<QPushButton>(dialog, "start"));
    type(dialog, "from", QStringLiteral("3"));
    click(child<QPushButton>(dialog, "start"));
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"From と To には連番を数字で入力して下さい　！",
                                        "To は From より大きくなければなりません。"}));
    EXPECT_EQ(child<QLabel>(dialog, "count")->text(), QStringLiteral("0"));
    EXPECT_FALSE(buffer.take());
}

TEST_F(LaunchDialogsTest, AssociationDialogOpensOnTheLastDataFilesEntry) {
    settingsWithTwoEntries();
    AssociationDialog dialog(settings, file("shop.csv"), QStringLiteral("shop.csv"), messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quorviとの関連付け(パス指定)"));
    EXPECT_EQ(child<QListWidget>(dialog, "commands")->count(), 2);
    EXPECT_EQ(child<QListWidget>(dialog, "commands")->currentRow(), 1);
    EXPECT_EQ(child<QLineEdit>(dialog, "command")->text(), QStringLiteral("Shop"));
    EXPECT_EQ(child<QLineEdit>(dialog, "definition")->text(), file("shop.qvd"));
    child<QListWidget>(dialog, "commands")->setCurrentRow(0);
    EXPECT_EQ(child<QLineEdit>(dialog, "data")->text(), file("price.csv"));
}

TEST_F(LaunchDialogsTest, RegisteringAsksForTheProgramPathFirstAndFinishApplies) {
    AssociationDialog dialog(settings, file("shop.csv"), QString(), messages);
    std::vector<QString> filters;
    dialog.setFileChooser([&](QWidget*, const QString& filter) {
        filters.push_back(filter);
        return file("shop.qvd");
    });
    int asked = 0;
    dialog.setPathAsker([&](QWidget*, const std::string&) {
        ++asked;
        return std::optional<std::string>(folder.file("quorvi32"));
    });
    dialog.show();
    click(child<QPushButton>(dialog, "browseDefinition"));
    EXPECT_EQ(filters, std::vector<QString>{QStringLiteral("Quorvi定義 (*.qvd)")});
    // The data file is known and the command name empty: the name is asked for next.
    EXPECT_EQ(dialog.focusWidget(), child<QLineEdit>(dialog, "command"));
    click(child<QPushButton>(dialog, "register"));  // no command name: the file's name
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(child<QListWidget>(dialog, "commands")->item(0)->text(), QStringLiteral("shop"));
    EXPECT_TRUE(child<QLineEdit>(dialog, "definition")->text().isEmpty());
    EXPECT_TRUE(settings.associations.empty());  // only "終了" hands the list over
    EXPECT_EQ(settings.labelProgramPath, folder.file("quorvi32"));
    click(child<QPushButton>(dialog, "finish"));
    ASSERT_EQ(settings.associations.size(), 1u);
    EXPECT_EQ(parseAssociation(settings.associations[0]),
              (Association{"shop", folder.file("shop.qvd"), folder.file("shop.csv")}));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LaunchDialogsTest, DeleteThenCancelDropsTheChange) {
    settingsWithTwoEntries();
    const std::vector<std::string> before = settings.associations;
    AssociationDialog dialog(settings, file("shop.csv"), QString(), messages);
    messages.scriptAnswer(MessageAnswer::Yes);
    click(child<QPushButton>(dialog, "delete"));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"削除しますか　？"});
    EXPECT_EQ(child<QListWidget>(dialog, "commands")->count(), 1);
    click(child<QPushButton>(dialog, "cancel"));
    EXPECT_EQ(settings.associations, before);
}

TEST_F(LaunchDialogsTest, PathDialogTakesOnlyAProgram) {
    LabelProgramPathDialog dialog(folder.file("shop.qvd"), messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quorviのパス"));
    dialog.setFileChooser([this](QWidget*, const QString& filter) {
        EXPECT_EQ(filter, executableFilter());
        return file("quorvi32");
    });
    click(child<QPushButton>(dialog, "ok"));
    EXPECT_FALSE(dialog.result());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{folder.file("shop.qvd") +
                                                         "\n  は正しいﾊﾟｽではありません　！"});
    click(child<QPushButton>(dialog, "browse"));
    click(child<QPushButton>(dialog, "ok"));
    EXPECT_EQ(dialog.result(), folder.file("quorvi32"));
}

TEST_F(LaunchDialogsTest, PathDialogOffersTheProgramBesideThisOneWhenNoneIsStored) {
    LabelProgramPathDialog dialog("", messages);
    const QString offered = dialog.path();
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/quorvi32")) ||
                offered == QCoreApplication::applicationDirPath())
        << toUtf8(offered);
}

TEST_F(LaunchDialogsTest, LaunchStartsTheSelectedEntryAndDoubleClickDoesTheSame) {
    settingsWithTwoEntries();
    settings.labelProgramPath = folder.file("quorvi32");
    std::vector<std::vector<std::string>> started;
    auto starter = [&started](const std::string& program, const std::vector<std::string>& args) {
        std::vector<std::string> call{program};
        call.insert(call.end(), args.begin(), args.end());
        started.push_back(call);
        return true;
    };
    LaunchDialog dialog(document, QStringLiteral("shop.csv"), settings, file("shop.csv"), messages);
    dialog.setProcessStarter(starter);
    EXPECT_EQ(child<QListWidget>(dialog, "commands")->currentRow(), 1);
    messages.scriptAnswer(MessageAnswer::Yes);
    click(child<QPushButton>(dialog, "launch"));
    EXPECT_EQ(dialog.outcome(), LaunchOutcome::Started);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0],
              (std::vector<std::string>{folder.file("quorvi32"), folder.file("shop.qvd")}));
    EXPECT_EQ(messages.messages().at(0).caption, "Quorvi起動");

    test::writeBytes(folder.file("price.csv"), "CODE,NAME\r\n");
    LaunchDialog again(document, QStringLiteral("shop.csv"), settings, QString(), messages);
    again.setProcessStarter(starter);
    child<QCheckBox>(again, "confirm")->setChecked(false);
    QListWidget* list = child<QListWidget>(again, "commands");
    list->setCurrentRow(0);
    emit list->itemDoubleClicked(list->item(0));
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[1].back(), folder.file("price.qvd"));
}

TEST_F(LaunchDialogsTest, LaunchWithoutSelectionOrProgramPathStartsNothing) {
    settingsWithTwoEntries();
    LaunchDialog dialog(document, QStringLiteral("shop.csv"), settings, QString(), messages);
    bool started = false;
    dialog.setProcessStarter(
        [&started](const std::string&, const std::vector<std::string>&) { return started = true; });
    dialog.setPathAsker([](QWidget*, const std::string&) { return std::optional<std::string>(); });
    click(child<QPushButton>(dialog, "launch"));
    child<QListWidget>(dialog, "commands")->setCurrentRow(1);
    click(child<QPushButton>(dialog, "launch"));  // no program path, the path dialog cancelled
    EXPECT_FALSE(started);
    EXPECT_FALSE(dialog.outcome());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"ｺﾏﾝﾄﾞを選択して下さい　！"});
    EXPECT_EQ(test::readBytes(folder.file("shop.csv")), "");
}

}  // namespace
}  // namespace qv
