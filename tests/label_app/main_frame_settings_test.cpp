// What the main window leaves in the settings file between sessions: the same window rectangle
// session after session, and the barcode kind last chosen.
#include <gtest/gtest.h>

#include "tests/label_app/main_frame_parts.h"

namespace qv {
namespace {

class MainFrameSettingsTest : public ::testing::Test, protected test::MainFrameParts {
  protected:
    // One session: the window placed from the file, then closed.
    void session(int barcodeKind = 0) {
        document.definition().lastBarcodeKind = barcodeKind;
        const std::unique_ptr<CMainFrame> frame = makeFrame();
        frame->restorePlacement();
        frame->show();
        frame->close();
    }
};

TEST_F(MainFrameSettingsTest, TheWindowRectangleStaysTheSame) {
    ASSERT_TRUE(settingsFile.writeString("Window size", "Rect", "0100 0080 0900 0680"));
    session();
    EXPECT_EQ(settingsFile.readString("Window size", "Rect", ""), "0100 0080 0900 0680");
    session();
    EXPECT_EQ(settingsFile.readString("Window size", "Rect", ""), "0100 0080 0900 0680");
}

TEST_F(MainFrameSettingsTest, TheChosenBarcodeKindIsKept) {
    session(3);
    EXPECT_EQ(settings.lastBarcodeKind, 3);
}

}  // namespace
}  // namespace qv
