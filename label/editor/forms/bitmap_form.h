// The rules of the bitmap dialog "ビットマップの設定" and of "ビットマップの情報", without widgets.
//
// The form edits the definition's two bitmap areas in place. It holds the pending values the
// dialog shows: the area being edited, the bitmap's local (UTF-8) path with the file loaded for
// the preview, and the rectangle as X, Y, width and height in 0.1 mm measured downward from the
// label's top-left corner. Storing turns them into the area's left, top, right and bottom (y
// upward, so top and bottom are 0 or negative).
#pragma once

#include <optional>
#include <string>

#include "label/definition/bmp_file.h"
#include "label/definition/label_definition.h"
#include "label/surface/draw_surface.h"

namespace qv {

class MessageService;

// The four position values, each in 0.1 mm.
enum class BitmapValue { X, Y, Width, Height };

struct BitmapRectValues {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const BitmapRectValues& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// What "ビットマップの情報" shows (UTF-8).
struct BitmapInfoTexts {
    std::string fileName;
    std::string colours;
    std::string width;
    std::string height;
};

class BitmapForm {
  public:
    // `definitionFolder` resolves relative stored paths; `fitToFrame` is the saved preview mode.
    BitmapForm(LabelDefinition& definition, std::string definitionFolder, MessageService& messages,
               bool fitToFrame = false);

    // The area being edited: 0, 1, or -1 when none is (both areas empty, or one just stored).
    int currentArea() const { return current_; }
    // The area whose values are shown; an edit while none is current takes it up again.
    int shownArea() const { return shown_; }
    // Shows area `slot` and makes it current; a slot other than 0 or 1 is ignored.
    void showArea(int slot);

    // The shown path, local form.
    const std::string& path() const { return path_; }
    // A file picked with "参照". A name not ending in BMP is refused and the path cleared; a
    // bitmap of more than 256 colours is refused and nothing is kept. True when it was taken.
    bool choosePath(const std::string& localPath);
    // A path typed into the edit. Once it is at least 4 characters long and ends in BMP the
    // preview is reloaded and the area taken up; true then.
    bool typePath(const std::string& localPath);

    // The bitmap of the shown path; not loaded when the file is missing or refused.
    const LoadedBitmap& bitmap() const { return bitmap_; }

    const BitmapRectValues& values() const { return values_; }
    int value(BitmapValue which) const;
    // "%d.%d": millimetres with one decimal.
    std::string valueText(BitmapValue which) const;
    // The range of the position editor: X 0..label width, Y 0..label height, the width and
    // height whatever is left of the label beyond X and Y.
    int maximum(BitmapValue which) const;
    // Sets a value, limited to 0..maximum. Changing X or Y keeps the width and height unless
    // they no longer fit, in which case they shrink to the label's edge; any edit brings the
    // whole rectangle onto the label.
    void setValue(BitmapValue which, int tenthsOfMm);
    // The status text while a value is edited.
    static std::string editingStatus(BitmapValue which);

    // A rectangle drawn in the layout editor (0.1 mm, y upward, normalised) becomes the current
    // area's rectangle, cut to the label.
    void takeRubberRectangle(const LogicalRect& tenthsOfMm);

    // "登録･修正" and "削　除"; each returns true when the definition changed. A refusal is
    // reported through the message service and changes nothing.
    bool store();
    bool remove();
    bool storeEnabled() const { return current_ >= 0; }
    bool removeEnabled() const;

    // "張り付け位置の枠に合わせる". Turning it on with a zero width or height is refused with a
    // message; the result is the new state.
    bool setFitToFrame(bool on);
    bool fitToFrame() const { return fit_; }
    // The preview's size in pixels: the bitmap's own, or its rectangle at the screen's
    // resolution when fitted. Nothing loaded: 0 x 0.
    PixelSize previewSize(int dpiX, int dpiY) const;

    // The texts of "ビットマップの情報"; nothing when no bitmap is loaded.
    std::optional<BitmapInfoTexts> infoTexts(int dpiX, int dpiY) const;
    static std::string coloursText(int bitCount);
    // "%d Pixel (%d.%dmm)": the pixels and their length at `dpi`.
    static std::string pixelLengthText(int pixels, int dpi);

  private:
    void takeUpShownArea();
    void loadPreview(bool tellRefusal);
    void clearPath();
    void keepOnLabel();
    std::string storedPath() const;

    LabelDefinition& definition_;
    std::string folder_;
    MessageService& messages_;
    int current_ = -1;
    int shown_ = 0;
    std::string path_;
    LoadedBitmap bitmap_;
    bool tooManyColours_ = false;  // the shown path names a bitmap of more than 256 colours
    BitmapRectValues values_;
    bool fit_ = false;
};

}  // namespace qv
