// The data editor's two fonts and the font picker's filters, as the settings file keeps them.
//
// The grid and field-name bar are drawn with the screen font, printed tables with the print font.
// Faces are UTF-8 here and Shift-JIS in the settings file ("ROWSMITH.INI", section "FONTS").
#pragma once

#include <string>

#include "common/profile_file.h"

namespace qv {

struct RowsmithFonts {
    std::string printFace = "ＭＳ 明朝";  // UTF-8
    int printSize = 12;                   // points
    std::string screenFace = "System";    // UTF-8
    int screenSize = 12;                  // points
    bool trueTypeOnly = false;            // the picker offers outline fonts only
    bool japaneseOnly = false;            // the picker offers Japanese fonts only

    bool operator==(const RowsmithFonts& other) const;
    bool operator!=(const RowsmithFonts& other) const { return !(*this == other); }
};

// The largest point size the picker accepts; a stored size outside 1 to this reads as 12.
constexpr int kMaxRowsmithFontSize = 999;

// The six keys of "FONTS". A missing key, an empty face or a size out of range reads as its
// default, so a damaged file still gives fonts that can be drawn.
RowsmithFonts readRowsmithFonts(const ProfileFile& settings);

// Writes all six keys; false (with settings.lastError()) when the file could not be written.
bool writeRowsmithFonts(ProfileFile& settings, const RowsmithFonts& fonts);

// Writes only "TrueType" and "Nihongo", as the font dialog's OK does; the faces and sizes are
// written at exit.
bool writeFontFilters(ProfileFile& settings, const RowsmithFonts& fonts);

}  // namespace qv
