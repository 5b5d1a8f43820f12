#include "label/app/dialogs/title_font_picker.h"

#include "platform/font_picker_dialog.h"

namespace qv {

TitleDialog::FontPicker titleFontPicker(bool trueTypeOnly) {
    return [trueTypeOnly](QWidget* parent, const TitleFont& current) -> std::optional<TitleFont> {
        const FontChoice preset{current.face, current.pointSize, current.bold, current.italic,
                                current.underline};
        const std::optional<FontChoice> chosen =
            pickFont(parent, QStringLiteral("タイトルのフォント"), preset, trueTypeOnly);
        if (!chosen) return std::nullopt;
        return TitleFont{chosen->face, chosen->pointSize, chosen->bold, chosen->italic,
                         chosen->underline};
    };
}

}  // namespace qv
