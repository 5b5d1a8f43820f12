// Editing cells in place: Enter stores and goes on, Escape stores nothing, Shift+TAB goes back
// but not before the first field, and the row under the last record becomes a new record only
// when something was typed into it.
#include <QScrollBar>

#include "editor/widgets/cell_editor.h"
#include "tests/editor_app/view_test_support.h"

namespace qv::test {
namespace {

const QString kEditingStatus =
    QStringLiteral("入力確定+次=Enter  入力終了=ESC 　前のﾌｨｰﾙﾄﾞ=Shift+TAB");

class EditingTest : public ViewTest {
  protected:
    void SetUp() override {
        open({"CODE,NAME,PRICE", "r1,a,10", "r2,b,20", "r3,c,30"});
        view->selectColumn(1);
    }
    CellEditor* edit() const { return view->cellEditor(); }
    void type(const QString& text) {
        edit()->selectAll();
        QTest::keyClicks(edit(), text);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(edit(), key, modifiers);
    }
};

TEST_F(EditingTest, EnterStoresEachFieldAndEndsAfterTheLast) {
    clickCell(2, 0);
    ASSERT_TRUE(view->isEditingCell());
    EXPECT_TRUE(edit()->isVisible());
    EXPECT_EQ(edit()->text(), QStringLiteral("r2"));
    EXPECT_EQ(edit()->geometry(), view->cellRect(2, 0).adjusted(-2, -2, 2, 2));
    EXPECT_EQ(statuses.back(), kEditingStatus);

    type(QStringLiteral("X2"));
    press(Qt::Key_Return);
    EXPECT_EQ(document.lines[2], "X2,b,20");
    EXPECT_EQ(view->editedField(), 1);
    EXPECT_EQ(edit()->text(), QStringLiteral("b"));
    press(Qt::Key_Return);  // unchanged
    type(QStringLiteral("1,5"));
    press(Qt::Key_Return);
    EXPECT_EQ(document.lines[2], "X2,b,\"1,5\"");
    EXPECT_FALSE(view->isEditingCell());
    EXPECT_FALSE(edit()->isVisible());
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(statuses.back(),
              QStringLiteral("＜CODE＞カラムの任意の行をマウス左クリックで修正又は追加します。"));
}

TEST_F(EditingTest, EscapeEndsWithoutStoring) {
    clickCell(1, 0);
    type(QStringLiteral("zzz"));
    press(Qt::Key_Escape);
    EXPECT_FALSE(view->isEditingCell());
    EXPECT_EQ(document.lines[1], "r1,a,10");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(changes, 0);
}

TEST_F(EditingTest, ShiftTabGoesBackButNotBeforeTheFirstField) {
    clickCell(3, 0);
    type(QStringLiteral("typed"));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(view->isEditingCell());
    EXPECT_EQ(view->editedField(), 0);
    EXPECT_EQ(edit()->text(), QStringLiteral("typed"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(view->editedField(), 2);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(view->editedField(), 1);
    EXPECT_EQ(edit()->text(), QStringLiteral("c"));
    EXPECT_EQ(document.lines[3], "typed,c,30");
}

TEST_F(EditingTest, OtherColumnsStillSelectRows) {
    clickCell(2, 1);
    EXPECT_FALSE(view->isEditingCell());
    EXPECT_EQ(view->editor().currentRow(), 2);
    view->selectColumn(2);
    clickCell(4, 1);  // under the last record only the first column adds
    EXPECT_FALSE(view->isEditingCell());
}

TEST_F(EditingTest, NewRecordRowAddsARecordOnlyWhenAFieldWasEntered) {
    clickCell(5, 0);
    ASSERT_TRUE(view->isEditingCell());
    EXPECT_EQ(view->editedRow(), 4);
    EXPECT_EQ(view->editor().blankRow(), ",,");
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_FALSE(view->isEditingCell());
    EXPECT_EQ(document.recordCount(), 3);
    EXPECT_FALSE(view->editor().blankRowActive());

    clickCell(4, 0);
    press(Qt::Key_Return);
    type(QStringLiteral("new"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(document.recordCount(), 4);
    EXPECT_EQ(document.lines[4], ",new,");
    EXPECT_EQ(changes, 1);
    // A further blank row waits under the new record.
    EXPECT_TRUE(view->isEditingCell());
    EXPECT_EQ(view->editedRow(), 5);
    EXPECT_EQ(view->editedField(), 0);
    press(Qt::Key_Escape);
    EXPECT_EQ(document.recordCount(), 4);
    EXPECT_FALSE(view->editor().blankRowActive());
}

using EditingScrollTest = ViewTest;

TEST_F(EditingScrollTest, NextFieldIsScrolledIntoView) {
    document.columnWidths = {40, 40, 40};
    open({"CODE,NAME,PRICE", "r1,a,10"}, QSize(300, 200));
    view->selectColumn(1);
    clickCell(1, 0);
    QTest::keyClick(view->cellEditor(), Qt::Key_Return);
    QTest::keyClick(view->cellEditor(), Qt::Key_Return);
    ASSERT_EQ(view->editedField(), 2);
    EXPECT_GT(view->horizontalScrollBar()->value(), 0);
    const QRect edit = view->cellEditor()->geometry();
    EXPECT_GE(edit.left(), 0);
    EXPECT_LE(edit.left(), view->viewport()->width());
    EXPECT_EQ(edit, view->cellRect(1, 2).adjusted(-2, -2, 2, 2));
}

}  // namespace
}  // namespace qv::test
