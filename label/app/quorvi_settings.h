// The settings file of the label program (QUORVI32.INI): every key with its default, read at
// start and written back as the program does. Key names: label/print/quorvi_settings_keys.h.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/profile_file.h"
#include "common/text_encoding.h"
#include "common/window_rect.h"
#include "label/print/print_settings.h"
#include "label/print/printer_adjustment.h"

namespace qv {

struct QuorviSettings {
    int lastBarcodeKind = 0;            // "Code"
    int formZoom = 5;                   // "LComp", 1..10 (tenths)
    bool printDialogAtStartup = false;  // "HikiDirect"
    int barM32 = 2048;                  // "BarM32", kept as it is
    bool shortJanNotAligned = true;     // "Jan8cmp"
    bool trueTypeOnly = true;           // "FontType"
    bool directPrint = true;            // "DirectPrint"
    bool verifyBeforePrint = false;     // "Verify": barcodes read back before printing
    PrintSettings print;                // PB1, PB2, PageStyle, UFont, UBold and the Date keys
};

// The label program's settings file in the settings folder. Opened once at the start of the
// desktop program, which hands it to its windows and dialogs, and by the windowless commands.
ProfileFile quorviSettingsFile();

// Step 3 of the start: "Code", "LComp" (a value outside 1..10 becomes 5, written back at once)
// and "HikiDirect".
void readStartSettings(ProfileFile& file, QuorviSettings& settings);

// Step 8 of the start: the remaining keys are read and written back, so the file soon holds them
// all.
void readRemainingSettings(ProfileFile& file, QuorviSettings& settings);

// At exit: "LComp" and "Code"; when the main window closes: "HikiDirect". False when the file
// could not be written (ProfileFile::lastError says why); the old file is then unchanged.
bool writeExitSettings(ProfileFile& file, const QuorviSettings& settings);
bool writeMainWindowSettings(ProfileFile& file, const QuorviSettings& settings);
// When the check box 印刷前に検査 changes: "Verify"; when their menu switches change:
// "DirectPrint" and "FontType".
bool writeVerifySetting(ProfileFile& file, const QuorviSettings& settings);
bool writeDirectPrintSetting(ProfileFile& file, const QuorviSettings& settings);
bool writeTrueTypeOnlySetting(ProfileFile& file, const QuorviSettings& settings);

// The main window's place and bars, section "Window size". Right and bottom of `rect` are one
// past the window. "icon" is written for other readers of the file; the window does not read it.
struct QuorviPlacement {
    WindowRect rect;         // "Rect"
    bool minimised = false;  // "icon"
    bool maximised = false;  // "max"
    bool toolbar = true;     // "tool"
    bool statusBar = true;   // "status"
};

QuorviPlacement readWindowPlacement(const ProfileFile& file);
// Every key is tried; false when one could not be written.
bool writeWindowPlacement(ProfileFile& file, const QuorviPlacement& placement);

// "Bitmap Strch": the bitmap dialog previews its images stretched to their frames.
bool readBitmapFit(const ProfileFile& file);
bool writeBitmapFit(ProfileFile& file, bool fit);

// The encoding chosen for the data file of the definition at `definitionPath` (section
// "Data Encoding": "File1" ... with the path and "Code1" ... with auto, sjis or utf8, for the
// kMostDataEncodings definitions chosen last); Auto for a definition without a choice.
constexpr int kMostDataEncodings = 30;
EncodingChoice readDataEncoding(const ProfileFile& file, const std::string& definitionPath);
// Keeps the choice; an Auto choice frees the definition's entry. False when the file could not
// be written.
bool writeDataEncoding(ProfileFile& file, const std::string& definitionPath, EncodingChoice choice);
const char* encodingChoiceKeyword(EncodingChoice choice);

// How a print finds the adjustment of the printer it goes to: read from `file` when it is asked,
// the offset replaced by `offset` when one is given for the run.
std::function<PrinterAdjustment(const std::string&)> printerAdjustmentsOf(
    const ProfileFile& file, const std::optional<PrinterOffset>& offset = std::nullopt);

}  // namespace qv
