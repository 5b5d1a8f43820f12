// The shared font picker as the title dialog asks for a font.
#pragma once

#include "label/app/dialogs/title_dialog.h"

namespace qv {

// The picker titled "タイトルのフォント"; `trueTypeOnly` is the setting "FontType".
FontPicker titleFontPicker(bool trueTypeOnly);

}  // namespace qv
