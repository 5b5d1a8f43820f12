// Exported pages with bitmaps and from CSZ files, as a user gets them from quorvi32 --export:
// the bitmaps' colours where their rectangles are, bitmap 1 over bitmap 2, on every label; a
// mono-pattern run prints the chosen record on every label of every copy.
#include <QColor>
#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "label/definition/definition_file.h"
#include "tests/programs/program_test_support.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

constexpr int kDpi = 100;
constexpr int kLabelLeftMm = test::kFirstLabelLeftMm;
constexpr int kLabelTopMm = test::kFirstLabelTopMm;
constexpr int kLabelWidthMm = 60;

// A BMP of one colour: every pixel takes the colour table's red entry (info header: entry 1;
// core header: entry 0).
std::string solidRed(int bitCount, bool coreHeader) {
    const int width = 12;
    const int height = 6;
    if (coreHeader) {
        const std::vector<uint32_t> palette(static_cast<size_t>(1) << bitCount, 0xFF0000);
        return test::coreBmpBytes(width, height, bitCount, palette);
    }
    std::string bytes = test::bmpBytes(width, height, bitCount, 1 << bitCount);
    const size_t pixels = static_cast<size_t>(test::bmpRowBytes(width, bitCount)) * height;
    const char index1 = bitCount == 1 ? '\xFF' : bitCount == 4 ? '\x11' : '\x01';
    bytes.replace(bytes.size() - pixels, pixels, pixels, index1);
    return bytes;
}

std::string solidBlue() {
    return test::coreBmpBytes(5, 5, 8, std::vector<uint32_t>(256, 0x0000FF));
}

class BitmapMonoExportTest : public ::testing::Test {
  protected:
    // A4, two labels of 60 x 40 mm side by side; field 0 a JAN symbol, field 1 a text.
    LabelDefinition definition(const std::string& dataFile) {
        LabelDefinition d = test::a4Labels(kLabelWidthMm, 40, 2, 1);
        d.printPageNumber = 0;
        d.printDate = 0;
        d.dataFile.dataFilePath = dataFile;
        d.dataFile.skipFirstLine = 1;
        d.dataFile.fieldNames = {"JAN", "NAME"};
        d.dataFile.fieldLengths = {13, 10};
        d.fields[0] = {5, 5, kDefaultFaceName, 10, 45, 22, 8 | 1, 0, 0};
        d.fields[1] = {5, 32, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
        return d;
    }

    void save(const LabelDefinition& d) {
        ASSERT_EQ(saveDefinitionFile(folder.file("sheet.qvd"), d, nullptr),
                  DefinitionFileStatus::Ok);
    }

    int exportTo(const std::string& output, const std::string& options = "") {
        const std::string command = std::string(QUORVI32_PATH) + " --export " + output + " --dpi " +
                                    std::to_string(kDpi) + " " + options + " " +
                                    folder.file("sheet.qvd") + " 2>" + folder.file("err.txt");
        return std::system(command.c_str()) >> 8;
    }

    std::string errors() { return test::readBytes(folder.file("err.txt")); }

    // The colour at a point of the label in `column`, in millimetres from its top-left corner.
    static QColor at(const QImage& page, int column, double xMm, double yMm) {
        const double x = kLabelLeftMm + column * kLabelWidthMm + xMm;
        const double y = kLabelTopMm + yMm;
        return page.pixelColor(static_cast<int>(x * kDpi / 25.4),
                               static_cast<int>(y * kDpi / 25.4));
    }
    static bool isRed(const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }
    static bool isBlue(const QColor& c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }
    static bool isWhite(const QColor& c) {
        return c.red() > 240 && c.green() > 240 && c.blue() > 240;
    }

    test::TempFolder folder;
};

// Bitmap 1 at 5..25 mm, bitmap 2 at 15..45 mm across and 15..35 mm down: where they overlap
// bitmap 1 shows, since bitmap 2 is drawn first.
TEST_F(BitmapMonoExportTest, BitmapsOfEveryDepthAndHeaderPrintInPlace) {
    test::writeBytes(folder.file("data.csv"), "JAN,NAME\r\n4901234567894,A\r\n");
    test::writeBytes(folder.file("blue.bmp"), solidBlue());
    struct Kind {
        int bitCount;
        bool core;
    };
    for (const Kind kind : {Kind{1, false}, Kind{4, false}, Kind{8, false}, Kind{1, true},
                            Kind{4, true}, Kind{8, true}}) {
        const std::string what = std::to_string(kind.bitCount) + (kind.core ? " core" : " info");
        test::writeBytes(folder.file("red.bmp"), solidRed(kind.bitCount, kind.core));
        LabelDefinition d = definition("data.csv");
        d.fields[0].xMm = d.fields[1].xMm = -1;
        d.bitmaps[0] = {"red.bmp", 50, -50, 250, -250};
        d.bitmaps[1] = {"blue.bmp", 150, -150, 450, -350};
        save(d);
        ASSERT_EQ(exportTo(folder.file("page.png")), 0) << what << ": " << errors();
        const QImage page(QString::fromStdString(folder.file("page-1.png")));
        ASSERT_FALSE(page.isNull()) << what;
        for (int column = 0; column < 2; ++column) {
            EXPECT_TRUE(isRed(at(page, column, 8, 8))) << what << " column " << column;
            EXPECT_TRUE(isBlue(at(page, column, 40, 30))) << what << " column " << column;
            EXPECT_TRUE(isRed(at(page, column, 20, 20))) << what << " overlap, column " << column;
            EXPECT_TRUE(isWhite(at(page, column, 50, 8))) << what << " column " << column;
        }
    }
}

TEST_F(BitmapMonoExportTest, InputFieldsAndThreeCopies) {
    test::writeBytes(folder.file("data.csz"), "JAN,NAME\r\n\\@,APPLE\r\n4512345678906,PEAR\r\n");
    save(definition("data.csz"));
    ASSERT_EQ(exportTo(folder.file("page.png"), "--input 4901234567894 --copies 3"), 0) << errors();
    ASSERT_FALSE(std::filesystem::exists(folder.file("page-4.png")));
    const std::string first = test::readBytes(folder.file("page-1.png"));
    EXPECT_EQ(test::readBytes(folder.file("page-2.png")), first);
    EXPECT_EQ(test::readBytes(folder.file("page-3.png")), first);
    for (const char* page : {"page-1.png", "page-3.png"}) {
        const std::vector<std::string> found = test::decodeSymbols(folder.file(page));
        ASSERT_FALSE(found.empty()) << page;
        for (const std::string& symbol : found) EXPECT_EQ(symbol, "4901234567894") << page;
    }
}

TEST_F(BitmapMonoExportTest, RecordListModePrintsTheChosenRecord) {
    test::writeBytes(folder.file("data.csz"),
                     "JAN,NAME\r\n4901234567894,APPLE\r\n4512345678906,PEAR\r\n");
    save(definition("data.csz"));
    ASSERT_EQ(exportTo(folder.file("page.png"), "--record 2 --copies 2"), 0) << errors();
    EXPECT_TRUE(std::filesystem::exists(folder.file("page-2.png")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("page-3.png")));
    EXPECT_EQ(test::decodeSymbols(folder.file("page-2.png")),
              std::vector<std::string>{"4512345678906"});
}

TEST_F(BitmapMonoExportTest, MissingChoicesAreRefusedWithTheDialogsMessages) {
    test::writeBytes(folder.file("data.csz"), "JAN,NAME\r\n\\@,APPLE\r\n");
    save(definition("data.csz"));
    EXPECT_EQ(exportTo(folder.file("page.png")), 1);
    EXPECT_NE(errors().find("入力されていないコードがあります　！"), std::string::npos) << errors();
    EXPECT_EQ(exportTo(folder.file("page.png"), "--record 1"), 1);
    EXPECT_NE(errors().find("--input"), std::string::npos) << errors();
    EXPECT_FALSE(std::filesystem::exists(folder.file("page-1.png")));

    test::writeBytes(folder.file("data.csz"), "JAN,NAME\r\n4901234567894,APPLE\r\n");
    EXPECT_EQ(exportTo(folder.file("page.png")), 1);
    EXPECT_NE(errors().find("印刷するレコードを選択して下さい。"), std::string::npos) << errors();
    EXPECT_EQ(exportTo(folder.file("page.png"), "--record 2"), 1);

    test::writeBytes(folder.file("data.csv"), "JAN,NAME\r\n4901234567894,APPLE\r\n");
    save(definition("data.csv"));
    EXPECT_EQ(exportTo(folder.file("page.png"), "--copies 2"), 2);
    EXPECT_NE(errors().find("CSZ"), std::string::npos) << errors();
    EXPECT_FALSE(std::filesystem::exists(folder.file("page-1.png")));
}

}  // namespace
}  // namespace qv
