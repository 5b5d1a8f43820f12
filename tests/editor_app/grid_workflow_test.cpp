// The grid in the main window as a user works it: the edit commands follow a selection made with
// the mouse alone, and an open cell edit is stored by Save, by a click elsewhere and on quitting,
// never lost; a character that Shift-JIS cannot hold keeps the edit open with a word about it.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include <gtest/gtest.h>

#include "editor/app/child_frame.h"
#include "editor/app/main_frame.h"
#include "editor/widgets/cell_editor.h"
#include "editor/widgets/field_name_bar.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_clipboard.h"
#include "tests/editor_app/main_frame_parts.h"
#include "tests/support/temp_folder.h"

namespace qv::rowsmith {
namespace {

class GridWorkflowTest : public ::testing::Test,
                         protected test::RowsmithFrameParts<QtClipboardPort> {
  protected:
    GridWorkflowTest() {
        test::writeBytes(path(), "CODE,NAME\r\n1,x\r\n2,y\r\n3,z\r\n");
        makeFrame();
        frame->resize(900, 600);
        frame->show();
        frame->openStartFiles({path()});
        view = &frame->activeChild()->view();
        view->grab();
    }
    std::string path() const { return folder.file("shop.csv"); }
    QAction* action(const char* text) const {
        for (QAction* found : frame->findChildren<QAction*>()) {
            if (found->text() == QString::fromUtf8(text)) return found;
        }
        ADD_FAILURE() << text;
        return nullptr;
    }
    QPoint rowPoint(int row) const { return view->cellRect(row, -1).center(); }
    // Types `text` into the NAME cell of `row`, leaving the edit open.
    void typeName(int row, const QString& text) {
        view->selectColumn(2);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cellRect(row, 1).center());
        ASSERT_TRUE(view->isEditingCell());
        view->cellEditor()->setText(text);
    }
    std::string saved() const { return test::readBytes(path()); }

    CROWSMITHView* view = nullptr;
};

TEST_F(GridWorkflowTest, DeleteFollowsASelectionMadeWithTheMouseOnly) {
    QAction* remove = action("削  除(&D)");
    EXPECT_FALSE(remove->isEnabled());
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, rowPoint(2));
    QTest::mouseMove(view->viewport(), rowPoint(3));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, rowPoint(3));
    ASSERT_TRUE(remove->isEnabled());
    EXPECT_TRUE(action("切り取り(&T)")->isEnabled());
    remove->trigger();
    EXPECT_EQ(view->document().recordCount(), 1);
}

TEST_F(GridWorkflowTest, SaveStoresTheOpenCellEdit) {
    typeName(2, QStringLiteral("りんご"));
    action("上書き保存(&S)")->trigger();
    EXPECT_EQ(saved(), "CODE,NAME\r\n1,x\r\n2,\x82\xe8\x82\xf1\x82\xb2\r\n3,z\r\n");
    EXPECT_FALSE(view->document().isModified());
}

TEST_F(GridWorkflowTest, AClickElsewhereAndQuittingStoreTheOpenEdit) {
    typeName(1, QStringLiteral("apple"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowPoint(3));
    EXPECT_FALSE(view->isEditingCell());
    EXPECT_EQ(view->document().lines[1], "1,apple");
    typeName(3, QStringLiteral("zest"));
    messages.scriptAnswer(MessageAnswer::Yes);  // save the changes
    frame->close();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(saved(), "CODE,NAME\r\n1,apple\r\n2,y\r\n3,zest\r\n");
}

TEST_F(GridWorkflowTest, CharactersShiftJisCannotHoldKeepTheEditOpen) {
    typeName(2, QStringLiteral("A€😀"));
    action("上書き保存(&S)")->trigger();
    EXPECT_TRUE(view->isEditingCell());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_NE(messages.messages()[0].text.find("€😀"), std::string::npos)
        << messages.messages()[0].text;
    EXPECT_EQ(saved(), "CODE,NAME\r\n1,x\r\n2,y\r\n3,z\r\n");
    EXPECT_EQ(view->cellEditor()->text(), QStringLiteral("A€😀"));
}

TEST_F(GridWorkflowTest, APasteWithCharactersShiftJisCannotHoldNamesThemAndChangesNothing) {
    QGuiApplication::clipboard()->setText(QStringLiteral("9,A€\r\n"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowPoint(2));
    action("貼り付け(&P)")->trigger();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_NE(messages.messages()[0].text.find("€"), std::string::npos);
    EXPECT_EQ(view->document().recordCount(), 3);
    EXPECT_FALSE(view->document().isModified());
}

// At the default window size no toolbar command hides behind the toolbar's "»" button.
TEST_F(GridWorkflowTest, EveryToolbarButtonShowsAt900Pixels) {
    auto* tools = frame->findChild<QToolBar*>(QStringLiteral("tools"));
    ASSERT_NE(tools, nullptr);
    QApplication::processEvents();
    auto* more = tools->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(more, nullptr);
    EXPECT_FALSE(more->isVisible());
}

}  // namespace
}  // namespace qv::rowsmith
