#include "label/app/quorvi_settings.h"

#include <filesystem>

#include "common/text_format.h"
#include "label/print/quorvi_settings_keys.h"

namespace qv {

namespace {

using namespace quorvi_keys;

constexpr int kDefaultFormZoom = 5;

}  // namespace

ProfileFile quorviSettingsFile() {
    return ProfileFile(settingsPath(kFileName));
}

void readStartSettings(ProfileFile& file, QuorviSettings& s) {
    s.lastBarcodeKind = file.readInt(kRecentUse, kLastBarcodeKind, 0);
    s.formZoom = file.readInt(kRecentUse, kFormZoom, kDefaultFormZoom);
    if (s.formZoom < 1 || s.formZoom > 10) s.formZoom = kDefaultFormZoom;
    file.writeInt(kRecentUse, kFormZoom, s.formZoom);
    s.printDialogAtStartup = readRecentUseFlag(file, kPrintDialogAtStartup, false);
}

void readRemainingSettings(ProfileFile& file, QuorviSettings& s) {
    s.barM32 = file.readInt(kRecentUse, kBarM32, 2048);
    s.shortJanNotAligned = readRecentUseFlag(file, kShortJanNotAligned, true);
    s.trueTypeOnly = readTrueTypeOnly(file);
    s.directPrint = readRecentUseFlag(file, kDirectPrint, true);
    s.verifyBeforePrint = readRecentUseFlag(file, kVerifyBeforePrint, false);
    s.print = readPrintSettings(file);
    file.writeInt(kRecentUse, kBarM32, s.barM32);
    writeBarTextFont(file, s.print.barTextFace, s.print.barTextBold);
    writeRecentUseFlag(file, kShortJanNotAligned, s.shortJanNotAligned);
    writeDateSettings(file, s.print.date);
    writePageBreakSettings(file, s.print.subtitleOpen, s.print.subtitleClose, s.print.pageStyle);
    writeRecentUseFlag(file, kTrueTypeOnly, s.trueTypeOnly);
    writeRecentUseFlag(file, kDirectPrint, s.directPrint);
    writeVerifySetting(file, s);
}

bool writeExitSettings(ProfileFile& file, const QuorviSettings& s) {
    const bool zoom = file.writeInt(kRecentUse, kFormZoom, s.formZoom);
    return file.writeInt(kRecentUse, kLastBarcodeKind, s.lastBarcodeKind) && zoom;
}

bool writeVerifySetting(ProfileFile& file, const QuorviSettings& s) {
    return writeRecentUseFlag(file, kVerifyBeforePrint, s.verifyBeforePrint);
}

bool writeMainWindowSettings(ProfileFile& file, const QuorviSettings& s) {
    return writeRecentUseFlag(file, kPrintDialogAtStartup, s.printDialogAtStartup);
}

bool writeDirectPrintSetting(ProfileFile& file, const QuorviSettings& s) {
    return writeRecentUseFlag(file, kDirectPrint, s.directPrint);
}

bool writeTrueTypeOnlySetting(ProfileFile& file, const QuorviSettings& s) {
    return writeRecentUseFlag(file, kTrueTypeOnly, s.trueTypeOnly);
}

QuorviPlacement readWindowPlacement(const ProfileFile& file) {
    QuorviPlacement p;
    p.rect = parseWindowRect(file.readString(kWindowSize, kWindowRect, ""));
    p.toolbar = file.readInt(kWindowSize, kToolbar, 1) != 0;
    p.statusBar = file.readInt(kWindowSize, kStatusBar, 1) != 0;
    p.maximised = file.readInt(kWindowSize, kMaximised, 0) == 1;
    return p;
}

bool writeWindowPlacement(ProfileFile& file, const QuorviPlacement& p) {
    bool written = file.writeString(kWindowSize, kWindowRect, formatWindowRect(p.rect));
    written = file.writeInt(kWindowSize, kMinimised, p.minimised ? 1 : 0) && written;
    written = file.writeInt(kWindowSize, kMaximised, p.maximised ? 1 : 0) && written;
    written = file.writeInt(kWindowSize, kToolbar, p.toolbar ? 1 : 0) && written;
    return file.writeInt(kWindowSize, kStatusBar, p.statusBar ? 1 : 0) && written;
}

bool readBitmapFit(const ProfileFile& file) {
    return file.readInt(kRecentUse, kBitmapFit, 0) == 1;
}

bool writeBitmapFit(ProfileFile& file, bool fit) {
    return writeRecentUseFlag(file, kBitmapFit, fit);
}

namespace {

std::string fileKey(int k) {
    return kDataFilePrefix + std::to_string(k);
}
std::string codeKey(int k) {
    return kEncodingCodePrefix + std::to_string(k);
}

// A definition is known by its absolute path, however it was named when it was opened.
std::string definitionKey(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// The entry (from 1) that holds `path`; 0 when none does.
int entryOf(const ProfileFile& file, const std::string& path) {
    for (int k = 1; k <= kMostDataEncodings; ++k) {
        if (file.readString(kDataEncoding, fileKey(k), "") == path) return k;
    }
    return 0;
}

}  // namespace

const char* encodingChoiceKeyword(EncodingChoice choice) {
    switch (choice) {
        case EncodingChoice::ShiftJis:
            return "sjis";
        case EncodingChoice::Utf8:
            return "utf8";
        case EncodingChoice::Auto:
            break;
    }
    return "auto";
}

EncodingChoice readDataEncoding(const ProfileFile& file, const std::string& definitionPath) {
    if (definitionPath.empty()) return EncodingChoice::Auto;
    const int k = entryOf(file, definitionKey(definitionPath));
    if (k == 0) return EncodingChoice::Auto;
    return parseEncodingChoice(file.readString(kDataEncoding, codeKey(k), "auto"))
        .value_or(EncodingChoice::Auto);
}

bool writeDataEncoding(ProfileFile& file, const std::string& definitionPath,
                       EncodingChoice choice) {
    if (definitionPath.empty()) return true;
    const std::string key = definitionKey(definitionPath);
    int k = entryOf(file, key);
    if (k == 0 && choice == EncodingChoice::Auto) return true;
    if (k == 0) k = entryOf(file, "");
    if (k == 0) {
        // Every entry is taken: the first goes, the others move up.
        for (int m = 1; m < kMostDataEncodings; ++m) {
            if (!file.writeString(kDataEncoding, fileKey(m),
                                  file.readString(kDataEncoding, fileKey(m + 1), "")) ||
                !file.writeString(kDataEncoding, codeKey(m),
                                  file.readString(kDataEncoding, codeKey(m + 1), "auto")))
                return false;
        }
        k = kMostDataEncodings;
    }
    const bool freed = choice == EncodingChoice::Auto;
    return file.writeString(kDataEncoding, fileKey(k), freed ? "" : key) &&
           file.writeString(kDataEncoding, codeKey(k), encodingChoiceKeyword(choice));
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
