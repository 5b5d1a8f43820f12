// The program settings that printing and the core forms keep in the settings file, sections
// "Recent Use" and "Date": the sub-title brackets, the page numbering style, the font of the text
// under the bars, the TrueType switch of the font pickers and the date settings of the text
// macros. Key names: quorvi_settings_keys.h.
#pragma once

#include <string>

#include "label/definition/text_macros.h"

namespace qv {

class ProfileFile;

enum class PageStyle {
    PerGroup = 0,           // "改頁毎": the page number counts within each page group
    PerGroupAndRunning = 1  // "改頁毎と通し": group page and running page
};

struct PrintSettings {
    std::string subtitleOpen;   // "PB1", Shift-JIS; "＜" by default
    std::string subtitleClose;  // "PB2"; "＞" by default
    PageStyle pageStyle = PageStyle::PerGroup;
    std::string barTextFace = "Arial";  // "UFont"
    bool barTextBold = false;           // "UBold"
    DateSettings date;

    PrintSettings();
};

PrintSettings readPrintSettings(const ProfileFile& settings);

// "PB1", "PB2" and "PageStyle". Every key is tried even after a failure; false when one could not
// be written (the profile file tells why).
bool writePageBreakSettings(ProfileFile& settings, const std::string& subtitleOpen,
                            const std::string& subtitleClose, PageStyle pageStyle);

// "UFont" (Shift-JIS) and "UBold"; every key is tried, false when one could not be written.
bool writeBarTextFont(ProfileFile& settings, const std::string& faceSjis, bool bold);

// "FontType": font pickers offer TrueType faces only; on by default.
bool readTrueTypeOnly(const ProfileFile& settings);

// A switch of section "Recent Use", kept as 1 or 0.
bool readRecentUseFlag(const ProfileFile& settings, const char* key, bool fallback);
bool writeRecentUseFlag(ProfileFile& settings, const char* key, bool on);

DateSettings readDateSettings(const ProfileFile& settings);

// Writes the three keys of section "Date"; false when a write failed (the profile file tells
// why).
bool writeDateSettings(ProfileFile& settings, const DateSettings& date);

}  // namespace qv
