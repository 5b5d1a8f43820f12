// The program settings that printing reads from the settings file, section "Recent Use" and
// "Date": the sub-title brackets, the page numbering style, the font of the text under the bars
// and the date settings of the text macros.
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

}  // namespace qv
