#include "editor/dialogs/screen_font.h"

#include <algorithm>

#include "common/sjis_text.h"
#include "platform/font_mapping.h"

namespace qv {

QFont screenFont(const std::string& faceUtf8, int pointSize, int dpiY) {
    QFont font(familyForFace(sjis::fromUtf8(faceUtf8)));
    // Rounded to the nearest pixel, as the desktop's own point-to-pixel conversion does.
    font.setPixelSize(std::max(1, (pointSize * dpiY + 36) / 72));
    return font;
}

}  // namespace qv
