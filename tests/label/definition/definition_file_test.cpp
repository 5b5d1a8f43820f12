// Saving and loading definitions through files and the document.
#include "label/definition/definition_file.h"

#include <gtest/gtest.h>

#include "common/message_service.h"
#include "label/definition/bar_serial.h"
#include "label/definition/literal_entry.h"
#include "label/definition/quorvi_doc.h"
#include "tests/label/definition/qvd_bytes.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

using test::TempFolder;

LabelDefinition saveAndLoad(const LabelDefinition& original) {
    CBarSerial writer;
    const std::string bytes = writer.Store(original);
    LabelDefinition loaded;
    CBarSerial reader;
    EXPECT_TRUE(reader.Load(bytes, loaded));
    return loaded;
}

TEST(DefinitionFile, NewDefinitionSavedAndLoadedKeepsItsValuesAndSavesByteIdentical) {
    TempFolder folder;
    const LabelDefinition fresh = newLabelDefinition(2);
    ASSERT_EQ(saveDefinitionFile(folder.file("a.qvd"), fresh, nullptr), DefinitionFileStatus::Ok);
    LabelDefinition loaded;
    ASSERT_EQ(loadDefinitionFile(folder.file("a.qvd"), loaded), DefinitionFileStatus::Ok);
    ASSERT_EQ(saveDefinitionFile(folder.file("b.qvd"), loaded, nullptr), DefinitionFileStatus::Ok);
    EXPECT_EQ(test::readBytes(folder.file("a.qvd")), test::readBytes(folder.file("b.qvd")));

    EXPECT_EQ(loaded.sheet.paperIndex, 1);
    EXPECT_EQ(loaded.sheet.paperWidthMm, 297);
    EXPECT_EQ(loaded.sheet.labelWidthMm, 45);
    EXPECT_EQ(loaded.titleFontName, kDefaultFaceName);
    EXPECT_EQ(loaded.titlePosition, 4);
    EXPECT_EQ(loaded.lastBarcodeKind, 2);
    EXPECT_EQ(loaded.fields[29].fontName, kDefaultFaceName);
    EXPECT_EQ(loaded.fields[29].xMm, -1);
    EXPECT_EQ(loaded.literals[0].xMm, -1);
    EXPECT_EQ(loaded.ruledLines[29].startX, -1);
    EXPECT_EQ(loaded.shortJanNotAligned, 1);
    EXPECT_TRUE(loaded.dataFile.fieldNames.empty());
}

TEST(DefinitionFile, BlankListEntryIsDroppedAndLaterNamesMoveUp) {
    LabelDefinition d;
    d.dataFile.fieldNames = {"A", " ", "B", "", "C"};
    d.dataFile.fieldLengths[2] = 7;
    const LabelDefinition loaded = saveAndLoad(d);
    EXPECT_EQ(loaded.dataFile.fieldNames, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(loaded.dataFile.fieldLengths[2], 7);  // lengths stay in their slots
}

TEST(DefinitionFile, PositionsOfMinusOne) {
    LabelDefinition d;
    d.fields[0].xMm = -1;
    d.fields[0].yMm = -1;
    d.literals[0].xMm = -1;
    const LabelDefinition loaded = saveAndLoad(d);
    EXPECT_EQ(loaded.fields[0].xMm, -1);
    EXPECT_EQ(loaded.fields[0].yMm, 65535);  // only the x columns know 0xFFFF
    EXPECT_EQ(loaded.literals[0].xMm, -1);
}

TEST(DefinitionFile, LiteralTextWithCommaTabOrQuoteReadsBackWhole) {
    LabelDefinition d;
    d.literals[0].entry = makeLiteralEntry({"1,000円", "", 2});
    d.literals[3].entry = makeLiteralEntry({"A\tB", "Arial", 1});
    d.literals[1].entry = makeLiteralEntry({"say \"hi\"", "Arial", 0});
    d.literals[2].entry = makeLiteralEntry({"\\d1", "", 0});
    const LabelDefinition loaded = saveAndLoad(d);
    const LiteralText first = parseLiteralEntry(loaded.literals[0].entry);
    EXPECT_EQ(first.text, "1,000円");
    EXPECT_EQ(first.colourIndex, 2);
    EXPECT_EQ(literalFaceName(first), kDefaultFaceName);
    EXPECT_EQ(parseLiteralEntry(loaded.literals[1].entry).text, "say \"hi\"");
    EXPECT_EQ(parseLiteralEntry(loaded.literals[1].entry).fontName, "Arial");
    EXPECT_EQ(loaded.literals[2].entry, "\\d1,,0");  // a plain text is written as before
    EXPECT_EQ(parseLiteralEntry(loaded.literals[3].entry).text, "A\tB");
    EXPECT_EQ(parseLiteralEntry(loaded.literals[3].entry).fontName, "Arial");
}

TEST(DefinitionFile, StringLengthPrefixForms) {
    LabelDefinition d;
    d.titleText = std::string(254, 'a');                 // one length byte
    d.titleAuxText = std::string(255, 'b');              // 0xFF and a word
    d.dataFile.dataFilePath = std::string(0xFFFE, 'c');  // 0xFF, 0xFFFF and a 32-bit length
    CBarSerial writer;
    const std::string bytes = writer.Store(d);
    EXPECT_NE(bytes.find(std::string("\xFF\xFF\x00", 3) + std::string(255, 'b')),
              std::string::npos);
    EXPECT_NE(bytes.find(std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7) + "ccc"),
              std::string::npos);
    LabelDefinition loaded;
    CBarSerial reader;
    ASSERT_TRUE(reader.Load(bytes, loaded));
    EXPECT_EQ(loaded.titleText, d.titleText);
    EXPECT_EQ(loaded.titleAuxText, d.titleAuxText);
    EXPECT_EQ(loaded.dataFile.dataFilePath, d.dataFile.dataFilePath);
}

TEST(DefinitionFile, SixteenBitStringIsTakenOverAsShiftJis) {
    // A field name written as 16-bit characters: 0xFF, 0xFFFE, then the length in characters.
    CBarSerial writer;
    std::string bytes = writer.Store(LabelDefinition{});
    const std::string wide = std::string(
        "\xFF\xFE\xFF\x02\x42\x30"
        "A\x00",
        8);                     // "あA"
    bytes.replace(0, 1, wide);  // the first name was the empty string (one zero byte)
    LabelDefinition loaded;
    CBarSerial reader;
    ASSERT_TRUE(reader.Load(bytes, loaded));
    ASSERT_EQ(loaded.dataFile.fieldNames.size(), 1u);
    EXPECT_EQ(loaded.dataFile.fieldNames[0],
              "\x82\xa0"
              "A");
}

TEST(DefinitionFile, LoadedSheetSteps) {
    PaperTable papers;
    LabelDefinition free;
    free.sheet.paperIndex = kFreePaperIndex;
    free.sheet.paperWidthMm = 250;
    free.sheet.paperHeightMm = 300;
    free.sheet.maxColumns = 2;
    free.sheet.maxRows = 3;
    LabelDefinition loaded = saveAndLoad(free);
    applyLoadedSheet(loaded, papers);
    EXPECT_EQ(papers.paperSize(kFreePaperIndex).widthMm, 250);
    EXPECT_EQ(papers.paperSize(kFreePaperIndex).heightMm, 300);
    EXPECT_EQ(loaded.sheet.maxColumns, 2);  // stored limits are taken as they are
    EXPECT_EQ(loaded.sheet.maxRows, 3);

    // A4 landscape, first label 15 mm in, 45 x 30 labels: (297-3-15)/45 = 6, (210-10-15)/30 = 6.
    LabelDefinition computed = saveAndLoad(LabelDefinition{});
    applyLoadedSheet(computed, papers);
    EXPECT_EQ(computed.sheet.maxColumns, 6);
    EXPECT_EQ(computed.sheet.maxRows, 6);
    EXPECT_EQ(papers.paperSize(kFreePaperIndex).widthMm, 250);  // a fixed kind leaves it alone

    // A label without width or height fits nothing rather than dividing by zero.
    LabelDefinition empty;
    empty.sheet.labelWidthMm = 0;
    empty.sheet.labelHeightMm = 0;
    applyLoadedSheet(empty, papers);
    EXPECT_EQ(empty.sheet.maxColumns, 0);
    EXPECT_EQ(empty.sheet.maxRows, 0);
}

TEST(DefinitionFile, BitmapSlotOfTwentyCharactersIsEmpty) {
    CBarSerial writer;
    LabelDefinition d;
    d.bitmaps[0] = {"x.bmp", 1, -2, 3, -4};
    std::string bytes = writer.Store(d);
    const std::string stored = "00001,-0002,00003,-0004,x.bmp";
    ASSERT_EQ(bytes.substr(bytes.size() - 1 - stored.size(), stored.size()), stored);
    bytes.replace(bytes.size() - 2 - stored.size(), 1 + stored.size(),
                  "\x14"
                  "00001,00002,00003,00");  // exactly 20 characters
    LabelDefinition loaded;
    CBarSerial reader;
    ASSERT_TRUE(reader.Load(bytes, loaded));
    EXPECT_EQ(loaded.bitmaps[0].path, "");
    EXPECT_EQ(loaded.bitmaps[0].left, 0);
}

TEST(DefinitionFileName, EndsInQvdInAnyCase) {
    EXPECT_TRUE(isDefinitionFileName("/l/SHOP.QVD"));
    EXPECT_TRUE(isDefinitionFileName("shop.qVd"));
    EXPECT_FALSE(isDefinitionFileName("/l/SHOP.TXT"));
    EXPECT_FALSE(isDefinitionFileName("QV"));
    EXPECT_EQ(notADefinitionFileMessage("C:\\L\\SHOP.TXT"),
              "C:\\L\\SHOP.TXT はQuorviが扱えるファイルではありません");
}

// A new sheet (A4 landscape, 45 x 30 mm labels 15 mm in) holds as many labels as fit, as a
// loaded one with zero limits does, not a 0 x 0 grid.
TEST(CQuorviDocTest, ANewDefinitionHasTheLabelsThatFit) {
    RecordingMessageService messages;
    CQuorviDoc doc(messages);
    EXPECT_EQ(doc.definition().sheet.maxColumns, (297 - 15 - 3) / 45);
    EXPECT_EQ(doc.definition().sheet.maxRows, (210 - 15 - 10) / 30);
}

TEST(CQuorviDocTest, FailedOpenAndSaveLeaveTheDocumentAsItWas) {
    TempFolder folder;
    RecordingMessageService messages;
    CQuorviDoc doc(messages);
    LabelDefinition d;
    d.titleText = "first";
    ASSERT_EQ(saveDefinitionFile(folder.file("first.qvd"), d, nullptr), DefinitionFileStatus::Ok);
    ASSERT_TRUE(doc.openDocument(folder.file("first.qvd")));
    EXPECT_TRUE(messages.messages().empty());

    test::writeBytes(folder.file("short.qvd"), "\x01");
    EXPECT_FALSE(doc.openDocument(folder.file("short.qvd")));
    EXPECT_FALSE(doc.openDocument(folder.file("missing.qvd")));
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{kUnexpectedFormatMessage, kCannotOpenDocumentMessage}));
    EXPECT_EQ(doc.definition().titleText, "first");
    EXPECT_EQ(doc.pathName(), folder.file("first.qvd"));

    doc.definition().titleText = "changed";
    doc.setModified();
    EXPECT_FALSE(doc.saveDocument(folder.file("no-such-folder/x.qvd")));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.pathName(), folder.file("first.qvd"));
    ASSERT_EQ(messages.messages().size(), 3u);
    EXPECT_EQ(messages.messages()[2].text.rfind(kCannotSaveDocumentMessage, 0), 0u);

    ASSERT_TRUE(doc.saveDocument(folder.file("second.qvd")));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.definitionFolder(), folder.path());
}

}  // namespace
}  // namespace qv
