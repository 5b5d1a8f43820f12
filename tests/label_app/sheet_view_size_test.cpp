// The sheet view is as large as what it draws, so a scroll reaches the paper's bottom and right
// edges at every form zoom and the three lines above the paper are never cut.
#include <QTest>

#include <gtest/gtest.h>

#include "label/app/quorvi_view.h"
#include "tests/label_app/main_frame_parts.h"

namespace qv {
namespace {

TEST(SheetViewSizeTest, CoversThePaperAndTheDescriptionAtEveryFormZoom) {
    test::MainFrameParts parts;
    parts.document.definition() = newLabelDefinition();
    CQuorviView view(parts.document, parts.settings, parts.clock);
    const double pixelsPerUnit = view.logicalDpiX() / 254.0;
    const SheetGeometry& sheet = parts.document.definition().sheet;
    for (int zoom = 2; zoom <= 7; ++zoom) {
        parts.settings.formZoom = zoom;
        view.resizeToSheet();
        view.grab();  // the description's width is measured while drawing
        view.resizeToSheet();
        const LogicalPoint origin = overviewOrigin(sheet.paperIndex);
        EXPECT_GT(view.height(), (zoom * sheet.paperHeightMm - origin.y) * pixelsPerUnit) << zoom;
        EXPECT_GT(view.width(), (origin.x + zoom * sheet.paperWidthMm) * pixelsPerUnit) << zoom;
        // The first line, "用紙サイズ     Ａ４よこ  (297mm  × 210mm) ", is about 35 characters.
        EXPECT_GT(view.width(), 200 * pixelsPerUnit + 30 * view.fontMetrics().averageCharWidth())
            << zoom;
    }
}

}  // namespace
}  // namespace qv
