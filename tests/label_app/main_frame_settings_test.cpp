// What the main window leaves in the settings file between sessions: the same window rectangle
// session after session, and the barcode kind last chosen.
#include <gtest/gtest.h>

#include "label/app/main_frame.h"
#include "tests/label_app/widget_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class MainFrameSettingsTest : public ::testing::Test {
  protected:
    // One session: the window placed from the file, then closed.
    void session(int barcodeKind = 0) {
        CQuorviDoc document{messages};
        document.definition().lastBarcodeKind = barcodeKind;
        CMainFrame frame(document, settings, settingsFile, clock, messages);
        frame.restorePlacement();
        frame.show();
        frame.close();
    }

    test::TempFolder folder;
    RecordingMessageService messages;
    ProfileFile settingsFile{folder.file("QUORVI32.INI")};
    QuorviSettings settings;
    MacroClock clock;
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
