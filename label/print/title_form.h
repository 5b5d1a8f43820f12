// The rules of the title dialog "タイトルの設定", without widgets.
//
// The form holds a copy of the definition's title and footer values. The position is shown as
// two radio groups (horizontal and vertical); choosing a button in either group stores
// 3 x vertical + horizontal with the other group's current button. The widget binds its controls
// to the setters, re-reads the state afterwards, and on OK calls storeInto.
#pragma once

#include <string>

#include "common/font_choice.h"
#include "label/definition/label_definition.h"

namespace qv {

class TitleForm {
  public:
    explicit TitleForm(const LabelDefinition& definition);

    void setText(const std::string& textSjis) { text_ = textSjis; }

    // Position buttons: horizontal 0 left, 1 centre, 2 right; vertical 0 top, 1 middle, 2 bottom.
    // A value outside 0..2 is ignored.
    void chooseHorizontal(int horizontal);
    void chooseVertical(int vertical);

    // A confirmed font choice; it also empties the auxiliary title text.
    void chooseFont(const FontChoice& font);

    // A colour of the colour table; an index outside 0..kColourCount-1 is ignored.
    void chooseColour(int index);

    void setPrintPageNumber(bool on) { printPageNumber_ = on; }
    void setPrintDate(bool on) { printDate_ = on; }

    // OK: every value of the form goes into the definition.
    void storeInto(LabelDefinition& definition) const;

    const std::string& text() const { return text_; }
    // The checked button of each group; -1 when the stored position is none of 0..8.
    int horizontal() const { return horizontal_; }
    int vertical() const { return vertical_; }
    int position() const { return position_; }
    const FontChoice& font() const { return font_; }
    const std::string& auxText() const { return auxText_; }
    int colourIndex() const { return colourIndex_; }
    bool printPageNumber() const { return printPageNumber_; }
    bool printDate() const { return printDate_; }

  private:
    void storePosition();

    std::string text_;
    FontChoice font_;
    std::string auxText_;
    int position_;
    int horizontal_ = -1;
    int vertical_ = -1;
    int colourIndex_;
    bool printPageNumber_;
    bool printDate_;
};

}  // namespace qv
