// The rules of the font picker "フォント選択", without widgets.
//
// The platform hands over its installed families in the order it enumerates them; the form
// decides which of them are offered, which one is preselected, and how the sample is drawn.
// Face names are Shift-JIS, as definitions store them.
//
// Definitions and settings store Windows faces ("ＭＳ 明朝", "Arial") that are not installed
// here. Such a preset is offered under its own name beside the installed family that draws it,
// so that OK without another face keeps the stored name.
#pragma once

#include <string>
#include <vector>

#include "common/font_choice.h"

namespace qv {

// One installed family as the platform reports it, or an offered face.
struct FontFamily {
    std::string name;       // Shift-JIS
    bool scalable = true;   // an outline (TrueType-like) font
    bool japanese = false;  // covers the Shift-JIS character set
    // For a stored face that is not installed: the installed family that draws it. Empty for an
    // installed family.
    std::string drawnWith = {};
};

class FontPickerForm {
  public:
    // `trueTypeOnly` is the setting "FontType"; `japaneseOnly` offers only Shift-JIS faces.
    // `presetDrawnWith` is the installed family that draws the preset face (the platform's
    // mapping of stored faces). A preset face that is not installed is offered, and selected,
    // just before that family when the family is offered; any other preset face that is not
    // offered selects "System".
    FontPickerForm(const std::vector<FontFamily>& installed, const FontChoice& preset,
                   bool trueTypeOnly, bool japaneseOnly = false,
                   const std::string& presetDrawnWith = {});

    // The offered faces, in enumeration order, each family once under its plain name.
    const std::vector<FontFamily>& faces() const { return faces_; }
    // The row of the selected face in faces(); -1 when nothing is offered at all.
    int selectedRow() const { return selectedRow_; }
    // The point sizes of the size list.
    static const std::vector<int>& sizes();

    // A row outside faces() is ignored.
    void chooseFace(int row);
    // A size of 1 to kMaxPointSize; anything else is ignored.
    void setPointSize(int pointSize);
    void setBold(bool on) { choice_.bold = on; }
    void setItalic(bool on) { choice_.italic = on; }
    void setUnderline(bool on) { choice_.underline = on; }

    const FontChoice& choice() const { return choice_; }

    // The sample: Japanese text for a face with Shift-JIS coverage, else Latin (UTF-8).
    std::string sampleText() const;
    // The sample's pixel height at `dpi` dots per inch down the screen (size x dpi / 72).
    int samplePixelSize(int dpi) const;
    // 700 with bold, else 450.
    int sampleWeight() const { return choice_.bold ? 700 : 450; }

    static constexpr int kMaxPointSize = 999;

  private:
    void offerStoredFace(const std::string& drawnWith);

    std::vector<FontFamily> faces_;
    FontChoice choice_;
    int selectedRow_ = -1;
};

// False for names that the list never offers: "%" and "&" entries and vertical "@" faces.
bool isListedFaceName(const std::string& name);

// A family name without the foundry that the font database adds when several foundries make a
// family of that name: "Nimbus Sans [urw]" -> "Nimbus Sans".
std::string plainFamilyName(const std::string& name);

// The text of `face` in the list: its name, and for a stored face the family that draws it, as
// "ＭＳ 明朝 (IPAMincho)". Shift-JIS.
std::string listText(const FontFamily& face);

}  // namespace qv
