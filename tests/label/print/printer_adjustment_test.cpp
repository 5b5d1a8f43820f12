// A printer's offset and barcode settings in the settings file, typed offsets, the dialog's
// rules, and the calibration sheet's marks.
#include "label/print/printer_adjustment.h"

#include <gtest/gtest.h>

#include "common/message_service.h"
#include "common/profile_file.h"
#include "label/print/calibration_sheet.h"
#include "label/print/printer_adjustments_form.h"
#include "tests/support/recording_surface.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

TEST(PrinterAdjustmentTest, OffsetsAreMillimetresWithOneDecimal) {
    EXPECT_EQ(parseOffsetMm("1.5"), 15);
    EXPECT_EQ(parseOffsetMm("-0.8"), -8);
    EXPECT_EQ(parseOffsetMm("+2"), 20);
    EXPECT_EQ(parseOffsetMm("-20.0"), -200);
    for (const char* bad : {"", "-", ".5", "1.", "1.25", "20.1", "1,5", "1 ", "x", "99999999999"}) {
        EXPECT_FALSE(parseOffsetMm(bad)) << bad;
    }
    EXPECT_EQ(offsetMmText(15), "+1.5");
    EXPECT_EQ(offsetMmText(-8), "-0.8");
    EXPECT_EQ(offsetMmText(0), "0.0");
    const std::optional<PrinterOffset> pair = parseOffsetPair("1.2,-0.5");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->xTenths, 12);
    EXPECT_EQ(pair->yTenths, -5);
    EXPECT_FALSE(parseOffsetPair("1.2"));
    EXPECT_FALSE(parseOffsetPair("1.2,-0.5,3"));
}

TEST(PrinterAdjustmentTest, EachPrinterKeepsItsOwnSectionAndBadValuesReadAsNone) {
    test::TempFolder folder;
    ProfileFile file(folder.file("QUORVI32.INI"));
    ASSERT_TRUE(writePrinterAdjustment(file, "thermal", {12, -5, true, 2}));
    EXPECT_EQ(readPrinterAdjustment(file, "thermal"), (PrinterAdjustment{12, -5, true, 2}));
    EXPECT_EQ(readPrinterAdjustment(file, "office"), PrinterAdjustment());
    EXPECT_FALSE(writePrinterAdjustment(file, "bad]name", {1, 1, false, 0}));
    ASSERT_TRUE(file.writeInt("Printer office", "OffsetX", 999));
    ASSERT_TRUE(file.writeInt("Printer office", "BarReduction", -1));
    ASSERT_TRUE(file.writeInt("Printer office", "OffsetY", -7));
    EXPECT_EQ(readPrinterAdjustment(file, "office"), (PrinterAdjustment{0, -7, false, 0}));
}

TEST(PrinterAdjustmentsFormTest, ABadOffsetIsToldAndNothingIsWritten) {
    test::TempFolder folder;
    ProfileFile file(folder.file("QUORVI32.INI"));
    ASSERT_TRUE(writePrinterAdjustment(file, "office", {3, 0, false, 0}));
    RecordingMessageService messages;
    PrinterAdjustmentsForm form({"thermal", "office"}, file, messages);
    ASSERT_EQ(form.rows().size(), 2u);
    EXPECT_EQ(form.rows()[1].offsetX, "+0.3");
    form.setRow(0, {"", "1.5", "-0.5", true, 1});
    form.setRow(1, {"", "2.55", "0", false, 0});
    EXPECT_FALSE(form.accept());
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("「office」のオフセット X「2.55」"), std::string::npos);
    EXPECT_EQ(readPrinterAdjustment(file, "thermal"), PrinterAdjustment());

    form.setRow(1, {"", "0.3", "0", false, 0});
    EXPECT_TRUE(form.accept());
    EXPECT_EQ(readPrinterAdjustment(file, "thermal"), (PrinterAdjustment{15, -5, true, 1}));
    EXPECT_EQ(readPrinterAdjustment(file, "office"), (PrinterAdjustment{3, 0, false, 0}));
}

// The crosshairs lie 10 mm from both edges of each corner; the tick numbered 0 of each scale
// lies on the designed edge, and +2 two millimetres inside the left edge.
TEST(CalibrationSheetTest, MarksLieAtTheirDistancesFromTheEdges) {
    RecordingSurface surface;
    drawCalibrationSheet(surface, {50, 30, "thermal", {12, -5}});
    const std::vector<std::string>& calls = surface.calls();
    auto has = [&calls](const std::string& line) {
        return std::find(calls.begin(), calls.end(), line) != calls.end();
    };
    for (const char* arm : {"moveTo 60 -100", "moveTo 100 -60", "moveTo 360 -100", "moveTo 60 -200",
                            "moveTo 400 -160"}) {
        EXPECT_TRUE(has(arm)) << arm;
    }
    EXPECT_TRUE(has("moveTo 0 -120"));  // the 0 tick of the left scale, 3 mm long
    EXPECT_TRUE(has("moveTo 20 -120"));
    const std::vector<std::string> numbers = surface.callsStartingWith("textInRect");
    auto numbered = [&numbers](const std::string& rect, const std::string& text) {
        for (const std::string& n : numbers) {
            if (n.find(rect) != std::string::npos && n.size() >= text.size() &&
                n.compare(n.size() - text.size(), text.size(), text) == 0) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(numbered("-16 -154 16 -170", " 0"));
    EXPECT_TRUE(numbered("4 -154 36 -170", " 2"));
    bool caption = false;
    for (const std::string& n : numbers) {
        caption = caption || n.find("オフセット X +1.2 mm  Y -0.5 mm") != std::string::npos;
    }
    EXPECT_TRUE(caption);
}

}  // namespace
}  // namespace qv
