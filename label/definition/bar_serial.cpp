#include "label/definition/bar_serial.h"

#include <array>
#include <vector>

#include "label/definition/archive.h"
#include "label/definition/bitmap_slot.h"
#include "label/definition/definition_bits.h"

namespace qv {

namespace {

constexpr int kListLength = 30;         // every string list of the file has 30 items
constexpr int kNotPlacedWord = 0xFFFF;  // a field or literal x of -1 as a word
constexpr int kReservedStrings = 3;
constexpr int kReservedDwords = 4;

using StringList = std::array<std::string, kListLength>;

// Copy-out of a string list: entries that are empty or one blank are dropped, the rest keep their
// order and come first, and empty strings fill the list to 30 items.
StringList compacted(const std::vector<std::string>& entries) {
    StringList list;
    size_t next = 0;
    for (const std::string& entry : entries) {
        if (isListEntry(entry) && next < list.size()) list[next++] = entry;
    }
    return list;
}

std::vector<std::string> listEntries(const StringList& list) {
    std::vector<std::string> entries;
    for (const std::string& entry : list) {
        if (isListEntry(entry)) entries.push_back(entry);
    }
    return entries;
}

int wordOfPosition(int xMm) {
    return xMm == -1 ? kNotPlacedWord : xMm;
}
int positionOfWord(int word) {
    return word == kNotPlacedWord ? -1 : word;
}

template <typename Slots, typename Getter>
std::vector<std::string> stringsOf(const Slots& slots, Getter get) {
    std::vector<std::string> out;
    out.reserve(slots.size());
    for (const auto& slot : slots) out.push_back(get(slot));
    return out;
}

void writeStringList(ArchiveWriter& out, const std::vector<std::string>& entries) {
    for (const std::string& entry : compacted(entries)) out.string(entry);
}

template <typename Slots, typename Getter>
void writeWords(ArchiveWriter& out, const Slots& slots, Getter get) {
    for (const auto& slot : slots) out.word(get(slot));
}

void writeSheetAndTitle(ArchiveWriter& out, const LabelDefinition& d) {
    const SheetGeometry& s = d.sheet;
    for (int value :
         {s.firstLabelLeftMm, s.firstLabelTopMm, s.labelWidthMm, s.labelHeightMm, s.paperIndex}) {
        out.word(value);
    }
    out.string(d.dataFile.dataFileName);
    out.word(d.dataFile.skipFirstLine);
    for (int value : {d.reservedWord, s.fitToPaperWidth, d.lastBarcodeKind, d.barcodeFixedLength}) {
        out.word(value);
    }
    out.word(d.titlePointSize);
    out.string(d.titleFontName);
    for (int value : {d.titleBold, d.titleItalic, d.titleUnderline, d.printPageNumber}) {
        out.word(value);
    }
    out.string(d.titleText);
    out.string(d.titleAuxText);
    out.word(d.titlePosition);
    out.word(d.dataFile.dataFileType);
    out.string(d.dataFile.dataFilePath);
    for (int value : {d.editorCursorXMm, d.editorCursorYMm, s.paperWidthMm, s.paperHeightMm}) {
        out.word(value);
    }
}

void writePlacements(ArchiveWriter& out, const LabelDefinition& d) {
    for (int length : d.dataFile.fieldLengths) out.word(length);
    writeWords(out, d.fields, [](const FieldPlacement& f) { return f.pointSize; });
    writeWords(out, d.fields, [](const FieldPlacement& f) { return wordOfPosition(f.xMm); });
    writeWords(out, d.fields, [](const FieldPlacement& f) { return f.yMm; });
    writeWords(out, d.fields, [](const FieldPlacement& f) { return f.barHeightMm; });
    writeWords(out, d.fields, [](const FieldPlacement& f) { return f.barWidthMm; });
    writeWords(out, d.fields, [](const FieldPlacement& f) { return f.attributes; });
    writeWords(out, d.literals, [](const LiteralPlacement& l) { return literalSizeWord(l); });
    writeWords(out, d.literals, [](const LiteralPlacement& l) { return wordOfPosition(l.xMm); });
    writeWords(out, d.literals, [](const LiteralPlacement& l) { return l.yMm; });
    for (int i = 0; i < 2 * kListLength; ++i) out.word(0);  // two reserved word columns
    writeWords(out, d.fields, [](const FieldPlacement& f) { return fieldLayoutWord(f); });
    for (const RuledLine& line : d.ruledLines) {
        for (int32_t value : {line.startX, line.endX, line.startY, line.endY}) out.dword(value);
    }
}

void writeSettings(ArchiveWriter& out, const LabelDefinition& d) {
    for (int value :
         {d.barTextFlag, d.sheet.noFrameLines, d.printDate, d.directBarPrinting, d.moduleWidth}) {
        out.word(value);
    }
    for (int value : {d.sheet.printDirection, 0, 0, 0}) out.word(value);
    for (int value : {d.titleColourIndex, d.forceCheckCharacter, d.pageBreakField, d.printOnStart,
                      d.shortJanNotAligned, d.addStartStop}) {
        out.word(value);
    }
    for (int i = 0; i < kReservedDwords; ++i) out.dword(0);
    const uint32_t grid = (static_cast<uint32_t>(d.sheet.maxColumns) << 16) |
                          (static_cast<uint32_t>(d.sheet.maxRows) & 0xFFFF);
    out.dword(static_cast<int32_t>(grid));
    for (int i = 0; i < kReservedStrings; ++i) out.string("");
    for (const BitmapPlacement& bitmap : d.bitmaps) out.string(bitmapSlotString(bitmap));
}

StringList readStringList(ArchiveReader& in) {
    StringList list;
    for (std::string& entry : list) entry = in.string();
    return list;
}

template <typename Slots, typename Setter>
void readWords(ArchiveReader& in, Slots& slots, Setter set) {
    for (auto& slot : slots) set(slot, in.word());
}

void readSheetAndTitle(ArchiveReader& in, LabelDefinition& d) {
    SheetGeometry& s = d.sheet;
    for (int* value : {&s.firstLabelLeftMm, &s.firstLabelTopMm, &s.labelWidthMm, &s.labelHeightMm,
                       &s.paperIndex}) {
        *value = in.word();
    }
    d.dataFile.dataFileName = in.string();
    d.dataFile.skipFirstLine = in.word();
    for (int* value :
         {&d.reservedWord, &s.fitToPaperWidth, &d.lastBarcodeKind, &d.barcodeFixedLength}) {
        *value = in.word();
    }
    d.titlePointSize = in.word();
    d.titleFontName = in.string();
    for (int* value : {&d.titleBold, &d.titleItalic, &d.titleUnderline, &d.printPageNumber}) {
        *value = in.word();
    }
    d.titleText = in.string();
    d.titleAuxText = in.string();
    d.titlePosition = in.word();
    d.dataFile.dataFileType = in.word();
    d.dataFile.dataFilePath = in.string();
    for (int* value : {&d.editorCursorXMm, &d.editorCursorYMm, &s.paperWidthMm, &s.paperHeightMm}) {
        *value = in.word();
    }
}

void readPlacements(ArchiveReader& in, LabelDefinition& d) {
    for (int& length : d.dataFile.fieldLengths) length = in.word();
    readWords(in, d.fields, [](FieldPlacement& f, int w) { f.pointSize = w; });
    readWords(in, d.fields, [](FieldPlacement& f, int w) { f.xMm = positionOfWord(w); });
    readWords(in, d.fields, [](FieldPlacement& f, int w) { f.yMm = w; });
    readWords(in, d.fields, [](FieldPlacement& f, int w) { f.barHeightMm = w; });
    readWords(in, d.fields, [](FieldPlacement& f, int w) { f.barWidthMm = w; });
    readWords(in, d.fields, [](FieldPlacement& f, int w) { f.attributes = w; });
    readWords(in, d.literals, [](LiteralPlacement& l, int w) { setLiteralSizeWord(l, w); });
    readWords(in, d.literals, [](LiteralPlacement& l, int w) { l.xMm = positionOfWord(w); });
    readWords(in, d.literals, [](LiteralPlacement& l, int w) { l.yMm = w; });
    for (int i = 0; i < 2 * kListLength; ++i) in.word();  // two reserved word columns
    readWords(in, d.fields, [](FieldPlacement& f, int w) { setFieldLayoutWord(f, w); });
    for (RuledLine& line : d.ruledLines) {
        for (int32_t* value : {&line.startX, &line.endX, &line.startY, &line.endY}) {
            *value = in.dword();
        }
    }
}

void readSettings(ArchiveReader& in, LabelDefinition& d) {
    for (int* value : {&d.barTextFlag, &d.sheet.noFrameLines, &d.printDate, &d.directBarPrinting,
                       &d.moduleWidth}) {
        *value = in.word();
    }
    d.sheet.printDirection = in.word();
    for (int i = 0; i < 3; ++i) in.word();  // reserved
    for (int* value : {&d.titleColourIndex, &d.forceCheckCharacter, &d.pageBreakField,
                       &d.printOnStart, &d.shortJanNotAligned, &d.addStartStop}) {
        *value = in.word();
    }
    for (int i = 0; i < kReservedDwords; ++i) in.dword();
    const auto grid = static_cast<uint32_t>(in.dword());
    d.sheet.maxColumns = static_cast<int>(grid >> 16);
    d.sheet.maxRows = static_cast<int>(grid & 0xFFFF);
    for (int i = 0; i < kReservedStrings; ++i) in.string();
    for (BitmapPlacement& bitmap : d.bitmaps) bitmap = parseBitmapSlot(in.string());
}

// Copy-in of the three lists: blank entries are dropped and the rest fill the slots in order.
void takeStringLists(const StringList& names, const StringList& faces, const StringList& literals,
                     LabelDefinition& d) {
    d.dataFile.fieldNames = listEntries(names);
    const std::vector<std::string> faceEntries = listEntries(faces);
    for (size_t i = 0; i < d.fields.size(); ++i) {
        d.fields[i].fontName = i < faceEntries.size() ? faceEntries[i] : std::string();
    }
    const std::vector<std::string> literalEntries = listEntries(literals);
    for (size_t i = 0; i < d.literals.size(); ++i) {
        d.literals[i].entry = i < literalEntries.size() ? literalEntries[i] : std::string();
    }
}

}  // namespace

CBarSerial::CBarSerial(int lastBarcodeKind) : record_(newLabelDefinition(lastBarcodeKind)) {}

std::string CBarSerial::Store(const LabelDefinition& current) {
    record_ = current;
    ArchiveWriter out;
    const LabelDefinition& d = record_;
    writeStringList(out, d.dataFile.fieldNames);
    writeStringList(out, stringsOf(d.fields, [](const FieldPlacement& f) { return f.fontName; }));
    writeStringList(out, stringsOf(d.literals, [](const LiteralPlacement& l) { return l.entry; }));
    writeSheetAndTitle(out, d);
    writePlacements(out, d);
    writeSettings(out, d);
    return out.bytes();
}

bool CBarSerial::Load(std::string_view bytes, LabelDefinition& current) {
    ArchiveReader in(bytes);
    const StringList names = readStringList(in);
    const StringList faces = readStringList(in);
    const StringList literals = readStringList(in);
    LabelDefinition loaded = record_;
    readSheetAndTitle(in, loaded);
    readPlacements(in, loaded);
    readSettings(in, loaded);
    if (!in.ok()) return false;
    takeStringLists(names, faces, literals, loaded);
    loaded.serialStartNumber = 1;
    record_ = loaded;
    current = record_;
    return true;
}

}  // namespace qv
