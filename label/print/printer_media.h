// The media a print job asks of the printer for a paper set-up, and the page it composes.
#pragma once

#include <string>

#include "label/print/sheet_geometry.h"

namespace qv {

struct PrinterMedia {
    // The print service's media keyword: a self-describing PWG name ("jis_b5_182x257mm") for
    // the fixed papers, "Custom.WxHmm" for a free size; empty to leave the printer's paper as
    // it is (a free size of 0 x 0).
    std::string keyword;
    // The sheet in the portrait position, in mm; 0 x 0 with an empty keyword.
    double widthMm = 0;
    double heightMm = 0;
    bool landscape = false;
};

// The media of a printer set-up: the paper code's size (JIS B for B4 and B5), or the custom
// size in 0.1 mm; the orientation as set up.
PrinterMedia printerMedia(const PrinterPaper& paper);

}  // namespace qv
