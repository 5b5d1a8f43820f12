#include "label/print/font_template.h"

#include "common/sjis_text.h"
#include "label/definition/label_definition.h"

namespace qv {

FontSpec fontTemplate() {
    FontSpec font;
    font.height = 20;
    font.weight = kNormalWeight;
    font.charSet = CharacterSet::ShiftJis;
    font.faceName = kDefaultFaceName;
    return font;
}

void setFaceAndHeight(FontSpec& font, const std::string& face, int height) {
    font.faceName = face;
    font.height = height;
    const bool doubleByte = face.size() >= 2 &&
                            sjis::isLeadByte(static_cast<unsigned char>(face[0])) &&
                            sjis::isTrailByte(static_cast<unsigned char>(face[1]));
    font.charSet = doubleByte ? CharacterSet::ShiftJis : CharacterSet::Ansi;
}

void setStyle(FontSpec& font, bool bold, bool italic, bool underline) {
    font.weight = bold ? kBoldWeight : kNormalWeight;
    font.italic = italic;
    font.underline = underline;
}

}  // namespace qv
