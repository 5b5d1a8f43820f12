// The data editor's record, field, search and barcode field dialogs driven through their
// controls: what the boxes show, what the buttons store and what the grid is told.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "common/message_service.h"
#include "editor/dialogs/barcode_field_dialog.h"
#include "editor/dialogs/field_maintenance_dialog.h"
#include "editor/dialogs/record_maintenance_dialog.h"
#include "editor/dialogs/search_replace_dialog.h"
#include "tests/label_app/widget_test_support.h"

namespace qv {
namespace {

using test::child;
using test::click;

class MaintenanceDialogTest : public ::testing::Test {
  protected:
    MaintenanceDialogTest() {
        document.lines = {"CODE,NAME", "4901234567890,apple", "490123456789,pear", "1,plum"};
        document.splitHeader();
    }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
};

TEST_F(MaintenanceDialogTest, RecordDialogShowsARecordAndDownStoresTheTypedChange) {
    RecordMaintenanceDialog dialog(document, messages, QStringLiteral("SHOP.CSV"), 1);
    ASSERT_TRUE(dialog.usable());
    QSignalSpy highlights(&dialog, &RecordMaintenanceDialog::highlightRecord);
    QSignalSpy redraws(&dialog, &RecordMaintenanceDialog::redrawRequested);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("レコードメンテ(SHOP.CSV)"));
    EXPECT_EQ(child<QLineEdit>(dialog, "box0")->text(), QStringLiteral("4901234567890"));
    EXPECT_EQ(child<QLabel>(dialog, "recordCount")->text(), QStringLiteral("3"));

    QLineEdit* name = child<QLineEdit>(dialog, "box1");
    name->selectAll();
    name->insert(QStringLiteral("りんご"));  // typed as the input method hands it over
    click(child<QPushButton>(dialog, "downButton"));

    EXPECT_EQ(document.lines[1], std::string("4901234567890,") + "\x82\xe8\x82\xf1\x82\xb2");
    EXPECT_EQ(redraws.count(), 1);
    ASSERT_FALSE(highlights.isEmpty());
    EXPECT_EQ(highlights.last().at(0).toInt(), 2);
    EXPECT_EQ(child<QLineEdit>(dialog, "box1")->text(), QStringLiteral("pear"));
    EXPECT_EQ(child<QLabel>(dialog, "currentPosition")->text(), QStringLiteral("2"));

    click(child<QPushButton>(dialog, "addButton"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("レコードメンテ(SHOP.CSV)－レコードの追加"));
    EXPECT_FALSE(child<QPushButton>(dialog, "deleteButton")->isEnabled());
}

TEST_F(MaintenanceDialogTest, RecordDialogRefusesADocumentWithoutFieldNames) {
    document.newDocument();
    EXPECT_EQ(RecordMaintenanceDialog::open(document, messages, QStringLiteral("x"), 1, nullptr),
              nullptr);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"フィールドが定義されていません。"});
}

TEST_F(MaintenanceDialogTest, FieldDialogEnterMovesToTheWidthAndThenToTheNextEntry) {
    document.columnWidths = {13, 20};
    FieldMaintenanceDialog dialog(document, messages);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* list = child<QTreeWidget>(dialog, "fieldList");
    auto* name = child<QLineEdit>(dialog, "fieldName");
    auto* width = child<QLineEdit>(dialog, "fieldWidth");
    // Name and width stand in columns of their own: the widths line up whatever the names.
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("NAME"));
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("20"));
    click(child<QPushButton>(dialog, "modifyModeButton"));
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(name->text(), QStringLiteral("CODE"));
    EXPECT_EQ(width->text(), QStringLiteral("13"));

    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(width->hasFocus());
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
    EXPECT_EQ(name->text(), QStringLiteral("NAME"));
    EXPECT_TRUE(dialog.isVisible());  // Enter never closes the dialog
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MaintenanceDialogTest, SearchDialogFindsARecordAndTellsTheGrid) {
    SearchReplaceDialog dialog(document, messages);
    QSignalSpy highlights(&dialog, &SearchReplaceDialog::highlightRecord);
    dialog.show();
    auto* list = child<QListWidget>(dialog, "fieldList");
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRow(1);
    emit list->itemClicked(list->item(1));
    EXPECT_EQ(child<QLineEdit>(dialog, "fieldName")->text(), QStringLiteral("NAME"));
    EXPECT_FALSE(child<QLineEdit>(dialog, "replaceText")->isEnabled());
    QTest::keyClicks(child<QLineEdit>(dialog, "searchText"), QStringLiteral("pear"));
    click(child<QPushButton>(dialog, "searchButton"));
    ASSERT_EQ(highlights.count(), 1);
    EXPECT_EQ(highlights.at(0).at(0).toInt(), 2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("検索・ﾌｨｰﾙﾄﾞ置換"));

    click(child<QRadioButton>(dialog, "replaceMode"));
    EXPECT_TRUE(child<QLineEdit>(dialog, "replaceText")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(dialog, "prefixMatch")->isEnabled());
}

TEST_F(MaintenanceDialogTest, BarcodeDialogFollowsTheActionAndAddsCheckDigits) {
    BarcodeFieldDialog::remembered = {};
    BarcodeFieldDialog dialog(document, messages);
    QSignalSpy changes(&dialog, &BarcodeFieldDialog::documentChanged);
    dialog.show();
    auto* start = child<QLineEdit>(dialog, "startLetter");
    click(child<QRadioButton>(dialog, "actionNw7"));
    EXPECT_TRUE(start->isEnabled());
    EXPECT_EQ(start->text(), QStringLiteral("a"));
    click(child<QRadioButton>(dialog, "actionCode39"));
    EXPECT_FALSE(start->isEnabled());
    EXPECT_EQ(start->text(), QStringLiteral("*"));
    click(child<QRadioButton>(dialog, "actionJan"));
    EXPECT_EQ(start->text(), QString());
    EXPECT_FALSE(child<QPushButton>(dialog, "removeButton")->isEnabled());

    QTest::keyClicks(child<QLineEdit>(dialog, "fieldName"), QStringLiteral("co"));
    click(child<QPushButton>(dialog, "addButton"));
    EXPECT_EQ(document.lines[1], "4901234567894,apple");
    EXPECT_EQ(document.lines[2], "4901234567894,pear");
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ"));

    dialog.close();
    EXPECT_EQ(BarcodeFieldDialog::remembered.fieldName, "co");
}

}  // namespace
}  // namespace qv
