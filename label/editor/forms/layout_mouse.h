// What the mouse does in the layout editor, without widgets.
//
// Points are label units relative to the label's top-left corner, y upward (y <= 0 inside the
// label), at z = zoom / 10 units per millimetre. Fields and literals selected by their dialogs
// are dragged, ruled lines are drawn into the first free slot, and a rubber rectangle is
// stretched for the bitmap dialog. Each press, move and release says what happened, so the view
// only forwards the news to the dialogs; hit tests use the areas of the last drawing.
#pragma once

#include <optional>
#include <string>

#include "label/definition/label_definition.h"
#include "label/editor/forms/layout_drawing.h"

namespace qv {

enum class LayoutMode { Normal, Literal, Line };

enum class LayoutCursor { Arrow, Cross, Literal, Line, Move };

// A position handed to the field dialog; a width and height above 0 come from a measuring drag.
struct LayoutPick {
    int xMm = 0;
    int yMm = 0;
    int widthMm = 0;
    int heightMm = 0;
};

// What a right click on the label hit, first hit wins: a bitmap, a literal, else a field.
struct LayoutHit {
    enum class Kind { Bitmap, Literal, Field, Nothing };
    Kind kind = Kind::Nothing;
    int index = -1;
};

// The news of one mouse event; everything unset means nothing happened.
struct LayoutMouseResult {
    std::optional<LayoutPick> fieldPick;  // for the field dialog
    std::optional<LayoutMm> literalPick;  // literal mode: the clicked position
    int movedField = -1;                  // dragged to a new position
    int movedLiteral = -1;
    int drawnLine = -1;                          // a ruled line was finished in this slot
    std::optional<LogicalRect> rubberRectangle;  // finished, in 0.1 mm of the label
    bool modified = false;                       // the definition changed
    bool captureMouse = false;
    bool releaseMouse = false;
    std::string status;  // UTF-8; empty leaves the status bar as it is
};

class LayoutMouse {
  public:
    explicit LayoutMouse(LabelDefinition& definition) : definition_(definition) {}

    // The zoom of the view and the hit rectangles of its last drawing.
    void setZoom(int zoomPercent) { z_ = layoutScale(zoomPercent); }
    void setAreas(const LayoutHitAreas& areas) { areas_ = areas; }

    // Line mode removes the rubber rectangle; leaving every mode drops the selections too.
    void setMode(LayoutMode mode);
    LayoutMode mode() const { return mode_; }
    void endSettingMode();
    // The field or literal the dialogs hold; a press on it starts a drag.
    void selectField(int index);
    void selectLiteral(int slot);
    // While the field dialog holds a barcode field, a drag measures the size of its bars.
    void setMeasuring(bool on) { measuring_ = on; }
    void closeRubber() { rubber_ = false; }

    LayoutMouseResult press(LogicalPoint at);
    LayoutMouseResult move(LogicalPoint at, bool leftHeld);
    LayoutMouseResult release(LogicalPoint at);
    LayoutHit hitAt(LogicalPoint at) const;

    bool onLabel(LogicalPoint at) const;
    LayoutCursor cursorAt(LogicalPoint at) const;
    // The rectangle to invert, in label units: the rubber rectangle while it shows.
    std::optional<LogicalRect> inverted() const;

  private:
    bool inHitArea(LogicalPoint at) const;
    LayoutMm mmAt(LogicalPoint at) const { return layoutPositionMm(at.x, at.y, z_); }
    bool startLine(const LayoutMm& mm, LayoutMouseResult& result);
    void startDrag(LogicalPoint at);
    void drag(LogicalPoint at, LayoutMouseResult& result);
    void finishLine(LogicalPoint at, LayoutMouseResult& result);

    LabelDefinition& definition_;
    int z_ = layoutScale(100);
    LayoutHitAreas areas_;
    LayoutMode mode_ = LayoutMode::Normal;
    bool measuring_ = false;
    int selectedField_ = -1;
    int selectedLiteral_ = -1;
    int draggingField_ = -1;
    int draggingLiteral_ = -1;
    int drawingLine_ = -1;
    bool pressed_ = false;  // a press inside the hit area awaits its release
    LogicalPoint grab_;     // the item's corner minus the pointer
    bool rubber_ = false;
    LogicalPoint rubberStart_;
    LogicalPoint rubberEnd_;
    LayoutMm picked_;
};

}  // namespace qv
