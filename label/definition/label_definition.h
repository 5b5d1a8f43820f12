// The label definition: everything that describes one sheet of labels.
//
// One plain structure with fixed-size tables, held once by the document. Texts that the
// definition file holds are Shift-JIS bytes; lengths and positions are whole millimetres unless
// a name says otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

constexpr int kMaxFields = 30;      // data file fields, and field placements
constexpr int kMaxLiterals = 30;    // literal slots
constexpr int kMaxRuledLines = 30;  // ruled-line slots
constexpr int kBitmapSlots = 2;

// "ＭＳ 明朝" in Shift-JIS: the default face of fields, literals and the title.
inline const std::string kDefaultFaceName = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9";

// The sheet: paper, label size and the label grid.
struct SheetGeometry {
    int paperIndex = 1;       // row of the paper table
    int paperWidthMm = 297;   // size of the current paper (the user's for the free size)
    int paperHeightMm = 210;  //
    int labelWidthMm = 45;    // one label, also the pitch of the grid
    int labelHeightMm = 30;   //
    int firstLabelLeftMm = 15;
    int firstLabelTopMm = 15;
    int fitToPaperWidth = 0;  // the label width follows the paper width
    int noFrameLines = 0;     // the label outlines are not printed
    int maxColumns = 0;       // labels across one page; 0 = computed when a file is loaded
    int maxRows = 0;          // labels down one page; likewise
    int printDirection = 0;   // 0 = N order (down each column first), 1 = Z order (across rows)
};

// The data file part of a definition.
struct DataFileSpec {
    std::string dataFilePath;  // as stored: may be relative to the definition's folder
    std::string dataFileName;
    int dataFileType = 1;                 // 1 = comma-separated (also CSZ), 0 = fixed-length text
    int skipFirstLine = 0;                // the first line of the data file is skipped
    std::vector<std::string> fieldNames;  // at most kMaxFields, in record order
    std::array<int, kMaxFields> fieldLengths{};  // bytes (fixed) or maximum length (comma)
};

// How one data file field is drawn on every label.
struct FieldPlacement {
    int xMm = -1;  // -1: not placed
    int yMm = 0;
    std::string fontName = kDefaultFaceName;  // empty: no entry in the face list
    int pointSize = 10;
    int barWidthMm = 0;
    int barHeightMm = 0;
    int attributes = 0;   // kind, style or barcode options: the bits are in definition_bits.h
    int layoutFlags = 0;  // alignment, vertical text, bars facing left: likewise
    int colourIndex = 0;
};

// A fixed text on every label. Text, face and colour are kept together as one entry
// "text,face,colour" (see literal_entry.h); an entry that is empty or one blank is no literal.
struct LiteralPlacement {
    std::string entry;
    int pointSize = 10;  // 1..64
    int style = 0;       // bold, italic, underline: the bits are in definition_bits.h
    int xMm = -1;        // -1: the slot is empty
    int yMm = 0;
};

// A ruled line of every label; y values are stored negated (0 at the label's top, negative down).
struct RuledLine {
    int32_t startX = -1;  // -1: the slot is empty
    int32_t startY = 0;
    int32_t endX = 0;
    int32_t endY = 0;
};

// A bitmap and its rectangle in tenths of a millimetre, y upward from the label's top edge.
struct BitmapPlacement {
    std::string path;  // as stored; empty: the slot is empty
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct LabelDefinition {
    SheetGeometry sheet;
    int serialStartNumber = 1;  // start of the label running number; not kept in the file

    // Page title and footer.
    std::string titleText;
    std::string titleFontName = kDefaultFaceName;
    int titlePointSize = 14;
    int titleBold = 0;
    int titleItalic = 0;
    int titleUnderline = 0;
    int titleColourIndex = 0;
    int titlePosition = 4;  // 3 x vertical (top, middle, bottom) + horizontal (left, centre, right)
    std::string titleAuxText;
    int printPageNumber = 1;
    int printDate = 1;

    DataFileSpec dataFile;
    std::array<FieldPlacement, kMaxFields> fields{};
    std::array<LiteralPlacement, kMaxLiterals> literals{};
    std::array<RuledLine, kMaxRuledLines> ruledLines{};
    std::array<BitmapPlacement, kBitmapSlots> bitmaps{};

    // Barcode standard settings.
    int moduleWidth = 1;  // 1..3, for direct bar printing
    int directBarPrinting = 0;
    int forceCheckCharacter = 0;
    int addStartStop = 0;
    int shortJanNotAligned = 1;
    int barcodeFixedLength = 0;  // above 0: every barcode value must have this many characters
    int barTextFlag = 1;
    int lastBarcodeKind = 0;  // the kind last chosen in the editor; from the settings

    // Printing options.
    int printOnStart = 0;
    int pageBreakField = 0;  // 0 none; n: a new page when field n (1-based) changes
    int editorCursorXMm = 0;
    int editorCursorYMm = 0;

    // The word that leads item 7 of the file; no meaning is known, so it is kept as read.
    int reservedWord = 0;
};

// A new definition; `lastBarcodeKind` comes from the settings file.
LabelDefinition newLabelDefinition(int lastBarcodeKind = 0);

// True when a name or list entry counts: it is neither empty nor one blank.
bool isListEntry(const std::string& entry);

// The number of data file fields: names up to the first empty or one-blank name.
int fieldCount(const DataFileSpec& spec);

// The colour table: index 0..19 as 0x00BBGGRR; any other index is black.
uint32_t colourOfIndex(int index);
constexpr int kColourCount = 20;

}  // namespace qv
