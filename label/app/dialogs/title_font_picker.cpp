#include "label/app/dialogs/title_font_picker.h"

#include "platform/font_picker_dialog.h"

namespace qv {

FontPicker titleFontPicker(bool trueTypeOnly) {
    return [trueTypeOnly](QWidget* parent, const FontChoice& current) {
        return pickFont(parent, QStringLiteral("タイトルのフォント"), current, trueTypeOnly);
    };
}

}  // namespace qv
