// The font picker "フォント選択": face list, size list, style boxes and a sample. The widgets
// only bind to FontPickerForm, which decides what is offered and how the sample looks.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "common/font_picker_form.h"

class QCheckBox;
class QComboBox;
class QListWidget;

namespace qv {

class FontSample;

class FontPickerDialog : public QDialog {
    Q_OBJECT

  public:
    // `families` in the platform's order (see installedFamilies); `trueTypeOnly` is "FontType".
    FontPickerDialog(const std::vector<FontFamily>& families, const FontChoice& preset,
                     bool trueTypeOnly, QWidget* parent = nullptr);
    // The data editor's picker also offers only Japanese faces when `japaneseOnly` is set.
    FontPickerDialog(const std::vector<FontFamily>& families, const FontChoice& preset,
                     bool trueTypeOnly, bool japaneseOnly, QWidget* parent = nullptr);

    const FontPickerForm& form() const { return form_; }
    // The font the sample is drawn with at `dpi` dots per inch.
    QFont sampleFont(int dpi) const;

  private:
    QWidget* buildStyleBoxes();
    void chooseSize(const QString& text);
    void showState();

    FontPickerForm form_;
    QListWidget* faceList_;
    QComboBox* sizeBox_;
    QCheckBox* boldBox_;
    QCheckBox* italicBox_;
    QCheckBox* underlineBox_;
    FontSample* sample_;
};

// The installed families as the font database enumerates them, names in Shift-JIS.
std::vector<FontFamily> installedFamilies();

// How a dialog asks for a font under its own caption, starting from `current`; nothing when
// cancelled. The programs hand their picker in; tests hand in a script.
using FontPicker =
    std::function<std::optional<FontChoice>(QWidget* parent, const FontChoice& current)>;

// Opens the picker titled `caption` ("フォント選択" when empty); nothing when cancelled.
std::optional<FontChoice> pickFont(QWidget* parent, const QString& caption,
                                   const FontChoice& preset, bool trueTypeOnly,
                                   bool japaneseOnly = false);

}  // namespace qv
