#include "label/app/quorvi_settings.h"

#include "common/text_format.h"

namespace qv {

namespace {

const char* const kRecentUse = "Recent Use";
constexpr int kDefaultFormZoom = 5;

bool readFlag(ProfileFile& file, const char* key, bool fallback) {
    return file.readInt(kRecentUse, key, fallback ? 1 : 0) != 0;
}

}  // namespace

void readStartSettings(ProfileFile& file, QuorviSettings& s) {
    s.lastBarcodeKind = file.readInt(kRecentUse, "Code", 0);
    s.formZoom = file.readInt(kRecentUse, "LComp", kDefaultFormZoom);
    if (s.formZoom < 1 || s.formZoom > 10) s.formZoom = kDefaultFormZoom;
    file.writeInt(kRecentUse, "LComp", s.formZoom);
    s.printDialogAtStartup = readFlag(file, "HikiDirect", false);
}

void readRemainingSettings(ProfileFile& file, QuorviSettings& s) {
    s.barM32 = file.readInt(kRecentUse, "BarM32", 2048);
    s.shortJanNotAligned = readFlag(file, "Jan8cmp", true);
    s.trueTypeOnly = readFlag(file, "FontType", true);
    s.directPrint = readFlag(file, "DirectPrint", true);
    s.verifyBeforePrint = readFlag(file, "Verify", false);
    s.print = readPrintSettings(file);
    file.writeInt(kRecentUse, "BarM32", s.barM32);
    file.writeString(kRecentUse, "UFont", s.print.barTextFace);
    file.writeInt(kRecentUse, "UBold", s.print.barTextBold ? 1 : 0);
    file.writeInt(kRecentUse, "Jan8cmp", s.shortJanNotAligned ? 1 : 0);
    writeDateSettings(file, s.print.date);
    file.writeString(kRecentUse, "PB1", s.print.subtitleOpen);
    file.writeString(kRecentUse, "PB2", s.print.subtitleClose);
    file.writeInt(kRecentUse, "PageStyle", static_cast<int>(s.print.pageStyle));
    file.writeInt(kRecentUse, "FontType", s.trueTypeOnly ? 1 : 0);
    file.writeInt(kRecentUse, "DirectPrint", s.directPrint ? 1 : 0);
    writeVerifySetting(file, s);
}

bool writeExitSettings(ProfileFile& file, const QuorviSettings& s) {
    const bool zoom = file.writeInt(kRecentUse, "LComp", s.formZoom);
    return file.writeInt(kRecentUse, "Code", s.lastBarcodeKind) && zoom;
}

bool writeVerifySetting(ProfileFile& file, const QuorviSettings& s) {
    return file.writeInt(kRecentUse, "Verify", s.verifyBeforePrint ? 1 : 0);
}

bool writeMainWindowSettings(ProfileFile& file, const QuorviSettings& s) {
    return file.writeInt(kRecentUse, "HikiDirect", s.printDialogAtStartup ? 1 : 0);
}

std::function<PrinterAdjustment(const std::string&)> printerAdjustmentsOf(
    const ProfileFile& file, const std::optional<PrinterOffset>& offset) {
    return [file, offset](const std::string& printer) {
        PrinterAdjustment adjustment = readPrinterAdjustment(file, printer);
        if (offset) {
            adjustment.offsetXTenths = offset->xTenths;
            adjustment.offsetYTenths = offset->yTenths;
        }
        return adjustment;
    };
}

}  // namespace qv
