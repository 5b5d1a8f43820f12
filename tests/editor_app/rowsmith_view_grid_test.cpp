// The grid itself: its extent and columns, the keys that scroll it, what a click asks for, the
// field-name bar, and how the current row and a range are drawn.
#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QScrollBar>

#include "editor/widgets/field_name_bar.h"
#include "editor/widgets/rowsmith_commands.h"
#include "tests/editor_app/view_test_support.h"

namespace qv::test {
namespace {

using GridTest = ViewTest;

std::vector<std::string> numberedDocument(int records) {
    std::vector<std::string> lines{"CODE,NAME,PRICE"};
    for (int k = 1; k <= records; ++k) lines.push_back("c" + std::to_string(k) + ",n,1");
    return lines;
}

TEST_F(GridTest, ColumnsAndExtentFollowTheWidthsAndTheLines) {
    document.columnWidths = {8, 0, 12};
    open(numberedDocument(100));
    const GridGeometry& grid = view->geometry();
    const int a = grid.charWidth();
    EXPECT_EQ(document.displayWidths[0], 8 * a);
    EXPECT_EQ(document.displayWidths[1], 10 * a);
    EXPECT_EQ(document.displayWidths[2], 12 * a);
    EXPECT_EQ(grid.columnLeft(0), 4 * a);
    EXPECT_EQ(grid.contentWidth(), 34 * a + 3);
    EXPECT_EQ(view->verticalScrollBar()->maximum(),
              105 * grid.rowHeight() - view->viewport()->height());
    EXPECT_EQ(grid.fieldAt(4 * a - 1), -1);
    EXPECT_EQ(grid.fieldAt(12 * a), 1);
    EXPECT_EQ(grid.fieldAt(34 * a), -1);
}

// The number column holds every row number drawn, the 4 blank rows below the lines included.
TEST(GridGeometryTest, TheNumberColumnWidensWithTheDigitsOfTheRows) {
    EXPECT_EQ(GridGeometry::numberDigits(0), 4);
    EXPECT_EQ(GridGeometry::numberDigits(9995), 4);  // row 9999 is the last drawn
    EXPECT_EQ(GridGeometry::numberDigits(9996), 5);
    EXPECT_EQ(GridGeometry::numberDigits(999995), 6);
    EXPECT_EQ(GridGeometry::numberDigits(1000001), 7);  // a million records and the header
    RecordingMessageService messages;
    CROWSMITHDoc document(messages);
    document.lines = numberedDocument(10000);
    document.splitHeader();
    GridGeometry grid;
    grid.layout(document, 16, 8);
    EXPECT_EQ(grid.numberWidth(), 5 * 8);
    EXPECT_EQ(grid.columnLeft(0), 5 * 8);
    EXPECT_EQ(grid.fieldAt(5 * 8 - 1), -1);
}

TEST_F(GridTest, KeysScrollByPagesRowsAndToTheEnds) {
    document.columnWidths = {60, 60, 60};
    open(numberedDocument(1000));
    QScrollBar* vertical = view->verticalScrollBar();
    const int row = view->geometry().rowHeight();
    const int page = view->viewport()->height() / row * row;
    QTest::keyClick(view.get(), Qt::Key_PageDown);
    EXPECT_EQ(vertical->value(), page);
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(vertical->value(), page + row);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(vertical->value(), 0);
    QTest::keyClick(view.get(), Qt::Key_End);
    EXPECT_EQ(vertical->value(), vertical->maximum());
    QTest::keyClick(view.get(), Qt::Key_Home);
    EXPECT_EQ(vertical->value(), 0);

    const int across = view->geometry().charWidth();
    QTest::keyClick(view.get(), Qt::Key_Right);
    const int scrolled = view->horizontalScrollBar()->value();
    EXPECT_EQ(scrolled, view->viewport()->width() / across * across);
    // The bar moves with the grid.
    EXPECT_EQ(view->fieldNameBar()->cellRect(1).left(), view->cellRect(1, 0).left());
    QTest::keyClick(view.get(), Qt::Key_Left);
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
}

TEST_F(GridTest, ClicksAskForTheDialogsTheDocumentNeeds) {
    open({});
    clickRow(1);
    EXPECT_EQ(commands, (std::vector<int>{rowsmith::kFieldDialog}));
    commands.clear();
    document.lines = {"CODE,NAME"};
    document.splitHeader();
    view->refreshView();
    clickRow(1);
    EXPECT_EQ(commands, (std::vector<int>{rowsmith::kRecordDialog}));
}

TEST_F(GridTest, DoubleClickOpensTheRecordDialogOnThatRowAndForgetsUndo) {
    openShop();
    QSignalSpy rows(view.get(), &CROWSMITHView::currentRowChanged);
    clickRow(2);
    view->cut();
    ASSERT_TRUE(view->canUndo());
    QTest::mouseDClick(grid(), Qt::LeftButton, {}, rowPoint(4));
    EXPECT_EQ(commands, (std::vector<int>{rowsmith::kRecordDialog}));
    EXPECT_EQ(view->editor().currentRow(), 4);
    EXPECT_FALSE(view->canUndo());
    EXPECT_EQ(rows.first().at(0).toInt(), 2);
}

TEST_F(GridTest, ScrollToRecordBringsItIntoTheWindowAndHighlightsIt) {
    open(numberedDocument(5000));
    view->scrollToRecord(4000);
    EXPECT_EQ(view->editor().currentRow(), 4000);
    EXPECT_TRUE(view->rowHighlighted());
    const QRect cell = view->cellRect(4000, 0);
    EXPECT_GE(cell.top(), 0);
    EXPECT_LE(cell.bottom(), view->viewport()->height());
    view->scrollToRecord(99999);  // clamped to the last record
    EXPECT_EQ(view->editor().currentRow(), 5000);
}

TEST_F(GridTest, NameBarSelectsAColumnWithItsStatusAndRightClickClearsIt) {
    openShop();
    FieldNameBar* bar = view->fieldNameBar();
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->cellRect(2).center());
    EXPECT_EQ(view->selectedColumn(), 2);
    EXPECT_EQ(statuses.back(),
              QStringLiteral("＜NAME＞カラムの任意の行をマウス左クリックで修正します。"));
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->cellRect(1).center());
    EXPECT_EQ(statuses.back(),
              QStringLiteral("＜CODE＞カラムの任意の行をマウス左クリックで修正又は追加します。"));
    QTest::mousePress(bar, Qt::LeftButton, {}, bar->cellRect(0).center());  // "SEQ"
    EXPECT_EQ(view->selectedColumn(), 1);
    QTest::mousePress(bar, Qt::RightButton, {}, bar->cellRect(1).center());
    EXPECT_EQ(view->selectedColumn(), -1);
    EXPECT_TRUE(statuses.back().isEmpty());
}

QImage rendered(CROWSMITHView& view) {
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    view.viewport()->render(&image);
    return image;
}

// A point of `row` right of its text, where the grid is blank.
QPoint blankPointOf(CROWSMITHView& view, int row) {
    const QRect cell = view.cellRect(row, 1);
    return QPoint(cell.right() - 2, cell.center().y());
}

TEST_F(GridTest, CurrentRowIsAGreenBarAndARangeIsInverted) {
    openShop();
    const QColor paper = rendered(*view).pixelColor(blankPointOf(*view, 2));
    EXPECT_EQ(paper, QColor(Qt::white));
    clickRow(2);
    EXPECT_EQ(rendered(*view).pixelColor(blankPointOf(*view, 2)), QColor(0, 128, 0));
    dragRows(3, 4);
    const QImage image = rendered(*view);
    EXPECT_EQ(image.pixelColor(blankPointOf(*view, 3)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(blankPointOf(*view, 4)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(blankPointOf(*view, 2)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(blankPointOf(*view, 5)), QColor(Qt::white));
}

TEST_F(GridTest, RecordNumbersAreDarkRed) {
    openShop();
    const QImage image = rendered(*view);
    const QRect number = view->cellRect(3, -1);
    bool darkRed = false;
    for (int y = number.top(); y <= number.bottom(); ++y) {
        for (int x = number.left(); x <= number.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            darkRed = darkRed || (colour.green() < 60 && colour.red() > colour.green() + 60);
        }
    }
    EXPECT_TRUE(darkRed);
}

TEST_F(GridTest, FocusReportsTheViewActive) {
    openShop();
    QSignalSpy active(view.get(), &CROWSMITHView::activated);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(view.get(), &focusIn);
    EXPECT_EQ(active.count(), 1);
}

}  // namespace
}  // namespace qv::test
