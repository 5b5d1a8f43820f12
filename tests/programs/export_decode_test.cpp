// The exported sheets as a user gets them: quorvi32 --export writes PNG pages and PDFs whose
// barcodes an independent decoder (zbarimg) reads back and whose texts pdftotext finds.
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "label/definition/definition_file.h"
#include "label/definition/literal_entry.h"
#include "tests/programs/program_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

using test::lines;
using test::run;

struct Symbology {
    const char* name;
    int attributes;                      // kind bits, bit 0: the text under the bars
    std::array<const char*, 2> values;   // one per label: zbar reports equal symbols once
    std::array<const char*, 2> decoded;  // what zbar reports: Codabar upper-cased, CODE 39
                                         // without its '*', sorted
};

// Valid values with their check characters worked out by hand:
// EAN-13 490123456789|4 and 451234567890|6 (sum 104), EAN-8 4912345|6 (4·3+9+1·3+2+3·3+4+5·3 =
// 54) and 9638507|4, ITF 1234567|0 (7·3+6+5·3+4+3·3+2+1·3 = 60) and 9876543|0 (sum 90).
const Symbology kSymbologies[] = {
    {"ean13", 8 | 1, {"4901234567894", "4512345678906"}, {"4512345678906", "4901234567894"}},
    {"ean8", 8 | 1, {"49123456", "96385074"}, {"49123456", "96385074"}},
    {"itf", 16 | 1, {"12345670", "98765430"}, {"12345670", "98765430"}},
    {"nw7", 32 | 1, {"a12345-6a", "b98765b"}, {"A12345-6A", "B98765B"}},
    {"code39", 64 | 1, {"*ABC-123*", "*XYZ.9*"}, {"ABC-123", "XYZ.9"}},
};

class ExportDecodeTest : public ::testing::Test {
  protected:
    // A4 portrait, 2 x 3 labels of 90 x 80 mm; one barcode field per label and a text field.
    LabelDefinition definition(const Symbology& s, int widthMm, int heightMm) {
        LabelDefinition d = test::twoByThreeSheet();
        d.titleText = "Export check";
        d.fields[0] = {8, 10, kDefaultFaceName, 10, widthMm, heightMm, s.attributes, 0, 0};
        d.fields[1] = {8, 2, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
        d.shortJanNotAligned = 1;
        return d;
    }

    void write(const LabelDefinition& d, const std::string& first, const std::string& second) {
        ASSERT_EQ(saveDefinitionFile(folder.file("sheet.qvd"), d, nullptr),
                  DefinitionFileStatus::Ok);
        test::writeBytes(folder.file("data.csv"), first + ",NAME1\r\n" + second + ",NAME2\r\n");
    }
    void write(const LabelDefinition& d, const Symbology& s) { write(d, s.values[0], s.values[1]); }
    void write(const LabelDefinition& d, const std::string& value) { write(d, value, value); }

    int exportTo(const std::string& output, const std::string& options = "") {
        const std::string command = std::string(QUORVI32_PATH) + " --export " + output +
                                    " --time \"1997-10-10 14:05:09\" " + options + " " +
                                    folder.file("sheet.qvd") + " 2>" + folder.file("err.txt");
        return std::system(command.c_str());
    }

    std::vector<std::string> decode(const std::string& image) { return test::decodeSymbols(image); }

    // Exports the sheet to PNG at 300 and 600 dpi and to PDF (read at 300 dpi); each has the
    // two labels' symbols, decoded to `decoded`.
    // 600 dpi pages take zbar several seconds, so only the horizontal symbols are read there.
    void expectDecodes(const Symbology& s, const std::string& what, bool at600 = false) {
        const std::vector<std::string> expected = {s.decoded[0], s.decoded[1]};
        for (const char* dpi : {"300", "600"}) {
            if (!at600 && std::string(dpi) == "600") continue;
            ASSERT_EQ(exportTo(folder.file("page.png"), std::string("--dpi ") + dpi), 0) << what;
            EXPECT_EQ(decode(folder.file("page-1.png")), expected)
                << what << " at " << dpi << " dpi";
        }
        ASSERT_EQ(exportTo(folder.file("sheet.pdf")), 0) << what;
        run("pdftoppm -r 300 -png " + folder.file("sheet.pdf") + " " + folder.file("pdf"));
        EXPECT_EQ(decode(folder.file("pdf-1.png")), expected) << what << " from the PDF";
    }

    test::TempFolder folder;
};

TEST_F(ExportDecodeTest, ZbarIsInstalled) {
    ASSERT_FALSE(run("command -v zbarimg").empty()) << "zbarimg missing: install zbar-tools";
    ASSERT_FALSE(run("command -v pdftotext").empty()) << "pdftotext missing: install poppler-utils";
}

TEST_F(ExportDecodeTest, EverySymbologyHorizontalWithAndWithoutText) {
    for (const Symbology& s : kSymbologies) {
        LabelDefinition d = definition(s, 70, 30);
        write(d, s);
        expectDecodes(s, s.name, true);
        d.fields[0].attributes &= ~1;  // no text under the bars
        write(d, s);
        expectDecodes(s, std::string(s.name) + " without text", true);
    }
}

TEST_F(ExportDecodeTest, VerticalSymbolsFacingRightAndLeft) {
    for (const Symbology& s : kSymbologies) {
        for (int flags : {0, 8}) {  // bit 3: facing left
            LabelDefinition d = definition(s, 30, 65);
            d.fields[0].layoutFlags = flags;
            write(d, s);
            expectDecodes(s, std::string(s.name) + (flags ? " left" : " right"));
        }
    }
}

TEST_F(ExportDecodeTest, DirectBarsWithEveryModuleWidth) {
    // Direct bars have fixed widths and stop at the label's edge, so the values are short
    // enough for module width 3 (NW7 a123a: 37 + 3 x 33 + 37 = 173 units, x 3 = 52 mm).
    const Symbology direct[] = {
        {"nw7", 32 | 1, {"a123a", "b987b"}, {"A123A", "B987B"}},
        {"code39", 64 | 1, {"*A1*", "*Z9*"}, {"A1", "Z9"}},
    };
    for (const Symbology& s : direct) {
        for (int moduleWidth = 1; moduleWidth <= 3; ++moduleWidth) {
            LabelDefinition d = definition(s, 70, 30);
            d.directBarPrinting = 1;
            d.moduleWidth = moduleWidth;
            write(d, s);
            expectDecodes(s, std::string(s.name) + " direct " + std::to_string(moduleWidth));
        }
    }
}

TEST_F(ExportDecodeTest, Ean8AlignedWithEan13) {
    LabelDefinition d = definition(kSymbologies[1], 70, 30);
    d.shortJanNotAligned = 0;
    write(d, kSymbologies[1]);
    expectDecodes(kSymbologies[1], "ean8 aligned");
}

TEST_F(ExportDecodeTest, PdfHoldsRealText) {
    LabelDefinition d = definition(kSymbologies[0], 70, 30);
    d.literals[0] = {makeLiteralEntry({"\\d2", "", 0}), 10, 0, 50, 2};
    write(d, kSymbologies[0]);
    ASSERT_EQ(exportTo(folder.file("sheet.pdf")), 0);
    const std::string text = run("pdftotext " + folder.file("sheet.pdf") + " -");
    for (const char* expected : {"Export check", "NAME1", "NAME2", "Page 1", "1997.10.10"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in:\n" << text;
    }
}

// The last free label of a partly used sheet takes the first record; the second goes on page 2.
TEST_F(ExportDecodeTest, APartlyUsedSheetBeginsAtTheLabelGiven) {
    write(definition(kSymbologies[0], 70, 30), kSymbologies[0]);
    ASSERT_EQ(exportTo(folder.file("part.pdf"), "--first-label 6"), 0);
    const std::string info = run("pdfinfo " + folder.file("part.pdf"));
    EXPECT_EQ(std::stoi(info.substr(info.find("Pages:") + 6)), 2) << info;
    const std::string first = run("pdftotext -f 1 -l 1 " + folder.file("part.pdf") + " -");
    EXPECT_NE(first.find("NAME1"), std::string::npos) << first;
    EXPECT_EQ(first.find("NAME2"), std::string::npos) << first;
    EXPECT_EQ(exportTo(folder.file("beyond.pdf"), "--first-label 7"), 2 << 8);
    EXPECT_NE(test::readBytes(folder.file("err.txt")).find("the sheet has 6 labels"),
              std::string::npos);
}

TEST_F(ExportDecodeTest, CopiesPerRecordFromANumberOrAField) {
    write(definition(kSymbologies[0], 70, 30), kSymbologies[0]);
    ASSERT_EQ(exportTo(folder.file("copies.pdf"), "--copies-per-record 3"), 0);
    const std::string text = run("pdftotext " + folder.file("copies.pdf") + " -");
    size_t named = 0;
    for (size_t at = text.find("NAME1"); at != std::string::npos; at = text.find("NAME1", at + 1)) {
        ++named;
    }
    EXPECT_EQ(named, 3u) << text;
    // The barcode values are no counts: one label each, and the records are named.
    EXPECT_EQ(exportTo(folder.file("field.pdf"), "--copies-field CODE"), 0);
    const std::string told = test::readBytes(folder.file("err.txt"));
    EXPECT_NE(told.find("レコード 1: \"4901234567894\""), std::string::npos) << told;
    EXPECT_NE(told.find("レコード 2:"), std::string::npos) << told;
    EXPECT_EQ(exportTo(folder.file("none.pdf"), "--copies-field NOPE"), 2 << 8);
    EXPECT_NE(test::readBytes(folder.file("err.txt")).find("no such field"), std::string::npos);
}

TEST_F(ExportDecodeTest, BadDefinitionsFinishWithMessages) {
    LabelDefinition d = definition(kSymbologies[0], 70, 30);
    d.dataFile.dataFilePath = "missing.csv";
    write(d, "x");
    // Reported when the definition opens; a run without its records prints nothing.
    EXPECT_EQ(exportTo(folder.file("missing.pdf")), 1 << 8);
    EXPECT_NE(test::readBytes(folder.file("err.txt")).find("データファイルが存在しません"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.pdf")));

    d = definition(kSymbologies[0], 70, 30);
    d.fields[0].xMm = 5000;  // outside label and paper
    d.fields[1].yMm = 60000;
    write(d, "4901234567894");
    EXPECT_EQ(exportTo(folder.file("outside.pdf")), 0);

    for (int size : {0, 60000}) {
        d = definition(kSymbologies[0], 70, 30);
        d.sheet.labelWidthMm = size;
        d.sheet.labelHeightMm = size;
        d.sheet.maxColumns = 0;
        d.sheet.maxRows = 0;
        write(d, "4901234567894");
        EXPECT_LE(exportTo(folder.file("size.pdf")) >> 8, 1) << size;  // finishes, no crash
    }

    d = definition(kSymbologies[0], 70, 30);
    d.dataFile.fieldNames.clear();
    for (int k = 0; k < kMaxFields; ++k) {
        d.dataFile.fieldNames.push_back("F" + std::to_string(k));
        d.dataFile.fieldLengths[static_cast<size_t>(k)] = 500;
        d.fields[static_cast<size_t>(k)] = {1, k, kDefaultFaceName, 8, 20, 10, k % 5 == 0 ? 8 : 0,
                                            0, 0};
    }
    ASSERT_EQ(saveDefinitionFile(folder.file("sheet.qvd"), d, nullptr), DefinitionFileStatus::Ok);
    std::string record;
    for (int k = 0; k < kMaxFields; ++k) record += (k ? "," : "") + std::string(500, 'A' + k % 26);
    test::writeBytes(folder.file("data.csv"), record + "\n");
    EXPECT_EQ(exportTo(folder.file("wide.pdf")), 0);
}

TEST_F(ExportDecodeTest, BundledExampleSheet) {
    // 14 records of shop.csv on sheets of 12: every label of page 1 has a JAN and a CODE 39.
    const std::string command = std::string(QUORVI32_PATH) + " --export " +
                                folder.file("shop.pdf") + " " + QUORVI_SOURCE_DIR +
                                "/examples/shop.qvd 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(run("pdfinfo " + folder.file("shop.pdf")).find("Pages:           2"),
              std::string::npos);
    run("pdftoppm -r 300 -f 1 -l 1 -png " + folder.file("shop.pdf") + " " + folder.file("shop"));
    const std::vector<std::string> found = decode(folder.file("shop-1.png"));
    EXPECT_EQ(found.size(), 24u);
    EXPECT_TRUE(std::find(found.begin(), found.end(), "4912345100108") != found.end());
    EXPECT_TRUE(std::find(found.begin(), found.end(), "A-1001") != found.end());
    EXPECT_NE(run("pdftotext " + folder.file("shop.pdf") + " -").find("北海道産"),
              std::string::npos);
}

TEST_F(ExportDecodeTest, RefusedArguments) {
    write(definition(kSymbologies[0], 70, 30), "4901234567894");
    EXPECT_EQ(exportTo(folder.file("out.jpg")) >> 8, 2);
    const std::string missing = std::string(QUORVI32_PATH) + " --export " + folder.file("x.pdf") +
                                " " + folder.file("none.qvd") + " 2>/dev/null";
    EXPECT_EQ(std::system(missing.c_str()) >> 8, 2);
}

// The same sheet from a Shift-JIS file and from its UTF-8 conversion (with and without a
// byte-order mark) gives the same pages: the same text, the same barcodes. A character that
// Shift-JIS cannot hold still prints from the UTF-8 file.
TEST_F(ExportDecodeTest, Utf8AndShiftJisDataPrintTheSamePages) {
    const Symbology& ean = kSymbologies[0];
    LabelDefinition d = definition(ean, 70, 30);
    write(d, ean);
    const std::string sjis = "4901234567894,\x8f\xa4\x95\x69\r\n4512345678906,\x89\xbf\x8a\x69\r\n";
    const std::string utf8 = "4901234567894,商品\r\n4512345678906,価格\r\n";
    std::vector<std::string> texts;
    for (const std::string& bytes : {sjis, utf8, std::string("\xEF\xBB\xBF") + utf8}) {
        test::writeBytes(folder.file("data.csv"), bytes);
        ASSERT_EQ(exportTo(folder.file("sheet.pdf")), 0) << test::readBytes(folder.file("err.txt"));
        texts.push_back(run("pdftotext -layout " + folder.file("sheet.pdf") + " -"));
        run("pdftoppm -r 300 -png " + folder.file("sheet.pdf") + " " + folder.file("pdf"));
        EXPECT_EQ(decode(folder.file("pdf-1.png")),
                  (std::vector<std::string>{ean.decoded[0], ean.decoded[1]}));
    }
    EXPECT_NE(texts[0].find("商品"), std::string::npos) << texts[0];
    EXPECT_EQ(texts[1], texts[0]);
    EXPECT_EQ(texts[2], texts[0]);

    // "é" has no Shift-JIS form, and the fonts have it; --encoding utf8 is given as well.
    test::writeBytes(folder.file("data.csv"), "4901234567894,Café\r\n4512345678906,x\r\n");
    ASSERT_EQ(exportTo(folder.file("sheet.pdf"), "--encoding utf8"), 0);
    EXPECT_NE(run("pdftotext " + folder.file("sheet.pdf") + " -").find("Café"), std::string::npos);
}

}  // namespace
}  // namespace qv
