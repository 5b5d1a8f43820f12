// The rules of the ruled-line dialog "罫線の配置", without widgets.
//
// The form edits the definition's 30 ruled-line slots in place, as the literal form does. The
// user enters positions in millimetres from the label's top-left corner, downward positive; the
// slots keep y negated, so the form negates on the way in and out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "label/definition/label_definition.h"

namespace qv {

class MessageService;

// The four values of a line as the dialog shows them (y downward, positive).
struct RuledLineValues {
    std::optional<int> startX;
    std::optional<int> startY;
    std::optional<int> endX;
    std::optional<int> endY;
};

class RuledLineForm {
  public:
    RuledLineForm(LabelDefinition& definition, MessageService& messages);

    // One line per slot (UTF-8): "N..." for an empty slot, "N...(AmmxBmm→CmmxDmm)" for a used one.
    std::vector<std::string> listLines() const;

    // Typed values; nothing when the edit holds no number. Add and modify are enabled once a
    // value was typed since the last selection and all four lie on the label (modify also needs
    // a selected slot), so an enabled button never does nothing.
    void setStartX(std::optional<int> mm);
    void setStartY(std::optional<int> mm);
    void setEndX(std::optional<int> mm);
    void setEndY(std::optional<int> mm);

    // Selects a slot and shows its values; a slot outside 0..29 selects none.
    void selectSlot(int slot);
    // The layout view drew a line into `slot`: it is shown and selected.
    void lineDrawn(int slot) { selectSlot(slot); }

    // The buttons; each returns true when the definition changed.
    bool add();
    bool modify();
    bool remove();

    const RuledLineValues& values() const { return values_; }
    int selectedSlot() const { return selectedSlot_; }
    bool addEnabled() const { return edited_ && valuesValid(); }
    bool modifyEnabled() const { return edited_ && selectedSlot_ >= 0 && valuesValid(); }
    bool removeEnabled() const { return selectedSlot_ >= 0; }

    bool changed() const { return changed_; }
    void clearChanged() { changed_ = false; }

  private:
    bool valuesValid() const;
    void writeSlot(int slot);

    LabelDefinition& definition_;
    MessageService& messages_;
    RuledLineValues values_;
    int selectedSlot_ = -1;
    bool edited_ = false;  // a value was typed since the last selection
    bool changed_ = false;
};

}  // namespace qv
