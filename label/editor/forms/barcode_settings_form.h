// The rules of the dialog "バーコードの標準設定", without widgets.
//
// The four switches change the definition the moment they are clicked, so Cancel keeps them.
// The module width and the font of the text under barcodes ("UFont", "UBold" of the settings
// file) are taken only by OK, which also writes the two keys at once.
#pragma once

#include <string>

#include "common/message_service.h"
#include "common/profile_file.h"
#include "label/definition/label_definition.h"

namespace qv {

class BarcodeSettingsForm {
  public:
    // A stored module width outside 0..3 is reset to 1 in `definition` at once.
    BarcodeSettingsForm(LabelDefinition& definition, ProfileFile settings,
                        MessageService& messages);

    // Each click flips the definition's setting.
    void toggleShortJanNotAligned();
    void toggleForceCheckCharacter();
    void toggleAddStartStop();
    void toggleDirectBarPrinting();

    bool shortJanNotAligned() const { return definition_.shortJanNotAligned != 0; }
    bool forceCheckCharacter() const { return definition_.forceCheckCharacter != 0; }
    bool addStartStop() const { return definition_.addStartStop != 0; }
    bool directBarPrinting() const { return definition_.directBarPrinting != 0; }
    // The module width box is usable only with direct bar printing.
    bool moduleWidthEnabled() const { return directBarPrinting(); }

    // The value of the module width box; a box that holds no number gives 0.
    void setModuleWidth(int width) { moduleWidth_ = width; }
    int moduleWidth() const { return moduleWidth_; }

    // "FONT変更": the face (Shift-JIS) and bold choice of the font picker.
    void chooseFont(const std::string& faceSjis, bool bold);
    const std::string& fontFace() const { return fontFace_; }
    bool fontBold() const { return fontBold_; }
    // The setting "FontType": the font picker offers TrueType faces only.
    bool trueTypeOnly() const;

    // OK: a module width outside 1..3 is refused with a message and the dialog stays open (false).
    // Otherwise the values go into the definition and the settings file; true.
    bool accept();

    static constexpr int kMinModuleWidth = 1;
    static constexpr int kMaxModuleWidth = 3;

  private:
    LabelDefinition& definition_;
    ProfileFile settings_;
    MessageService& messages_;
    int moduleWidth_;
    std::string fontFace_;
    bool fontBold_;
};

// The message for a module width outside 1..3.
extern const char* const kModuleWidthRangeMessage;

}  // namespace qv
