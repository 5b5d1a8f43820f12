// The font the data editor's grid and field-name bar are drawn with.
#pragma once

#include <QFont>
#include <string>

#include "editor/model/rowsmith_fonts.h"

namespace qv {

// `faceUtf8` at `pointSize` points on a screen of `dpiY` dots per inch down: a pixel size of
// size x dpi / 72, rounded. "System" is the desktop's own UI font; stored Windows faces map to
// the installed fonts as in the label program.
QFont screenFont(const std::string& faceUtf8, int pointSize, int dpiY);

inline QFont screenFont(const RowsmithFonts& fonts, int dpiY) {
    return screenFont(fonts.screenFace, fonts.screenSize, dpiY);
}

}  // namespace qv
