#include "label/print/title_form.h"

namespace qv {

namespace {

constexpr int kPlacements = 3;  // buttons in each position group

bool isPlacement(int value) {
    return value >= 0 && value < kPlacements;
}

}  // namespace

TitleForm::TitleForm(const LabelDefinition& definition)
    : text_(definition.titleText),
      font_{definition.titleFontName, definition.titlePointSize, definition.titleBold != 0,
            definition.titleItalic != 0, definition.titleUnderline != 0},
      auxText_(definition.titleAuxText),
      position_(definition.titlePosition),
      colourIndex_(definition.titleColourIndex),
      printPageNumber_(definition.printPageNumber != 0),
      printDate_(definition.printDate != 0) {
    // A stored position outside the table checks no button; it is kept until one is chosen.
    if (position_ >= 0 && position_ < kPlacements * kPlacements) {
        horizontal_ = position_ % kPlacements;
        vertical_ = position_ / kPlacements;
    }
}

void TitleForm::chooseHorizontal(int horizontal) {
    if (!isPlacement(horizontal)) return;
    horizontal_ = horizontal;
    storePosition();
}

void TitleForm::chooseVertical(int vertical) {
    if (!isPlacement(vertical)) return;
    vertical_ = vertical;
    storePosition();
}

void TitleForm::storePosition() {
    // A group without a checked button counts as its first button, and is checked from now on.
    if (horizontal_ < 0) horizontal_ = 0;
    if (vertical_ < 0) vertical_ = 0;
    position_ = kPlacements * vertical_ + horizontal_;
}

void TitleForm::chooseFont(const FontChoice& font) {
    font_ = font;
    auxText_.clear();
}

void TitleForm::chooseColour(int index) {
    if (index >= 0 && index < kColourCount) colourIndex_ = index;
}

void TitleForm::storeInto(LabelDefinition& definition) const {
    definition.titleText = text_;
    definition.titleFontName = font_.face;
    definition.titlePointSize = font_.pointSize;
    definition.titleBold = font_.bold ? 1 : 0;
    definition.titleItalic = font_.italic ? 1 : 0;
    definition.titleUnderline = font_.underline ? 1 : 0;
    definition.titlePosition = position_;
    definition.titleAuxText = auxText_;
    definition.titleColourIndex = colourIndex_;
    definition.printPageNumber = printPageNumber_ ? 1 : 0;
    definition.printDate = printDate_ ? 1 : 0;
}

}  // namespace qv
