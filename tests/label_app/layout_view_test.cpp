// The layout editor driven with the mouse: positions in millimetres, dragging, ruled lines.
#include "label/editor/widgets/layout_view.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "label/editor/forms/ruled_line_form.h"

namespace qv {
namespace {

class LayoutViewTest : public ::testing::Test {
  protected:
    LayoutViewTest() : document(messages), view(document, LayoutView{}) {
        LabelDefinition& d = document.definition();
        d.dataFile.fieldNames = {"NAME"};
        d.dataFile.fieldLengths[0] = 6;
        d.fields[0] = {10, 10, "Arial", 10, 0, 0, 0, 0, 0};
        view.resize(900, 700);
        view.show();
    }
    // The pixel of a point `xMm` right of and `yMm` below the label's corner at the view's zoom.
    QPoint pixelAt(double xMm, double yMm) const {
        const double pixelsPerMm = view.zoom() / 100.0 * view.logicalDpiX() / 25.4;
        return QPoint(50 + qRound(xMm * pixelsPerMm), 180 + qRound(yMm * pixelsPerMm));
    }
    QString lastStatus(QSignalSpy& spy) const { return spy.last().first().toString(); }

    RecordingMessageService messages;
    CQuorviDoc document;
    CBarLayoutView view;
};

TEST_F(LayoutViewTest, PointerPositionsInMillimetresAtEveryZoom) {
    QSignalSpy status(&view, &CBarLayoutView::statusMessage);
    for (int zoom : {50, 70, 100, 150, 200}) {
        view.setZoom(zoom);
        QTest::mouseMove(&view, pixelAt(3.5, 4.2));
        ASSERT_FALSE(status.isEmpty());
        EXPECT_EQ(lastStatus(status), QStringLiteral("位置  4 mm × 5 mm")) << zoom;
    }
    QTest::mouseMove(&view, pixelAt(60, 40));  // beyond the 45 x 30 mm label
    EXPECT_EQ(lastStatus(status), QStringLiteral("Ready"));
}

TEST_F(LayoutViewTest, FieldDraggedPastTheLeftEdgeLandsAtZero) {
    view.grab();  // the field's rectangle comes from drawing
    view.selectField(0);
    QSignalSpy moved(&view, &CBarLayoutView::fieldMoved);
    QTest::mousePress(&view, Qt::LeftButton, {}, pixelAt(11, 11));
    QTest::mouseMove(&view, pixelAt(-1.5, 12));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, pixelAt(-1.5, 12));
    EXPECT_FALSE(moved.isEmpty());
    EXPECT_EQ(document.definition().fields[0].xMm, 0);
    EXPECT_TRUE(document.isModified());
}

TEST_F(LayoutViewTest, RuledLineDrawnWithTheMouseIsStoredNegatedAndListed) {
    view.setMode(CBarLayoutView::Mode::Line);
    QSignalSpy drawn(&view, &CBarLayoutView::lineDrawn);
    QTest::mousePress(&view, Qt::LeftButton, {}, pixelAt(4.5, 4.5));
    QTest::mouseMove(&view, pixelAt(19.5, 4.5));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, pixelAt(19.5, 4.5));
    ASSERT_EQ(drawn.count(), 1);
    const RuledLine& line = document.definition().ruledLines[0];
    EXPECT_EQ(line.startX, 5);
    EXPECT_EQ(line.startY, -5);
    EXPECT_EQ(line.endX, 20);
    EXPECT_EQ(line.endY, -5);
    RuledLineForm form(document.definition(), messages);
    EXPECT_EQ(form.listLines()[0], "0...(5mm×5mm→20mm×5mm)");

    // Released outside the label, a line is discarded.
    QTest::mousePress(&view, Qt::LeftButton, {}, pixelAt(4.5, 4.5));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, pixelAt(200, 200));
    EXPECT_EQ(document.definition().ruledLines[1].startX, -1);
}

TEST_F(LayoutViewTest, ClickGivesThePositionToTheFieldDialog) {
    QSignalSpy picked(&view, &CBarLayoutView::positionPicked);
    QTest::mouseClick(&view, Qt::LeftButton, {}, pixelAt(7.5, 2.5));
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked.first().at(0).toInt(), 8);
    EXPECT_EQ(picked.first().at(1).toInt(), 3);
    EXPECT_EQ(document.definition().editorCursorXMm, 8);
}

// A rectangle drawn with the mouse goes to the bitmap dialog in 0.1 mm, normalised; a right
// click on a bitmap's area names that bitmap.
TEST_F(LayoutViewTest, RubberRectangleAndBitmapAreas) {
    qRegisterMetaType<LogicalRect>("LogicalRect");
    QSignalSpy rubber(&view, &CBarLayoutView::rubberRectangle);
    QTest::mousePress(&view, Qt::LeftButton, {}, pixelAt(30, 20));
    QTest::mouseMove(&view, pixelAt(5, 2));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, pixelAt(5, 2));
    ASSERT_EQ(rubber.count(), 1);
    // Within a pixel (about 0.26 mm at 96 dpi).
    const LogicalRect r = rubber.first().first().value<LogicalRect>();
    EXPECT_NEAR(r.left, 50, 4);
    EXPECT_NEAR(r.top, -20, 4);
    EXPECT_NEAR(r.right, 300, 4);
    EXPECT_NEAR(r.bottom, -200, 4);

    document.definition().bitmaps[1] = {"logo.bmp", 200, -100, 400, -250};
    view.grab();  // the areas come from drawing
    QSignalSpy hit(&view, &CBarLayoutView::bitmapHit);
    QTest::mouseClick(&view, Qt::RightButton, {}, pixelAt(30, 20));
    ASSERT_EQ(hit.count(), 1);
    EXPECT_EQ(hit.first().first().toInt(), 1);
    QTest::mouseClick(&view, Qt::RightButton, {}, pixelAt(10, 5));  // outside: no bitmap
    EXPECT_EQ(hit.count(), 1);
}

}  // namespace
}  // namespace qv
