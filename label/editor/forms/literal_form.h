// The rules of the literal dialog "リテラルの配置", without widgets.
//
// The form edits the definition's 30 literal slots in place: the dialog is modeless and the
// layout editor redraws from the definition whenever the form reports a change. The pending
// values are what the dialog's controls show; add and modify write them into a slot.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/font_choice.h"
#include "label/definition/label_definition.h"

namespace qv {

class MessageService;

class LiteralForm {
  public:
    LiteralForm(LabelDefinition& definition, MessageService& messages);

    // One row per slot that holds a literal, in slot order.
    const std::vector<std::string>& listTexts() const { return listTexts_; }  // Shift-JIS
    const std::vector<int>& listSlots() const { return listSlots_; }

    // Selects the literal of list row `row` and loads its values; a row outside the list
    // selects none and loads nothing.
    void selectRow(int row);
    int selectedRow() const { return selectedRow_; }
    // The slot of the selected literal; -1 when none is selected.
    int selectedSlot() const;
    // The list row of the literal in `slot`; -1 when the slot holds none.
    int rowOfSlot(int slot) const;

    void setText(const std::string& textSjis) { text_ = textSjis; }
    // A position typed into the edits; nothing when the edit holds no number.
    void setX(std::optional<int> xMm) { xMm_ = xMm; }
    void setY(std::optional<int> yMm) { yMm_ = yMm; }
    // The point the user clicked in the layout view, in millimetres.
    void pickPosition(int xMm, int yMm);
    // The view dragged the literal of `slot`; the selected one's position follows. True then.
    bool followMove(int slot);
    void chooseFont(const FontChoice& font) { font_ = font; }
    // A colour of the colour table; an index outside 0..kColourCount-1 is ignored.
    void chooseColour(int index);
    // A code from the macro picker becomes the text; a literal already holding that text is
    // selected. True when one was.
    bool chooseMacro(const std::string& code);

    // The buttons. Each returns true when the definition changed; a refusal is reported
    // through the message service and changes nothing.
    bool add();
    bool modify();
    bool remove();

    const std::string& text() const { return text_; }
    std::optional<int> x() const { return xMm_; }
    std::optional<int> y() const { return yMm_; }
    const FontChoice& font() const { return font_; }
    int colourIndex() const { return colourIndex_; }

    // Whether any button changed the definition since the flag was last cleared.
    bool changed() const { return changed_; }
    void clearChanged() { changed_ = false; }

  private:
    bool positionValid() const;
    int freeSlot() const;
    void writeSlot(int slot);
    void rebuildList();

    LabelDefinition& definition_;
    MessageService& messages_;
    std::vector<std::string> listTexts_;
    std::vector<int> listSlots_;
    int selectedRow_ = -1;
    std::string text_;
    std::optional<int> xMm_;
    std::optional<int> yMm_;
    FontChoice font_{kDefaultFaceName};
    int colourIndex_ = 0;
    bool changed_ = false;
};

}  // namespace qv
