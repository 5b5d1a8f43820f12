// The rules of the dialog "バーコード種選択" for the selected field, without widgets.
//
// Choosing a kind rewrites the field's whole attribute word at once (the text and check digit
// bits go with it) and remembers the kind as the definition's last choice. The direction is a
// pending layout flag that "終了" hands back to the placement dialog, which stores it with the
// rest of the entry.
#pragma once

#include "label/definition/definition_bits.h"

namespace qv {

class BarcodeKindForm {
  public:
    // `field` is the 0-based index of the selected field; `layoutFlags` its pending flags.
    BarcodeKindForm(LabelDefinition& definition, int field, int layoutFlags);

    // The kind of the field; Text when it has none of the offered kinds (no button checked).
    BarcodeKind kind() const { return kind_; }
    // Only JAN, ITF, NW7 and CODE 39 are offered; other kinds are ignored.
    void chooseKind(BarcodeKind kind);

    // "チェックデジットを無視する" is usable for JAN and ITF only.
    bool ignoreCheckDigitEnabled() const;
    bool ignoreCheckDigit() const { return ignoreCheckDigit_; }
    void setIgnoreCheckDigit(bool on) { ignoreCheckDigit_ = on; }
    // "バーコード下の文字の印字".
    bool showText() const { return showText_; }
    void setShowText(bool on) { showText_ = on; }

    // "左向き" (true) or "右向き".
    bool facesLeft() const { return barsFaceLeft(layoutFlags_); }
    void setFacesLeft(bool left) { layoutFlags_ = left ? kFacesLeftFlag : 0; }

    // "終了": sets the text and check digit bits of the field; gives the pending layout flags.
    int finish();

  private:
    FieldPlacement& field_;
    LabelDefinition& definition_;
    BarcodeKind kind_;
    bool showText_;
    bool ignoreCheckDigit_;
    int layoutFlags_;
};

// The number the settings keep for the last chosen kind: 1 JAN, 2 ITF, 3 CODE 39, 4 NW7; 0 for
// a kind that is not offered.
int lastKindNumber(BarcodeKind kind);

}  // namespace qv
