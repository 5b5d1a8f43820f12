// The layout editor and its dialogs together, driven as a user drives them: a field or literal
// dragged on the label keeps the dragged position when the dialog confirms it, the measuring
// rectangle goes once the barcode is placed, and the prompts of the commands whose dialogs stay
// open last until those dialogs close.
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include "label/editor/widgets/field_placement_dialog.h"
#include "label/editor/widgets/layout_view.h"
#include "label/editor/widgets/literal_dialog.h"
#include "tests/label_app/main_frame_parts.h"

namespace qv {
namespace {

class LayoutWorkflowTest : public ::testing::Test {
  protected:
    LayoutWorkflowTest() {
        LabelDefinition& d = parts.document.definition();
        d = newLabelDefinition();
        d.dataFile.fieldNames = {"JAN", "NAME"};
        d.dataFile.fieldLengths = {13, 10};
        d.fields[0] = {-1, 0, kDefaultFaceName, 10, 0, 0, 8, 0, 0};  // a JAN field, not placed
        d.fields[1] = {10, 10, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
        d.literals[0] = {"PRICE,ＭＳ 明朝,0", 10, 0, 10, 20};
        frame = parts.makeFrame();
        frame->resize(1200, 800);
        frame->show();
        layout = frame->findChild<CBarLayoutView*>();
    }

    // The pixel `xMm` right of and `yMm` below the label's corner at 100 %.
    QPoint pixelAt(double xMm, double yMm) const {
        const double pixelsPerMm = layout->logicalDpiX() / 25.4;
        return QPoint(50 + qRound(xMm * pixelsPerMm), 180 + qRound(yMm * pixelsPerMm));
    }
    void dragOnLabel(QPoint from, QPoint to) {
        layout->grab();  // the hit rectangles come from the last drawing
        QTest::mousePress(layout, Qt::LeftButton, {}, from);
        QTest::mouseMove(layout, (from + to) / 2);
        QTest::mouseMove(layout, to);
        QTest::mouseRelease(layout, Qt::LeftButton, {}, to);
    }
    void press(QWidget& dialog, const char* button) {
        auto* found = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }
    QString status() const { return frame->statusBar()->currentMessage(); }

    test::MainFrameParts parts;
    std::unique_ptr<CMainFrame> frame;
    CBarLayoutView* layout = nullptr;
};

TEST_F(LayoutWorkflowTest, ADraggedFieldKeepsItsPositionWhenConfirmed) {
    test::triggerCommand(*frame, QStringLiteral("フィールドの配置"));
    auto* dialog = frame->findChild<FieldPlacementDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->selectField(1);
    dragOnLabel(pixelAt(12, 11), pixelAt(22, 16));  // about 10 mm right, 5 mm down
    const FieldPlacement& field = parts.document.definition().fields[1];
    const int draggedX = field.xMm;
    const int draggedY = field.yMm;
    EXPECT_GE(draggedX, 19);
    EXPECT_GE(draggedY, 14);
    EXPECT_EQ(dialog->form().xMm(), draggedX);
    EXPECT_EQ(dialog->form().yMm(), draggedY);
    press(*dialog, "confirmButton");
    EXPECT_EQ(field.xMm, draggedX);
    EXPECT_EQ(field.yMm, draggedY);
}

TEST_F(LayoutWorkflowTest, ADraggedLiteralKeepsItsPositionWhenModified) {
    test::triggerCommand(*frame, QStringLiteral("リテラル文字の配置"));
    auto* dialog = frame->findChild<LiteralDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QListWidget*>(QStringLiteral("literalList"))->setCurrentRow(0);
    dragOnLabel(pixelAt(10.8, 20.8), pixelAt(15.8, 10.8));  // about 5 mm right, 10 mm up
    const LiteralPlacement& literal = parts.document.definition().literals[0];
    const int draggedX = literal.xMm;
    const int draggedY = literal.yMm;
    EXPECT_GE(draggedX, 14);
    EXPECT_LE(draggedY, 11);
    EXPECT_EQ(dialog->form().x(), draggedX);
    EXPECT_EQ(dialog->form().y(), draggedY);
    press(*dialog, "modifyButton");
    EXPECT_EQ(literal.xMm, draggedX);
    EXPECT_EQ(literal.yMm, draggedY);
}

// The pending barcode is drawn where the measuring drag put it, without the inverted rectangle.
TEST_F(LayoutWorkflowTest, AMeasuredBarcodeIsDrawnAtOnceAndTheRubberRectangleGoes) {
    test::triggerCommand(*frame, QStringLiteral("フィールドの配置"));
    auto* dialog = frame->findChild<FieldPlacementDialog*>();
    dialog->selectField(0);
    dragOnLabel(pixelAt(4.5, 4.5), pixelAt(34.5, 19.5));
    EXPECT_EQ(dialog->form().barWidthMm(), 31);
    EXPECT_EQ(dialog->form().barHeightMm(), 15);
    EXPECT_FALSE(layout->rubberRectangleShown());
    QSignalSpy hits(layout, &CBarLayoutView::fieldHit);
    layout->grab();
    QTest::mouseClick(layout, Qt::RightButton, {}, pixelAt(20, 12));
    ASSERT_EQ(hits.count(), 1);
    EXPECT_EQ(hits.first().first().toInt(), 0);
    press(*dialog, "confirmButton");
    EXPECT_EQ(parts.document.definition().fields[0].xMm, 5);
    EXPECT_FALSE(layout->rubberRectangleShown());
}

TEST_F(LayoutWorkflowTest, PromptsOfDialogsBesideTheEditorLastUntilTheyClose) {
    test::triggerCommand(*frame, QStringLiteral("フィールドの配置"));
    EXPECT_EQ(status(), QStringLiteral("ファイル定義で設定されたフィールドを配置します。"));
    auto* dialog = frame->findChild<FieldPlacementDialog*>();
    press(*dialog, "exitButton");
    EXPECT_EQ(status(), QStringLiteral("Ready"));
    test::triggerCommand(*frame, QStringLiteral("ラベル内罫線の配置"));
    EXPECT_EQ(status(), QStringLiteral("開始と終了の点を指定してラベル内に罫線を設定します。"));
}

}  // namespace
}  // namespace qv
