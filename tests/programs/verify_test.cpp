// quorvi32 --verify: every page rendered as the printer gets it and every barcode read back with
// zxing-cpp; labels that do not read as their value are named and nothing is output then.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "label/definition/definition_file.h"
#include "tests/programs/program_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

constexpr int kEan13 = 8;
constexpr int kIgnoreCheckDigit = 2;

class VerifyTest : public ::testing::Test {
  protected:
    // A4 portrait, 2 x 3 labels of 90 x 80 mm; a barcode field and a text field per label.
    LabelDefinition definition(int attributes, int xMm, int widthMm, int heightMm) {
        LabelDefinition d = test::twoByThreeSheet();
        d.fields[0] = {xMm, 10, kDefaultFaceName, 10, widthMm, heightMm, attributes, 0, 0};
        d.fields[1] = {8, 60, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
        return d;
    }

    void write(const LabelDefinition& d, const std::string& records) {
        ASSERT_EQ(saveDefinitionFile(folder.file("sheet.qvd"), d, nullptr),
                  DefinitionFileStatus::Ok);
        test::writeBytes(folder.file("data.csv"), records);
    }

    int verify(const std::string& options = "") {
        const std::string command = std::string(QUORVI32_PATH) + " --verify " + options + " " +
                                    folder.file("sheet.qvd") + " 2>" + folder.file("err.txt");
        return WEXITSTATUS(std::system(command.c_str()));
    }
    std::string messages() const { return test::readBytes(folder.file("err.txt")); }

    test::TempFolder folder;
};

// Values as in the export tests, with their check characters worked out by hand; each kind
// horizontal, vertical facing right and left, and NW7 and CODE 39 also as direct bars.
TEST_F(VerifyTest, CleanSheetsOfEverySymbologyPass) {
    struct Case {
        const char* name;
        int attributes;
        const char* records;
    };
    const Case cases[] = {
        {"ean13", 8 | 1, "4901234567894,A\r\n4512345678906,B\r\n"},
        {"ean8", 8 | 1, "49123456,A\r\n96385074,B\r\n"},
        {"itf", 16 | 1, "12345670,A\r\n98765430,B\r\n"},
        {"nw7", 32 | 1, "a12345-6a,A\r\nb98765b,B\r\n"},
        {"code39", 64 | 1, "*ABC-123*,A\r\n*XYZ.9*,B\r\n"},
    };
    for (const Case& c : cases) {
        for (int layout : {0, 1, 2}) {  // horizontal, vertical facing right, facing left
            LabelDefinition d = layout == 0 ? definition(c.attributes, 8, 70, 30)
                                            : definition(c.attributes, 8, 30, 65);
            d.fields[0].layoutFlags = layout == 2 ? 8 : 0;
            write(d, c.records);
            EXPECT_EQ(verify(), 0) << c.name << " layout " << layout << ": " << messages();
            EXPECT_NE(messages().find("all 2 barcodes read back (0 warnings)"), std::string::npos)
                << c.name << " layout " << layout << ": " << messages();
        }
    }
    LabelDefinition d = definition(32 | 1, 8, 70, 30);
    d.directBarPrinting = 1;
    write(d, "a123a,A\r\n");
    EXPECT_EQ(verify("--dpi 203"), 0) << messages();
    d.fields[0].attributes = 64 | 1;
    write(d, "*A1*,A\r\n");
    EXPECT_EQ(verify("--dpi 203"), 0) << messages();
}

// A JAN field that does not compare its check digit prints a wrong one as it is; no reader
// takes that symbol. A value that is no JAN prints an error text instead of bars.
TEST_F(VerifyTest, LabelsThatDoNotReadBackAreNamedAndNothingIsWritten) {
    write(definition(kEan13 | kIgnoreCheckDigit, 8, 70, 30),
          "4901234567894,A\r\n4901234567890,B\r\n49012345ABC94,C\r\n");
    EXPECT_EQ(verify("--export " + folder.file("out.pdf")), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.pdf")));
    const std::string text = messages();
    EXPECT_NE(text.find("page 1 label 2 field CODE: 4901234567890 does not read back"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("page 1 label 3 field CODE: 49012345ABC94 cannot be drawn"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("label 1 "), std::string::npos) << text;
    EXPECT_NE(text.find("2 of 3 barcodes do not read back (0 warnings); nothing was written"),
              std::string::npos)
        << text;
    EXPECT_EQ(verify(), 1);
}

// A second barcode field drawn after the first covers half of its bars with its own symbol
// (text over the bars, by contrast, a reader forgives as long as some rows stay clean): the
// first is named, the second reads.
TEST_F(VerifyTest, ABarcodeOverAnotherFails) {
    LabelDefinition d = definition(kEan13, 8, 70, 30);
    d.fields[1] = {40, 10, kDefaultFaceName, 10, 45, 30, kEan13, 0, 0};
    write(d, "4901234567894,4512345678906\r\n");
    EXPECT_EQ(verify(), 1) << messages();
    EXPECT_NE(messages().find("page 1 label 1 field CODE: 4901234567894 does not read back"),
              std::string::npos)
        << messages();
    EXPECT_EQ(messages().find("field NAME: 4512345678906"), std::string::npos) << messages();
}

// A CODE 39 field ending at the label's edge: the symbol's canvas keeps 6.7 narrow elements
// light, a reader needs 10, so the frame line lies in the quiet zone; a ruled line left of the
// field too. Inside the field the white canvas hides what was drawn before, so a ruled line
// there is no intrusion. A warning alone still prints.
TEST_F(VerifyTest, ItemsInTheQuietZoneAreWarned) {
    LabelDefinition d = definition(64 | 1, 30, 60, 30);
    d.ruledLines[0] = {29, -8, 29, -42};
    d.ruledLines[1] = {32, -8, 32, -42};
    write(d, "*ABC-123*,A\r\n");
    EXPECT_EQ(verify("--export " + folder.file("out.pdf")), 0) << messages();
    EXPECT_TRUE(std::filesystem::exists(folder.file("out.pdf")));
    const std::string expected =
        "quorvi32: page 1 label 1 field CODE: the label frame lies in the quiet zone\n"
        "quorvi32: page 1 label 1 field CODE: a ruled line lies in the quiet zone\n"
        "quorvi32: --verify at 300 dpi: all 1 barcodes read back (2 warnings)\n";
    EXPECT_NE(messages().find(expected), std::string::npos) << messages();

    // The case that made a reader refuse every label: an EAN-13 whose field ends at the label's
    // right frame line, 1.3 mm after its last bar, within its 7 modules. zxing-cpp refuses it too.
    write(definition(kEan13 | 1, 52, 38, 20), "4901234567894,A\r\n");
    EXPECT_EQ(verify(), 1) << messages();
    EXPECT_NE(messages().find("field CODE: 4901234567894 does not read back\n"
                              "quorvi32: page 1 label 1 field CODE: the label frame lies in the "
                              "quiet zone\n"),
              std::string::npos)
        << messages();
}

}  // namespace
}  // namespace qv
