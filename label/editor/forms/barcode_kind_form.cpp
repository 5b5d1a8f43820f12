#include "label/editor/forms/barcode_kind_form.h"

namespace qv {

namespace {

bool isOffered(BarcodeKind kind) {
    return lastKindNumber(kind) != 0;
}

}  // namespace

int lastKindNumber(BarcodeKind kind) {
    switch (kind) {
        case BarcodeKind::Jan:
            return 1;
        case BarcodeKind::Itf:
            return 2;
        case BarcodeKind::Code39:
            return 3;
        case BarcodeKind::Nw7:
            return 4;
        default:
            return 0;
    }
}

BarcodeKindForm::BarcodeKindForm(LabelDefinition& definition, int field, int layoutFlags)
    : field_(definition.fields.at(static_cast<size_t>(field))),
      definition_(definition),
      kind_(barcodeKindOf(field_)),
      showText_(showsBarcodeText(field_)),
      ignoreCheckDigit_(ignoresCheckDigit(field_)),
      layoutFlags_(layoutFlags) {
    if (!isOffered(kind_)) kind_ = BarcodeKind::Text;
}

void BarcodeKindForm::chooseKind(BarcodeKind kind) {
    if (!isOffered(kind)) return;
    kind_ = kind;
    setBarcodeKind(field_, kind);
    definition_.lastBarcodeKind = lastKindNumber(kind);
    // The word has lost its check digit bit; a box that cannot be used must not bring it back.
    if (!ignoreCheckDigitEnabled()) ignoreCheckDigit_ = false;
}

bool BarcodeKindForm::ignoreCheckDigitEnabled() const {
    return kind_ == BarcodeKind::Jan || kind_ == BarcodeKind::Itf;
}

int BarcodeKindForm::finish() {
    // Without a kind the word is a text field's, whose low bits mean bold and italic.
    if (kind_ != BarcodeKind::Text) {
        setShowsBarcodeText(field_, showText_);
        setIgnoresCheckDigit(field_, ignoreCheckDigit_ && ignoreCheckDigitEnabled());
    }
    return layoutFlags_;
}

}  // namespace qv
