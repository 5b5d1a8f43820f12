// The definition file read against an independent writer, and written back item by item.
#include "label/definition/bar_serial.h"

#include <gtest/gtest.h>

#include "label/definition/literal_entry.h"
#include "tests/label/definition/qvd_bytes.h"

namespace qv {
namespace {

using test::QvdBytes;

// A file with a distinct value in every item, written in the order of the format table.
std::string distinctFile() {
    QvdBytes f;
    f.s("CODE").s("NAME").s(" ").s("PRICE").strings(26, "");  // 1 names, one blank
    f.s("Arial").s("").s("Century").strings(27, "");          // 2 faces, one empty
    f.s("ABC,Arial,3").s("\\d1,,0").strings(28, "");          // 3 literals
    f.w(11).w(12).w(40).w(25).w(8);                           // 4 left top w h paper
    f.s("shop.csv");                                          // 5 data file name
    f.w(1);                                                   // 6 skip first line
    f.w(0x1234).w(1).w(3).w(13);                              // 7 reserved fit kind len
    f.w(18);                                                  // 8 title size
    f.s("Gothic");                                            // 9 title face
    f.w(1).w(0).w(1).w(0);                                    // 10 b i u page number
    f.s("TITLE").s("AUX");                                    // 11 title, aux
    f.w(7);                                                   // 12 title position
    f.w(0);                                                   // 13 data file type
    f.s("data/shop.csv");                                     // 14 data file path
    f.w(21).w(22).w(250).w(300);                              // 15 cursor, paper size
    for (int i = 0; i < 30; ++i) f.w(100 + i);                // 16 lengths
    for (int i = 0; i < 30; ++i) f.w(200 + i);                // 17 point sizes
    f.w(5).w(0xFFFF).words(28, 0xFFFF);                       // 18 x (placed, not)
    f.w(0xFFFF).w(9).words(28, 0);                            // 19 y (0xFFFF stays)
    for (int i = 0; i < 30; ++i) f.w(300 + i);                // 20 bar heights
    for (int i = 0; i < 30; ++i) f.w(400 + i);                // 21 bar widths
    f.w(8 | 1).w(64).words(28, 0);                            // 22 attributes
    f.w(12 | (5 << 8)).w(64).words(28, 10);                   // 23 literal size, style
    f.w(2).w(0xFFFF).words(28, 0xFFFF);                       // 24 literal x
    f.w(3).w(4).words(28, 0);                                 // 25 literal y
    f.words(30, 0x5555).words(30, 0x6666);                    // 26, 27 reserved
    f.w(4 | (7 << 8)).w(8 | (19 << 8)).words(28, 0);          // 28 layout, colour
    f.d(1).d(2).d(-3).d(-4);                                  // 29 line 0
    for (int i = 1; i < 30; ++i) f.d(-1).d(0).d(0).d(0);      //    empty lines
    f.w(0).w(1).w(0).w(1).w(3);                               // 30 bar text .. module
    f.w(1).w(9).w(9).w(9);                                    // 31 direction, reserved
    f.w(5).w(1).w(2).w(1).w(0).w(1);                          // 32 colour .. start/stop
    f.d(7).d(7).d(7).d(7);                                    // 33 reserved
    f.d((4 << 16) | 6);                                       // 34 columns, rows
    f.s("r1").s("r2").s("r3");                                // 35 reserved
    f.s("-0010,00020,00300,-0400,img/logo.bmp").s("00001,00002,00003,00004");  // 36 bitmaps
    return f.bytes;
}

TEST(CBarSerialLoad, ReadsEveryItemOfAnIndependentlyWrittenFile) {
    LabelDefinition d;
    CBarSerial record;
    ASSERT_TRUE(record.Load(distinctFile(), d));

    EXPECT_EQ(d.dataFile.fieldNames, (std::vector<std::string>{"CODE", "NAME", "PRICE"}));
    EXPECT_EQ(d.fields[0].fontName, "Arial");
    EXPECT_EQ(d.fields[1].fontName, "Century");  // the empty face entry was dropped
    EXPECT_EQ(d.fields[2].fontName, "");
    EXPECT_EQ(parseLiteralEntry(d.literals[0].entry).text, "ABC");
    EXPECT_EQ(parseLiteralEntry(d.literals[0].entry).colourIndex, 3);
    EXPECT_EQ(parseLiteralEntry(d.literals[1].entry).text, "\\d1");

    const SheetGeometry& s = d.sheet;
    EXPECT_EQ(s.firstLabelLeftMm, 11);
    EXPECT_EQ(s.firstLabelTopMm, 12);
    EXPECT_EQ(s.labelWidthMm, 40);
    EXPECT_EQ(s.labelHeightMm, 25);
    EXPECT_EQ(s.paperIndex, 8);
    EXPECT_EQ(d.dataFile.dataFileName, "shop.csv");
    EXPECT_EQ(d.dataFile.skipFirstLine, 1);
    EXPECT_EQ(d.reservedWord, 0x1234);
    EXPECT_EQ(s.fitToPaperWidth, 1);
    EXPECT_EQ(d.lastBarcodeKind, 3);
    EXPECT_EQ(d.barcodeFixedLength, 13);
    EXPECT_EQ(d.titlePointSize, 18);
    EXPECT_EQ(d.titleFontName, "Gothic");
    EXPECT_EQ(d.titleBold, 1);
    EXPECT_EQ(d.titleUnderline, 1);
    EXPECT_EQ(d.printPageNumber, 0);
    EXPECT_EQ(d.titleText, "TITLE");
    EXPECT_EQ(d.titleAuxText, "AUX");
    EXPECT_EQ(d.titlePosition, 7);
    EXPECT_EQ(d.dataFile.dataFileType, 0);
    EXPECT_EQ(d.dataFile.dataFilePath, "data/shop.csv");
    EXPECT_EQ(d.editorCursorXMm, 21);
    EXPECT_EQ(d.editorCursorYMm, 22);
    EXPECT_EQ(s.paperWidthMm, 250);
    EXPECT_EQ(s.paperHeightMm, 300);
    EXPECT_EQ(d.dataFile.fieldLengths[29], 129);
    EXPECT_EQ(d.fields[29].pointSize, 229);
    EXPECT_EQ(d.fields[0].xMm, 5);
    EXPECT_EQ(d.fields[1].xMm, -1);     // 0xFFFF in an x column: not placed
    EXPECT_EQ(d.fields[0].yMm, 65535);  // 0xFFFF in a y column is an ordinary number
    EXPECT_EQ(d.fields[1].yMm, 9);
    EXPECT_EQ(d.fields[2].barHeightMm, 302);
    EXPECT_EQ(d.fields[2].barWidthMm, 402);
    EXPECT_EQ(d.fields[0].attributes, 9);
    EXPECT_EQ(d.literals[0].pointSize, 12);
    EXPECT_EQ(d.literals[0].style, 5);
    EXPECT_EQ(d.literals[1].pointSize, 64);
    EXPECT_EQ(d.literals[0].xMm, 2);
    EXPECT_EQ(d.literals[1].xMm, -1);
    EXPECT_EQ(d.literals[1].yMm, 4);
    EXPECT_EQ(d.fields[0].layoutFlags, 4);
    EXPECT_EQ(d.fields[0].colourIndex, 7);
    EXPECT_EQ(d.fields[1].colourIndex, 19);
    EXPECT_EQ(d.ruledLines[0].startX, 1);  // the file order is startX, endX, startY, endY
    EXPECT_EQ(d.ruledLines[0].endX, 2);
    EXPECT_EQ(d.ruledLines[0].startY, -3);
    EXPECT_EQ(d.ruledLines[0].endY, -4);
    EXPECT_EQ(d.ruledLines[1].startX, -1);
    EXPECT_EQ(d.barTextFlag, 0);
    EXPECT_EQ(s.noFrameLines, 1);
    EXPECT_EQ(d.printDate, 0);
    EXPECT_EQ(d.directBarPrinting, 1);
    EXPECT_EQ(d.moduleWidth, 3);
    EXPECT_EQ(s.printDirection, 1);
    EXPECT_EQ(d.titleColourIndex, 5);
    EXPECT_EQ(d.forceCheckCharacter, 1);
    EXPECT_EQ(d.pageBreakField, 2);
    EXPECT_EQ(d.printOnStart, 1);
    EXPECT_EQ(d.shortJanNotAligned, 0);
    EXPECT_EQ(d.addStartStop, 1);
    EXPECT_EQ(s.maxColumns, 4);
    EXPECT_EQ(s.maxRows, 6);
    EXPECT_EQ(d.bitmaps[0].left, -10);
    EXPECT_EQ(d.bitmaps[0].top, 20);
    EXPECT_EQ(d.bitmaps[0].right, 300);
    EXPECT_EQ(d.bitmaps[0].bottom, -400);
    EXPECT_EQ(d.bitmaps[0].path, "img/logo.bmp");
    EXPECT_EQ(d.bitmaps[1].path, "");  // 23 characters but no path item
    EXPECT_EQ(d.serialStartNumber, 1);
}

TEST(CBarSerialStore, WritesTheItemsBackInFileOrderWithReservedItemsZeroed) {
    LabelDefinition d;
    CBarSerial reader;
    ASSERT_TRUE(reader.Load(distinctFile(), d));
    CBarSerial writer;
    const std::string written = writer.Store(d);

    // Expected: the same file with the blank list entries dropped, reserved items written as
    // zero or empty, and the bitmap slot that had no path written empty.
    std::string expected = distinctFile();
    auto replace = [&](const std::string& from, const std::string& to) {
        const size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    replace(std::string("\x04NAME\x01 \x05PRICE", 13), std::string("\x04NAME\x05PRICE\x00", 12));
    replace(std::string("\x05"
                        "Arial\x00\x07"
                        "Century",
                        15),
            std::string("\x05"
                        "Arial\x07"
                        "Century\x00",
                        15));
    replace(std::string(60, 'U'), std::string(60, '\0'));  // 0x5555 words
    replace(std::string(60, 'f'), std::string(60, '\0'));  // 0x6666 words
    replace(std::string("\x01\x00\x09\x00\x09\x00\x09\x00", 8),
            std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8));
    replace(std::string("\x07\0\0\0\x07\0\0\0\x07\0\0\0\x07\0\0\0", 16), std::string(16, '\0'));
    replace("\x02r1\x02r2\x02r3", std::string(3, '\0'));
    replace(std::string("\x17"
                        "00001,00002,00003,00004"),
            std::string(1, '\0'));
    EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace qv
