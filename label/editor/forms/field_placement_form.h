// The rules of the modeless dialog "フィールドの配置", without widgets.
//
// The user selects a data file field, gives its position (from the layout view), chooses text or
// barcode and their attributes, and confirms. The form edits the one LabelDefinition directly:
// the kind, the font size and the style bits change the field at once (as the kind and font
// pickers do), everything else waits in the pending entry until "項目の確定".
// Every action returns a notice so that the view knows whether to redraw the pending field or
// the stored one.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/font_choice.h"
#include "common/message_service.h"
#include "label/definition/definition_bits.h"

namespace qv {

// What an action means to the layout view.
enum class PlacementNotice {
    None,          // nothing to redraw
    EntryChanged,  // the pending entry changed: redraw the field being placed
    EntryStored,   // the definition changed: redraw and mark the document modified
};

// One line of the field list: the name as stored and the field's index in the definition.
struct PlacementListEntry {
    int fieldIndex;
    std::string nameSjis;
};

enum class PlacementAlignment { Left, Centre, Right };

class FieldPlacementForm {
  public:
    // Asks for the symbology of field `fieldIndex`; writes its attributes (and the definition's
    // last kind) directly and the direction into `pendingLayoutFlags`. True when it changed.
    using BarcodeKindHook =
        std::function<bool(LabelDefinition& definition, int fieldIndex, int& pendingLayoutFlags)>;
    // Asks for a font under `captionUtf8`, preset with `current`; nothing when cancelled.
    using FontPicker = std::function<std::optional<FontChoice>(const std::string& captionUtf8,
                                                               const FontChoice& current)>;

    FieldPlacementForm(LabelDefinition& definition, MessageService& messages);

    const std::vector<PlacementListEntry>& fieldList() const { return list_; }
    // "File :" followed by the data file name, Shift-JIS.
    std::string dataFileLabel() const;

    // Selects field `fieldIndex` (an index of the definition) and loads its stored values into
    // the pending entry; -1 or an index that is not in the list clears the selection.
    void selectField(int fieldIndex);
    int selectedField() const { return selected_; }

    // The actions of the dialog's buttons.
    PlacementNotice chooseBarcode(const BarcodeKindHook& askKind);
    PlacementNotice chooseText();
    PlacementNotice changeFont(const FontPicker& askFont);
    PlacementNotice confirm();
    PlacementNotice removeFromLabel();

    // Pending values; each is ignored without a selected field.
    PlacementNotice pickPosition(int xMm, int yMm, int widthMm = 0, int heightMm = 0);
    PlacementNotice setPosition(int xMm, int yMm);
    PlacementNotice setBarSize(int widthMm, int heightMm);
    PlacementNotice chooseAlignment(PlacementAlignment alignment);
    PlacementNotice setVertical(bool on);
    PlacementNotice chooseColour(int index);

    // The state the widgets show.
    bool isBarcode() const;
    bool hasSelection() const { return selected_ >= 0; }
    bool confirmEnabled() const;
    bool fontEnabled() const { return hasSelection() && !isBarcode(); }
    bool removeEnabled() const { return hasSelection(); }
    int xMm() const { return xMm_; }
    int yMm() const { return yMm_; }
    int barWidthMm() const { return barWidthMm_; }
    int barHeightMm() const { return barHeightMm_; }
    const std::string& fontName() const { return fontName_; }
    int pointSize() const { return pointSize_; }
    int attributes() const { return attributes_; }
    int layoutFlags() const { return layoutFlags_; }
    int colourIndex() const { return colourIndex_; }
    bool bold() const { return textStyleOfWord(attributes_).bold; }
    bool italic() const { return textStyleOfWord(attributes_).italic; }
    bool underline() const { return textStyleOfWord(attributes_).underline; }
    bool vertical() const { return isVerticalText(layoutFlags_); }
    PlacementAlignment alignment() const;
    // The selected field as "項目の確定" would store it (the stored field without a selection).
    FieldPlacement pendingPlacement() const;
    // The texts of the outer alignment buttons: "左"/"右", or "上"/"下" for vertical writing.
    const char* firstAlignmentLabel() const;
    const char* lastAlignmentLabel() const;

  private:
    bool requireSelection();
    void loadPending();
    void clearPending();
    bool differsFromStored() const;
    FieldPlacement& field();
    const FieldPlacement& field() const;

    LabelDefinition& definition_;
    MessageService& messages_;
    std::vector<PlacementListEntry> list_;
    int selected_ = -1;
    int xMm_ = -1;
    int yMm_ = -1;
    int barWidthMm_ = 0;
    int barHeightMm_ = 0;
    std::string fontName_;
    int pointSize_ = 0;
    int attributes_ = 0;
    int layoutFlags_ = 0;
    int colourIndex_ = 0;
    bool touched_ = false;  // the kind or the font changed the field since it was selected
};

}  // namespace qv
