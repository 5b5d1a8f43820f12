#include "label/print/printer_media.h"

#include <string>

#include "label/definition/tenths_of_mm.h"
namespace qv {

namespace {

struct FixedMedia {
    int paperCode;
    const char* keyword;
    int widthMm;
    int heightMm;
};

constexpr FixedMedia kFixedMedia[] = {
    {kPaperCodeA3, "iso_a3_297x420mm", 297, 420},
    {kPaperCodeA4, "iso_a4_210x297mm", 210, 297},
    {kPaperCodeB4, "jis_b4_257x364mm", 257, 364},
    {kPaperCodeB5, "jis_b5_182x257mm", 182, 257},
};

// "Custom.100x50mm": a free size is whole millimetres.
std::string customKeyword(int widthTenths, int lengthTenths) {
    return "Custom." + std::to_string(widthTenths / kTenthsPerMm) + "x" +
           std::to_string(lengthTenths / kTenthsPerMm) + "mm";
}

}  // namespace

PrinterMedia printerMedia(const PrinterPaper& paper) {
    PrinterMedia media;
    media.landscape = paper.orientation == Orientation::Landscape;
    for (const FixedMedia& fixed : kFixedMedia) {
        if (fixed.paperCode != paper.paperCode) continue;
        media.keyword = fixed.keyword;
        media.widthMm = fixed.widthMm;
        media.heightMm = fixed.heightMm;
        return media;
    }
    if (paper.customWidth > 0 && paper.customLength > 0) {
        media.keyword = customKeyword(paper.customWidth, paper.customLength);
        media.widthMm = mmFromTenths(paper.customWidth);
        media.heightMm = mmFromTenths(paper.customLength);
    }
    return media;
}

}  // namespace qv
