// The rules of the mono-pattern page dialog "モノパターンページ作成", without widgets.
//
// With a CSZ data file every label of every page prints one chosen record. The dialog either lets
// the user type the values of up to three input fields of the file's first record (the items
// holding the marker "\@"), with a barcode preview of the value typed last, or, when that record
// has no marker, lets the user choose a record of the file (record-list mode). Printing hands the
// page's list (the record once per label) and the copy count to the main view.
//
// Record texts, names and values are Shift-JIS bytes; messages are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "label/barcode/barcode_drawer.h"
#include "label/data/data_file_reader.h"
#include "label/definition/label_definition.h"
#include "label/surface/draw_surface.h"

namespace qv {

class MessageService;

constexpr int kMonoPatternInputs = 3;       // input fields that are used, in record order
constexpr int kMonoPatternEditFields = 12;  // fields that "フィールド編集" shows
constexpr int kMinCopies = 1;
constexpr int kMaxCopies = 9999;

// The item of the first record that marks an input field: a backslash and an at sign.
inline constexpr char kInputMarker[] = "\\@";

// One input field: the name-line item at its position, the position in the record (from 0) and
// the value typed for it.
struct MonoPatternInput {
    std::string label;
    size_t position = 0;
    std::string value;
};

// The record to print: its text, the file's name line and its index in the record list (-1 while
// none is chosen).
struct MonoPatternRecord {
    std::string text;
    std::string nameLine;
    int index = -1;
};

// What the main view prints: every page holds `lines`, `copies` pages.
struct MonoPatternPrint {
    std::vector<std::string> lines;
    int copies = 1;
};

// One row of "フィールド編集".
struct MonoPatternEditField {
    std::string name;
    std::string value;
};

// The barcode the preview box shows: the field of the definition (from 0) and the raw value.
struct MonoPatternPreview {
    int fieldIndex = 0;
    std::string value;
};

// Where the barcode goes in the preview box, in mm of a label whose top-left corner is the
// window's origin.
struct PreviewFieldBox {
    int xMm = 0;
    int yMm = 0;
    int widthMm = 0;
    int heightMm = 0;
};

// The box (0.1 mm window units, y upward) as a field position and size, 1 mm inside its edges:
// x = left / 10 + 1, y = 1 - top / 10, width = (right - left) / 10 - 1,
// height = (top - bottom) / 10 - 1.
PreviewFieldBox previewFieldBox(const LogicalRect& box);

// The controls the Enter key moves between; it never closes the dialog.
enum class MonoPatternFocus { Input1, Input2, Input3, Copies, Other };

// Input 1 goes to input 2, else input 3, else the copies box; input 2 goes to input 3, else the
// copies box; everything else goes to the copies box. Input k is shown when k <= inputCount.
MonoPatternFocus focusAfterEnter(MonoPatternFocus from, int inputCount);

class MonoPatternForm {
  public:
    MonoPatternForm(const LabelDefinition& definition, const CszContent& csz,
                    MessageService& messages);

    const std::vector<MonoPatternInput>& inputs() const { return inputs_; }
    int inputCount() const { return static_cast<int>(inputs_.size()); }
    // No input field: a record of the file is chosen instead.
    bool recordListMode() const { return inputs_.empty(); }
    // The records of the file for the drop-down of record-list mode.
    const std::vector<std::string>& records() const { return records_; }

    // Chooses record `index` of the list; an index outside the list is ignored (false).
    bool chooseRecord(int index);
    const MonoPatternRecord& record() const { return record_; }

    // Input k (1..inputCount) was typed into and holds `value`; it becomes the last edited field.
    // Any other k is ignored.
    void setInput(int k, const std::string& value);
    // 0 while no input has been edited.
    int lastEdited() const { return lastEdited_; }

    // Whether `value` would print as a barcode in input k's field: prepared as the print path
    // prepares it, then valid when the validator gives 0, or a check-digit code while the field
    // ignores check digits. A field that is not a barcode (or lies beyond the field table) never
    // is.
    bool valueValid(int k, const std::string& value) const;

    // The barcode to show: the last edited field's value when it is not empty and valid.
    std::optional<MonoPatternPreview> preview() const;
    bool copyEnabled() const { return preview().has_value(); }
    // The preview a moment after opening: input 1 becomes the last edited field when it already
    // holds a valid value. True when the preview shows it.
    bool openingPreview();

    // Draws the preview's barcode into `box` (0.1 mm window units) as the print path would draw
    // its field, with the field's position and size replaced by the box's; nothing without one.
    void drawPreview(DrawSurface& surface, const LogicalRect& box,
                     const BarcodeTextFont& textFont) const;

    int copies() const { return copies_; }
    // A count outside kMinCopies..kMaxCopies is refused (false) and the count is kept.
    bool setCopies(int copies);

    // The first fields of the record, at most kMonoPatternEditFields, named from the name line
    // (or else the definition's field names).
    std::vector<MonoPatternEditField> editFields() const;
    // Writes the edited values into the record, each in its place; `values` beyond the record's
    // fields are left out.
    void applyEdit(const std::vector<std::string>& values);

    // The list and count to print, or nothing after telling the user why not: an empty input
    // field, or in record-list mode no (or an empty) record chosen.
    std::optional<MonoPatternPrint> startPrinting();

  private:
    // The definition's field behind input k, or null when there is none.
    const FieldPlacement* fieldOf(int k) const;
    std::string recordToPrint() const;

    const LabelDefinition& definition_;
    MessageService& messages_;
    std::vector<std::string> names_;
    std::vector<std::string> records_;
    std::vector<MonoPatternInput> inputs_;
    MonoPatternRecord record_;
    int lastEdited_ = 0;
    int copies_ = 1;
};

}  // namespace qv
