#include "label/app/quorvi_settings.h"

#include <filesystem>

#include "common/text_format.h"

namespace qv {

namespace {

const char* const kRecentUse = "Recent Use";
constexpr int kDefaultFormZoom = 5;

bool readFlag(ProfileFile& file, const char* key, bool fallback) {
    return file.readInt(kRecentUse, key, fallback ? 1 : 0) != 0;
}

}  // namespace

ProfileFile quorviSettingsFile() {
    return ProfileFile(settingsPath("QUORVI32.INI"));
}

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

namespace {

const char* const kDataEncoding = "Data Encoding";

std::string fileKey(int k) {
    return "File" + std::to_string(k);
}
std::string codeKey(int k) {
    return "Code" + std::to_string(k);
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
