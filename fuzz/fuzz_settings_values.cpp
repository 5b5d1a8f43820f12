// Settings values as the programs use them: any bytes as a settings file, read by the label
// program's start (which writes its keys back) and the data editor's settings and fonts, and
// every value used: dates formatted with the date settings, the page texts drawn with the
// sub-title brackets and page style, the window rectangle taken apart, the fonts set up. What the
// label program writes back reads back the same, and so do the data editor's fonts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "common/profile_file.h"
#include "common/recent_files.h"
#include "common/window_rect.h"
#include "editor/model/rowsmith_fonts.h"
#include "editor/model/rowsmith_settings.h"
#include "fuzz/fuzz_temp_file.h"
#include "label/app/quorvi_settings.h"
#include "label/barcode/barcode_drawer.h"
#include "label/definition/text_macros.h"
#include "label/print/font_template.h"
#include "label/print/page_texts.h"
#include "tests/support/recording_surface.h"

namespace {

bool sameSettings(const qv::QuorviSettings& a, const qv::QuorviSettings& b) {
    return a.lastBarcodeKind == b.lastBarcodeKind && a.formZoom == b.formZoom &&
           a.printDialogAtStartup == b.printDialogAtStartup && a.barM32 == b.barM32 &&
           a.shortJanNotAligned == b.shortJanNotAligned && a.trueTypeOnly == b.trueTypeOnly &&
           a.directPrint == b.directPrint && a.print.subtitleOpen == b.print.subtitleOpen &&
           a.print.subtitleClose == b.print.subtitleClose &&
           a.print.pageStyle == b.print.pageStyle && a.print.barTextFace == b.print.barTextFace &&
           a.print.barTextBold == b.print.barTextBold &&
           a.print.date.separator == b.print.date.separator &&
           a.print.date.eraName == b.print.date.eraName &&
           a.print.date.eraOffset == b.print.date.eraOffset;
}

void usePrintSettings(const qv::PrintSettings& print) {
    qv::MacroTimestamp time;
    (void)qv::parseTimestamp("2026-12-08 09:05:03", time);
    for (const qv::MacroPickerEntry& entry : qv::macroPickerEntries(time, print.date)) {
        (void)entry;
    }
    qv::LabelDefinition definition = qv::newLabelDefinition();
    definition.titleText = "T";
    definition.fields[0] = {2, 2, "", 10, 30, 10, 8 | 1, 0, 0};
    qv::RecordingSurface surface;
    qv::PageNumbering numbering;
    numbering.page = 3;
    numbering.groupPage = 2;
    numbering.pageBreakActive = true;
    numbering.subtitle = print.subtitleOpen + "A" + print.subtitleClose;
    qv::drawTitle(surface, definition, qv::PagePlacement{}, numbering.subtitle);
    qv::drawPageNumber(surface, definition, qv::PagePlacement{}, numbering, print.pageStyle);
    qv::drawOutputDate(surface, definition, qv::PagePlacement{}, time);
    const qv::BarcodeTextFont barFont{print.barTextFace, print.barTextBold};
    qv::drawBarcodeField(surface, definition, 0, "4912345100108", 0, 0, barFont);
}

// The rectangle as both programs take it apart and place the window by it: a placement lies on
// a plausible desktop; a rectangle of four-digit values is written and read back unchanged.
void useWindowRect(const std::string& text) {
    const qv::WindowRect r = qv::parseWindowRect(text);
    if (const std::optional<qv::WindowPlacement> placed = qv::placementOf(r)) {
        if (placed->width <= 0 || placed->height <= 0) __builtin_trap();
    }
    auto fits = [](int v) { return v >= -999 && v <= 9999; };
    if (fits(r.left) && fits(r.top) && fits(r.right) && fits(r.bottom)) {
        const qv::WindowRect again = qv::parseWindowRect(qv::formatWindowRect(r));
        if (again.left != r.left || again.top != r.top || again.right != r.right ||
            again.bottom != r.bottom) {
            __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzz::writeInput(bytes, "SETTINGS.INI");
    qv::ProfileFile file(path);

    // The label program's start: both steps write keys back; reading again gives the same.
    qv::QuorviSettings settings;
    qv::readStartSettings(file, settings);
    qv::readRemainingSettings(file, settings);
    qv::QuorviSettings again;
    qv::readStartSettings(file, again);
    qv::readRemainingSettings(file, again);
    if (!sameSettings(settings, again)) __builtin_trap();
    usePrintSettings(settings.print);
    useWindowRect(file.readString("Window size", "Rect", ""));
    (void)qv::readRecentFiles(file, 4);

    const qv::RowsmithSettings rowsmith = qv::readRowsmithSettings(file);
    if (rowsmith.placement.hasRect) {
        useWindowRect(qv::formatWindowRect(rowsmith.placement.rect));
    }
    const qv::RowsmithFonts fonts = qv::readRowsmithFonts(file);
    for (const std::string& face : {fonts.printFace, fonts.screenFace}) {
        qv::FontSpec font = qv::fontTemplate();
        qv::setFaceAndHeight(font, face, qv::pointsAtScale(fonts.printSize, 10));
    }
    if (qv::writeRowsmithFonts(file, fonts) && qv::readRowsmithFonts(file) != fonts) {
        __builtin_trap();
    }
    std::remove(path.c_str());
    return 0;
}
