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
      kind_(barcodeKindOf(field_.attributes)),
      showText_((field_.attributes & kShowTextBit) != 0),
      ignoreCheckDigit_((field_.attributes & kIgnoreCheckDigitBit) != 0),
      layoutFlags_(layoutFlags) {
    if (!isOffered(kind_)) kind_ = BarcodeKind::Text;
}

void BarcodeKindForm::chooseKind(BarcodeKind kind) {
    if (!isOffered(kind)) return;
    kind_ = kind;
    field_.attributes = static_cast<int>(kind);
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
        int& word = field_.attributes;
        word = showText_ ? (word | kShowTextBit) : (word & ~kShowTextBit);
        const bool ignore = ignoreCheckDigit_ && ignoreCheckDigitEnabled();
        word = ignore ? (word | kIgnoreCheckDigitBit) : (word & ~kIgnoreCheckDigitBit);
    }
    return layoutFlags_;
}

}  // namespace qv
