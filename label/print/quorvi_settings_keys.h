// The names in the label program's settings file: the file itself, its sections and their keys.
// What a key holds and how it is written: print_settings.h for what printing and the core forms
// keep, label/app/quorvi_settings.h for the rest. The recent file list is shared with the data
// editor (common/recent_files.h).
#pragma once

namespace qv::quorvi_keys {

inline constexpr const char* kFileName = "QUORVI32.INI";

inline constexpr const char* kRecentUse = "Recent Use";
inline constexpr const char* kLastBarcodeKind = "Code";
inline constexpr const char* kFormZoom = "LComp";
inline constexpr const char* kPrintDialogAtStartup = "HikiDirect";
inline constexpr const char* kBarM32 = "BarM32";
inline constexpr const char* kShortJanNotAligned = "Jan8cmp";
inline constexpr const char* kTrueTypeOnly = "FontType";
inline constexpr const char* kDirectPrint = "DirectPrint";
inline constexpr const char* kVerifyBeforePrint = "Verify";
inline constexpr const char* kBitmapFit = "Bitmap Strch";
inline constexpr const char* kSubtitleOpen = "PB1";
inline constexpr const char* kSubtitleClose = "PB2";
inline constexpr const char* kPageStyle = "PageStyle";
inline constexpr const char* kBarTextFace = "UFont";
inline constexpr const char* kBarTextBold = "UBold";

inline constexpr const char* kDate = "Date";
inline constexpr const char* kDateSeparator = "DSepr";
inline constexpr const char* kEraName = "Nengo";
inline constexpr const char* kEraOffset = "NenGap";

inline constexpr const char* kWindowSize = "Window size";
inline constexpr const char* kWindowRect = "Rect";
inline constexpr const char* kMinimised = "icon";
inline constexpr const char* kMaximised = "max";
inline constexpr const char* kToolbar = "tool";
inline constexpr const char* kStatusBar = "status";

inline constexpr const char* kDataEncoding = "Data Encoding";
inline constexpr const char* kDataFilePrefix = "File";      // "File1" ...: a definition's path
inline constexpr const char* kEncodingCodePrefix = "Code";  // "Code1" ...: auto, sjis or utf8

inline constexpr const char* kPrinterSectionPrefix = "Printer ";  // then the printer's name
inline constexpr const char* kOffsetX = "OffsetX";
inline constexpr const char* kOffsetY = "OffsetY";
inline constexpr const char* kWholeDots = "WholeDots";
inline constexpr const char* kBarReduction = "BarReduction";

}  // namespace qv::quorvi_keys
