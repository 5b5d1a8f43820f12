// Cut, copy, paste, delete and undo as the grid runs them from the mouse, the keys and its
// pop-up menu, with the process's clipboard.
#include <QAction>
#include <QMenu>
#include <QMimeData>

#include "editor/widgets/field_name_bar.h"
#include "editor/widgets/rowsmith_commands.h"
#include "tests/editor_app/view_test_support.h"

namespace qv::test {
namespace {

using CommandsTest = ViewTest;

const std::vector<std::string> kShopRecords = {"r1,a", "r2,b", "r3,c", "r4,d", "r5,e", "r6,f"};

TEST_F(CommandsTest, DraggingRowsThreeToFiveAndCtrlCCopiesFourLines) {
    openShop();
    dragRows(3, 5);
    EXPECT_TRUE(view->editor().rangeSelected());
    EXPECT_EQ(view->editor().rangeFirst(), 3);
    EXPECT_EQ(view->editor().rangeLast(), 5);
    QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("@CODE,NAME\nr3,c\nr4,d\nr5,e\n"));
    EXPECT_EQ(records(), kShopRecords);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(view->canCut());  // selection and highlight are gone
}

TEST_F(CommandsTest, DraggingUpwardSelectsAndReleasingOnTheStartRowSelectsNothing) {
    openShop();
    dragRows(5, 2);
    EXPECT_EQ(view->editor().rangeFirst(), 2);
    EXPECT_EQ(view->editor().rangeLast(), 5);
    clickRow(4);  // only clears the range
    EXPECT_FALSE(view->editor().rangeSelected());
    EXPECT_EQ(view->editor().currentRow(), 5);
    dragRows(4, 4);
    EXPECT_FALSE(view->editor().rangeSelected());
    EXPECT_EQ(view->editor().currentRow(), 4);
    EXPECT_TRUE(view->rowHighlighted());
}

TEST_F(CommandsTest, CutThenUndoRestoresTheRecords) {
    openShop();
    dragRows(2, 3);
    view->cut();
    EXPECT_EQ(records(), (std::vector<std::string>{"r1,a", "r4,d", "r5,e", "r6,f"}));
    EXPECT_EQ(view->editor().currentRow(), 2);
    EXPECT_EQ(changes, 1);
    ASSERT_TRUE(view->canUndo());
    view->undo();
    EXPECT_EQ(records(), kShopRecords);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(view->canUndo());
}

TEST_F(CommandsTest, UndoOfAPasteRemovesExactlyThePastedRecordsOnce) {
    openShop();
    setClipboardText(QStringLiteral("@CODE,NAME\nx1,1\nx2,2\nx3,3\n"));
    clickRow(2);
    view->paste();
    EXPECT_EQ(records(), (std::vector<std::string>{"r1,a", "x1,1", "x2,2", "x3,3", "r2,b", "r3,c",
                                                   "r4,d", "r5,e", "r6,f"}));
    view->undo();
    EXPECT_EQ(records(), kShopRecords);
    EXPECT_EQ(changes, 2);
    view->undo();
    EXPECT_EQ(records(), kShopRecords);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(CommandsTest, PasteIntoAnEmptyDocumentShowsTheNewHeader) {
    open({});
    setClipboardText(QStringLiteral("@CODE,NAME,PRICE\nx1,1,10\n"));
    view->paste();
    EXPECT_EQ(document.lines, (std::vector<std::string>{"CODE,NAME,PRICE", "x1,1,10"}));
    EXPECT_EQ(view->geometry().columnCount(), 3u);
    EXPECT_TRUE(view->fieldNameBar()->isVisible());
}

TEST_F(CommandsTest, DeleteAsksFirstAndNoKeepsTheRecords) {
    openShop();
    dragRows(2, 4);
    messages.scriptAnswer(MessageAnswer::No);
    view->deleteRecords();
    ASSERT_EQ(
        messages.texts(),
        (std::vector<std::string>{"指定範囲のレコードを削除します\nもとに戻す事は出来ません。"}));
    EXPECT_EQ(messages.messages()[0].caption, "レコード削除");
    EXPECT_EQ(records(), kShopRecords);
    EXPECT_EQ(changes, 0);

    messages.scriptAnswer(MessageAnswer::Yes);
    view->deleteRecords();
    EXPECT_EQ(records(), (std::vector<std::string>{"r1,a", "r5,e", "r6,f"}));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(document.isModified());
    EXPECT_FALSE(view->canUndo());
}

TEST_F(CommandsTest, BinaryClipboardIsRefusedAndNothingChanges) {
    openShop();
    auto* binary = new QMimeData;
    binary->setData(QStringLiteral("application/octet-stream"), QByteArray("\x00\x01\x02", 3));
    QGuiApplication::clipboard()->setMimeData(binary);
    clickRow(2);
    EXPECT_FALSE(view->canPaste());
    view->paste();
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容は\nﾃｷｽﾄﾃﾞｰﾀではありません。"}));
    EXPECT_TRUE(messages.messages()[0].beep);
    EXPECT_EQ(records(), kShopRecords);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(changes, 0);
}

TEST_F(CommandsTest, NothingIsCutOrCopiedWithoutARowOrRange) {
    openShop();
    setClipboardText(QStringLiteral("before"));
    view->copy();
    view->cut();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    EXPECT_EQ(records(), kShopRecords);
}

// The texts of the pop-up menu, "-" for the separator.
std::vector<QString> menuTexts(CROWSMITHView& view) {
    QMenu menu;
    view.fillContextMenu(menu);
    std::vector<QString> texts;
    for (QAction* action : menu.actions()) {
        texts.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

TEST_F(CommandsTest, MenuOfADocumentWithRecordsAndAHighlightedRow) {
    openShop();
    setClipboardText(QStringLiteral("a,b\n"));
    clickRow(2);
    EXPECT_EQ(menuTexts(*view),
              (std::vector<QString>{"ﾍｯﾀﾞｰﾌｨｰﾙﾄﾞの作成・変更", "ﾚｺｰﾄﾞの追加・作成", "切り取り",
                                    "コピー", "削　除", "貼り付け", "-", "ﾚｺｰﾄﾞの検索・置換",
                                    "レーコード抽出", "ﾊﾞｰｺｰﾄﾞﾌｨｰﾙﾄﾞのﾒﾝﾃ", "フォント"}));
    view->setBarcodeDialogOpen(true);
    view->setRecordDialogOpen(true);  // withholds paste, and cut without a range
    EXPECT_EQ(menuTexts(*view),
              (std::vector<QString>{"ﾍｯﾀﾞｰﾌｨｰﾙﾄﾞの作成・変更", "ﾚｺｰﾄﾞの追加・作成", "-",
                                    "ﾚｺｰﾄﾞの検索・置換", "レーコード抽出", "フォント"}));
}

TEST_F(CommandsTest, MenuOfDocumentsWithoutRecords) {
    setClipboardText(QStringLiteral("a,b\n"));
    open({"CODE,NAME"});
    EXPECT_EQ(menuTexts(*view),
              (std::vector<QString>{"ﾍｯﾀﾞｰﾌｨｰﾙﾄﾞの作成・変更", "ﾚｺｰﾄﾞの追加・作成", "貼り付け",
                                    "フォント"}));
    document.lines.clear();
    document.splitHeader();
    view->refreshView();
    EXPECT_EQ(menuTexts(*view),
              (std::vector<QString>{"ﾍｯﾀﾞｰﾌｨｰﾙﾄﾞの作成・変更", "貼り付け", "フォント"}));
}

TEST_F(CommandsTest, MenuEntriesRunTheirCommands) {
    openShop();
    clickRow(4);
    QMenu menu;
    view->fillContextMenu(menu);
    for (QAction* action : menu.actions()) {
        if (action->data().toInt() == rowsmith::kCopy ||
            action->data().toInt() == rowsmith::kSearch) {
            action->trigger();
        }
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("@CODE,NAME\nr4,d\n"));
    EXPECT_EQ(commands, (std::vector<int>{rowsmith::kSearch}));
}

}  // namespace
}  // namespace qv::test
