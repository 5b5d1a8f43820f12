// quorvi32 --print through a real CUPS of the test's own: a PDF printer whose printable area is
// the whole sheet, one with minimum margins, a 203 and a 300 dpi thermal label printer (the CUPS
// sample EPL2 driver) and a queue that refuses jobs. What the printers receive is compared with
// what --export writes, and every failure must come back as an exit status and a message.
#include <QImage>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "label/definition/definition_file.h"
#include "tests/programs/program_test_support.h"
#include "tests/support/bar_grade.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/epl2_image.h"
#include "tests/support/label_grid.h"
#include "tests/support/private_cups.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

using test::run;

constexpr int kPixelsPerTenthMm = 2;  // pages are read at 508 dpi: two pixels are 0.1 mm
constexpr const char* kReadDpi = "508";

test::PrivateCups* cups = nullptr;

std::string outputOf(const std::string& queue) {
    return cups->outputFile(queue + ".out");
}

// The centres of the frame lines of a page along x (columns) or y (rows): runs of pixels in which
// more than half of the darkest line's length is dark.
std::vector<double> frameLines(const QImage& page, bool columns) {
    const int across = columns ? page.width() : page.height();
    const int along = columns ? page.height() : page.width();
    std::vector<int> dark(static_cast<size_t>(across), 0);
    for (int i = 0; i < across; ++i) {
        for (int j = 0; j < along; ++j) {
            const QRgb pixel = columns ? page.pixel(i, j) : page.pixel(j, i);
            if (qGray(pixel) < 128) ++dark[static_cast<size_t>(i)];
        }
    }
    const int longest = *std::max_element(dark.begin(), dark.end());
    std::vector<double> centres;
    for (int i = 0; i < across;) {
        if (dark[static_cast<size_t>(i)] * 2 <= longest) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < across && dark[static_cast<size_t>(i)] * 2 > longest) ++i;
        centres.push_back((start + i - 1) / 2.0);
    }
    return centres;
}

void expectSameLines(const std::vector<double>& printed, const std::vector<double>& exported,
                     double shift, const std::string& what) {
    ASSERT_EQ(printed.size(), exported.size()) << what;
    for (size_t i = 0; i < printed.size(); ++i) {
        EXPECT_NEAR(printed[i], exported[i] + shift, 1.0 * kPixelsPerTenthMm)
            << what << ", line " << i;
    }
}

QImage firstPage(const std::string& pdf, const std::string& stem) {
    run(std::string("pdftoppm -r ") + kReadDpi + " -gray -png -f 1 -l 1 -singlefile " + pdf + " " +
        stem);
    return QImage(QString::fromStdString(stem + ".png"));
}

// "Page size:       595.276 x 841.89 pts" as millimetres, the shorter side first.
std::pair<double, double> pageSizeMm(const std::string& pdf) {
    const std::string info = run("pdfinfo " + pdf);
    const size_t at = info.find("Page size:");
    double width = 0;
    double height = 0;
    if (at != std::string::npos) sscanf(info.c_str() + at, "Page size: %lf x %lf", &width, &height);
    const double mm = 25.4 / 72;
    return {std::min(width, height) * mm, std::max(width, height) * mm};
}

struct Sheet {
    int paperIndex;
    int widthMm;
    int heightMm;
    int labelWidthMm;
    int labelHeightMm;
    int columns;
    int rows;
};

class PrintThroughCupsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        cups = new test::PrivateCups;
        std::string error;
        ASSERT_TRUE(cups->Start(&error)) << error;
        ASSERT_TRUE(cups->addPdfQueue("office", outputOf("office"), &error)) << error;
        ASSERT_TRUE(cups->addMarginPdfQueue("margins", outputOf("margins"), &error)) << error;
        ASSERT_TRUE(cups->addThermalQueue("thermal", outputOf("thermal"), &error)) << error;
        ASSERT_TRUE(cups->addThermalQueue("thermal300", outputOf("thermal300"), &error, 300))
            << error;
        ASSERT_TRUE(cups->addRejectingQueue("closed", &error)) << error;
        // Accepts jobs, but its device cannot be opened: every job stops.
        ASSERT_TRUE(cups->addQueue("broken", "file:/nonexistent/quorvi/out.pdf",
                                   test::PrivateCups::kPdfModel, {}, &error))
            << error;
        ASSERT_TRUE(cups->setDefaultQueue("office", &error)) << error;
        cups->useForThisProcess();
    }
    static void TearDownTestSuite() {
        cups->Stop();
        delete cups;
        cups = nullptr;
    }

    LabelDefinition definition(const Sheet& sheet) {
        LabelDefinition d = newLabelDefinition();
        d.sheet.paperIndex = sheet.paperIndex;
        d.sheet.paperWidthMm = sheet.widthMm;
        d.sheet.paperHeightMm = sheet.heightMm;
        test::placeLabels(
            d.sheet, {sheet.labelWidthMm, sheet.labelHeightMm, 7, 9, sheet.columns, sheet.rows});
        d.printPageNumber = 0;
        d.printDate = 0;
        d.dataFile.dataFilePath = "data.csv";
        d.dataFile.fieldNames = {"CODE"};
        d.dataFile.fieldLengths = {20};
        return d;
    }

    void save(const LabelDefinition& d, const std::string& data = "X\r\n") {
        ASSERT_EQ(saveDefinitionFile(folder.file("sheet.qvd"), d, nullptr),
                  DefinitionFileStatus::Ok);
        test::writeBytes(folder.file("data.csv"), data);
    }

    // A 70 x 30 mm label without frame lines that holds `field` alone, and one record.
    void saveLabelWith(const FieldPlacement& field, bool direct, const std::string& value) {
        LabelDefinition d = definition({8, 70, 30, 70, 30, 1, 1});
        d.sheet.firstLabelLeftMm = d.sheet.firstLabelTopMm = 0;
        d.sheet.noFrameLines = 1;
        d.directBarPrinting = direct ? 1 : 0;
        d.moduleWidth = 1;
        d.fields[0] = field;
        save(d, value + "\r\n");
    }

    // quorvi32 with `arguments` and the sheet; its exit status, stderr in `err.txt`.
    int quorvi(const std::string& arguments, const std::string& environment = "") {
        const std::string command = environment + std::string(QUORVI32_PATH) + " " + arguments +
                                    " --time \"2001-02-03 04:05:06\" " + folder.file("sheet.qvd") +
                                    " 2>" + folder.file("err.txt");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string errors() { return test::readBytes(folder.file("err.txt")); }

    int print(const std::string& queue) { return quorvi("--print --printer " + queue); }

    // The labels the thermal queue printed.
    std::vector<test::Epl2Label> thermalLabels(const std::string& queue) {
        std::vector<test::Epl2Label> labels;
        std::string error;
        EXPECT_TRUE(test::decodeEpl2(test::readBytes(outputOf(queue)), labels, &error)) << error;
        return labels;
    }

    test::TempFolder folder;
};

// The frame lines of every sheet land where the export has them, to 0.1 mm, on a page of the
// paper's size: A4 landscape (turned onto the A4 sheet), JIS B5 portrait and a free size.
TEST_F(PrintThroughCupsTest, PrintedPagesEqualTheExport) {
    const Sheet sheets[] = {
        {1, 297, 210, 90, 45, 3, 4}, {2, 182, 257, 55, 40, 3, 5}, {8, 100, 50, 40, 20, 2, 2}};
    for (const Sheet& sheet : sheets) {
        LabelDefinition d = definition(sheet);
        if (sheet.paperIndex == 8) d.sheet.firstLabelTopMm = d.sheet.firstLabelLeftMm = 5;
        save(d);
        const std::string what = "paper " + std::to_string(sheet.paperIndex);
        ASSERT_EQ(quorvi("--export " + folder.file("export.pdf")), 0) << errors();
        ASSERT_EQ(print("office"), 0) << what << ": " << errors();
        // The paper itself (the export's page is the paper in whole points).
        const auto printedSize = pageSizeMm(outputOf("office"));
        EXPECT_NEAR(printedSize.first, std::min(sheet.widthMm, sheet.heightMm), 0.1) << what;
        EXPECT_NEAR(printedSize.second, std::max(sheet.widthMm, sheet.heightMm), 0.1) << what;

        QImage printed = firstPage(outputOf("office"), folder.file("printed"));
        const QImage exported = firstPage(folder.file("export.pdf"), folder.file("exported"));
        ASSERT_FALSE(printed.isNull() || exported.isNull()) << what;
        // A landscape sheet lies turned on the portrait medium, its top along the left edge.
        if (PaperTable::isLandscapeKind(sheet.paperIndex)) {
            printed = printed.transformed(QTransform().rotate(90));
        }
        expectSameLines(frameLines(printed, true), frameLines(exported, true), 0, what + " across");
        expectSameLines(frameLines(printed, false), frameLines(exported, false), 0, what + " down");
    }
}

// On a printer with minimum margins everything moves by them: (0, 0) is the printable area's
// corner, and nothing is scaled.
TEST_F(PrintThroughCupsTest, TheOriginIsThePrintableAreaCorner) {
    save(definition({2, 182, 257, 55, 40, 3, 5}));
    ASSERT_EQ(quorvi("--export " + folder.file("export.pdf")), 0) << errors();
    ASSERT_EQ(print("margins"), 0) << errors();
    const QImage printed = firstPage(outputOf("margins"), folder.file("printed"));
    const QImage exported = firstPage(folder.file("export.pdf"), folder.file("exported"));
    // The printer's B5 printable area starts 11.62 pt from the left and 12.12 pt from the top.
    const double pixelsPerPoint = 254.0 / 72 * kPixelsPerTenthMm;
    expectSameLines(frameLines(printed, true), frameLines(exported, true), 11.62 * pixelsPerPoint,
                    "across");
    expectSameLines(frameLines(printed, false), frameLines(exported, false), 12.12 * pixelsPerPoint,
                    "down");
}

TEST_F(PrintThroughCupsTest, FailuresAreReportedAndNothingIsPrinted) {
    save(definition({0, 210, 297, 60, 30, 3, 9}));
    const size_t jobsBefore = cups->jobs().value_or(std::vector<test::CupsJob>()).size();

    EXPECT_EQ(print("NOSUCH"), 2);
    EXPECT_NE(errors().find("プリンタ「NOSUCH」はありません。"), std::string::npos) << errors();
    EXPECT_NE(errors().find("office"), std::string::npos) << "the installed printers: " << errors();

    EXPECT_EQ(print("closed"), 1);
    EXPECT_NE(errors().find("プリンタ「closed」が印刷を受け付けませんでした。"), std::string::npos)
        << errors();
    EXPECT_NE(errors().find("not accepting jobs"), std::string::npos) << "CUPS's reason";
    EXPECT_EQ(cups->jobs().value_or(std::vector<test::CupsJob>()).size(), jobsBefore);

    EXPECT_EQ(print("broken"), 1);
    EXPECT_NE(errors().find("プリンタ「broken」での印刷に失敗しました"), std::string::npos)
        << errors();

    test::PrivateCups stopped;
    ASSERT_TRUE(stopped.Start());
    const std::string socket = stopped.socketPath();
    stopped.Stop();
    const std::string away = "CUPS_SERVER=" + socket + " ";
    const std::string command = away + QUORVI32_PATH + " --print --printer office " +
                                folder.file("sheet.qvd") + " 2>" + folder.file("err.txt");
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
    EXPECT_NE(errors().find("印刷サービス（CUPS）に接続できないため、プリンタ「office」に"),
              std::string::npos)
        << errors();
}

// A 2 x 2 bitmap of four colours prints with its pixels as stored, in the export and on the
// printer (no lossy compression on the way).
TEST_F(PrintThroughCupsTest, BitmapColoursAreExact) {
    std::string bmp = test::bmpBytes(2, 2, 8, 256);
    const uint32_t palette[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFF00};  // 0x00RRGGBB
    for (int i = 0; i < 4; ++i)
        bmp.replace(54 + 4 * i, 4, std::string(reinterpret_cast<const char*>(&palette[i]), 4));
    bmp.replace(bmp.size() - 8, 8, std::string("\x00\x01\x00\x00\x02\x03\x00\x00", 8));
    test::writeBytes(folder.file("four.bmp"), bmp);
    LabelDefinition d = definition({0, 210, 297, 60, 30, 3, 9});
    d.bitmaps[0] = {"four.bmp", 50, -50, 250, -250};
    save(d);
    ASSERT_EQ(print("office"), 0) << errors();
    ASSERT_EQ(quorvi("--export " + folder.file("export.pdf")), 0) << errors();
    for (const std::string& pdf : {outputOf("office"), folder.file("export.pdf")}) {
        run("pdfimages -png " + pdf + " " + folder.file("image"));
        const QImage image(QString::fromStdString(folder.file("image-000.png")));
        ASSERT_EQ(image.size(), QSize(2, 2)) << pdf;
        std::vector<QRgb> colours = {image.pixel(0, 1), image.pixel(1, 1), image.pixel(0, 0),
                                     image.pixel(1, 0)};  // bottom row first, as stored
        for (int i = 0; i < 4; ++i) EXPECT_EQ(colours[i] & 0xFFFFFF, palette[i]) << pdf << " " << i;
    }
}

// The dark pixels of a page image as printed dots.
test::Epl2Label dotsOf(const QImage& image) {
    test::Epl2Label label;
    label.width = image.width();
    label.height = image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            label.dots.push_back(qGray(image.pixel(x, y)) < 128);
    }
    return label;
}

std::string runsText(const std::vector<test::DotRun>& runs) {
    std::string text;
    for (const test::DotRun& r : runs)
        text += std::to_string(r.start) + "+" + std::to_string(r.length) + " ";
    return text;
}

struct Symbol {
    const char* name;
    int attributes;  // kind bits, bit 0: the text under the bars
    int widthMm;
    const char* value;
    const char* zbar;   // what zbarimg reports
    const char* zxing;  // what ZXingReader reports
    bool direct;        // NW7 and CODE 39 painted straight, module width 1
};

const Symbol kSymbols[] = {
    {"EAN-13", 8 | 1, 38, "4901234567894", "EAN-13:4901234567894", "4901234567894", false},
    {"EAN-8", 8 | 1, 30, "49123456", "EAN-8:49123456", "49123456", false},
    {"ITF", 16 | 1, 45, "12345670", "I2/5:12345670", "12345670", false},
    {"NW7", 32 | 1, 50, "a12345a", "Codabar:A12345A", "\"12345\"", false},
    {"CODE 39", 64 | 1, 50, "*ABC-123*", "CODE-39:ABC-123", "ABC-123", false},
    {"CODE 39 direct", 64 | 1, 50, "*ABC-123*", "CODE-39:ABC-123", "ABC-123", true},
};

// Through the thermal label printers at 203 and 300 dpi every symbology reads with zbar and
// ZXing: the bars reach the printer on its own dots and are neither widened nor narrowed.
TEST_F(PrintThroughCupsTest, ThermalLabelsReadWithBothDecoders) {
    for (const Symbol& symbol : kSymbols) {
        saveLabelWith({6, 5, kDefaultFaceName, 10, symbol.widthMm, 18, symbol.attributes, 0, 0},
                      symbol.direct, symbol.value);
        for (const char* queue : {"thermal", "thermal300"}) {
            const std::string what = std::string(symbol.name) + " on " + queue;
            ASSERT_EQ(print(queue), 0) << what << ": " << errors();
            const std::vector<test::Epl2Label> labels = thermalLabels(queue);
            ASSERT_EQ(labels.size(), 1u) << what;
            const std::string png = folder.file("label.png");
            ASSERT_TRUE(test::saveEpl2LabelPng(labels[0], png));
            EXPECT_EQ(run("zbarimg --nodbus -q " + png + " 2>/dev/null"),
                      std::string(symbol.zbar) + "\n")
                << what << " with zbar";
            const std::string zxing = run("ZXingReader -1 " + png + " 2>/dev/null");
            EXPECT_NE(zxing.find(symbol.zxing), std::string::npos)
                << what << " with ZXing: " << zxing;

            // Dot for dot where the program's own image at the printer's resolution has them.
            const std::string dpi = std::string(queue) == "thermal" ? "203" : "300";
            ASSERT_EQ(quorvi("--export " + folder.file("own.png") + " --dpi " + dpi), 0);
            const test::Epl2Label own =
                dotsOf(QImage(QString::fromStdString(folder.file("own-1.png"))));
            const auto printedBars = test::printedBox(labels[0]);
            const auto ownBars = test::printedBox(own);
            ASSERT_TRUE(printedBars && ownBars) << what;
            // Across, dot for dot; down, Ghostscript may place the page a dot off, as it takes
            // the page height in whole points.
            EXPECT_EQ(printedBars->left, ownBars->left) << what;
            EXPECT_NEAR(printedBars->top, ownBars->top, 1) << what;
            const int row = ownBars->top + 4;
            EXPECT_EQ(runsText(test::printedRuns(labels[0], row)),
                      runsText(test::printedRuns(own, row)))
                << what;
        }
    }
}

// The decodability of a symbol's elements along one printed row.
double decodabilityOf(const Symbol& symbol, const std::vector<int>& elements) {
    switch (symbol.attributes & ~1) {
        case 8:
            return test::eanDecodability(elements);
        case 16:
            return test::twoWidthDecodability(elements, test::TwoWidthKind::Itf);
        case 32:
            return test::twoWidthDecodability(elements, test::TwoWidthKind::Nw7);
        default:
            return test::twoWidthDecodability(elements, test::TwoWidthKind::Code39);
    }
}

// With whole dots asked for both thermal printers, every symbology (each element a whole number
// of dots, one width for narrow and one for wide elements), direct bars too, grades A on
// decodability, measured on the raster the printer got, and reads with zbar and ZXing.
TEST_F(PrintThroughCupsTest, WholeDotBarcodesGradeAOnTheThermalQueues) {
    test::writeBytes(folder.file("QUORVI32.INI"),
                     "[Printer thermal]\r\nWholeDots=1\r\n[Printer thermal300]\r\nWholeDots=1\r\n");
    const std::string settings = "QUORVI_CONFIG_DIR=" + folder.path() + " ";
    for (const Symbol& symbol : kSymbols) {
        saveLabelWith({6, 5, kDefaultFaceName, 10, symbol.widthMm, 18, symbol.attributes, 0, 0},
                      symbol.direct, symbol.value);
        for (const char* queue : {"thermal", "thermal300"}) {
            const std::string what = std::string(symbol.name) + " on " + queue;
            ASSERT_EQ(quorvi(std::string("--print --printer ") + queue, settings), 0)
                << what << ": " << errors();
            const std::vector<test::Epl2Label> labels = thermalLabels(queue);
            ASSERT_EQ(labels.size(), 1u) << what;
            const auto bars = test::printedBox(labels[0]);
            ASSERT_TRUE(bars) << what;
            const std::vector<int> elements =
                test::elementWidths(test::printedRuns(labels[0], bars->top + 4));
            EXPECT_GE(decodabilityOf(symbol, elements), 0.62) << what;
            const std::string png = folder.file("label.png");
            ASSERT_TRUE(test::saveEpl2LabelPng(labels[0], png));
            EXPECT_EQ(run("zbarimg --nodbus -q " + png + " 2>/dev/null"),
                      std::string(symbol.zbar) + "\n")
                << what << " with zbar";
            EXPECT_NE(run("ZXingReader -1 " + png + " 2>/dev/null").find(symbol.zxing),
                      std::string::npos)
                << what << " with ZXing";
        }
    }
}

// A printer's offset moves what it prints, and only on that printer; an export is moved only
// by --offset, which also takes the place of a printer's own offset for one run.
TEST_F(PrintThroughCupsTest, OffsetsMoveThePrintOfTheirPrinterOnly) {
    save(definition({2, 182, 257, 55, 40, 3, 5}));
    test::writeBytes(folder.file("QUORVI32.INI"),
                     "[Printer office]\r\nOffsetX=15\r\nOffsetY=-8\r\n");
    const std::string settings = "QUORVI_CONFIG_DIR=" + folder.path() + " ";
    ASSERT_EQ(quorvi("--export " + folder.file("export.pdf"), settings), 0) << errors();
    const QImage exported = firstPage(folder.file("export.pdf"), folder.file("exported"));
    const auto across = frameLines(exported, true);
    const auto down = frameLines(exported, false);

    ASSERT_EQ(quorvi("--print --printer office", settings), 0) << errors();
    QImage page = firstPage(outputOf("office"), folder.file("printed"));
    expectSameLines(frameLines(page, true), across, 15 * kPixelsPerTenthMm, "office across");
    expectSameLines(frameLines(page, false), down, -8 * kPixelsPerTenthMm, "office down");

    ASSERT_EQ(quorvi("--print --printer margins", settings), 0) << errors();
    page = firstPage(outputOf("margins"), folder.file("printed"));
    const double pixelsPerPoint = 254.0 / 72 * kPixelsPerTenthMm;
    expectSameLines(frameLines(page, true), across, 11.62 * pixelsPerPoint, "margins across");

    ASSERT_EQ(quorvi("--print --printer office --offset 0,0.5", settings), 0) << errors();
    page = firstPage(outputOf("office"), folder.file("printed"));
    expectSameLines(frameLines(page, true), across, 0, "--offset across");
    expectSameLines(frameLines(page, false), down, 5 * kPixelsPerTenthMm, "--offset down");

    ASSERT_EQ(quorvi("--export " + folder.file("moved.pdf") + " --offset -1.0,2", settings), 0)
        << errors();
    page = firstPage(folder.file("moved.pdf"), folder.file("moved"));
    expectSameLines(frameLines(page, true), across, -10 * kPixelsPerTenthMm, "export across");
    expectSameLines(frameLines(page, false), down, 20 * kPixelsPerTenthMm, "export down");
}

// The dark dots of row `y` between `from` and `to`, as the centre of their run; -1 for none.
double darkCentre(const test::Epl2Label& label, int y, int from, int to) {
    int first = -1;
    int last = -1;
    for (int x = from; x < to; ++x) {
        if (!label.printed(x, y)) continue;
        if (first < 0) first = x;
        last = x;
    }
    return first < 0 ? -1 : (first + last) / 2.0;
}

// Without a definition the calibration sheet is the printer's own paper (4 x 5 in on the thermal
// queue), its crosshairs 10 mm (80 dots) from the edges, moved by the printer's offset.
TEST_F(PrintThroughCupsTest, TheCalibrationSheetShowsTheOffsetItIsPrintedWith) {
    const std::string calibrate = std::string(QUORVI32_PATH) +
                                  " --calibration-sheet --printer thermal 2>" +
                                  folder.file("err.txt");
    ASSERT_EQ(std::system(calibrate.c_str()), 0) << errors();
    std::vector<test::Epl2Label> labels = thermalLabels("thermal");
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].width, 816);
    // The arms of the crosshair at the top left, 4 mm long, and the one at the top right.
    EXPECT_NEAR(darkCentre(labels[0], 60, 60, 100), 80, 1);
    const double dotsPerMm = 203 / 25.4;  // the paper is 812.8 dots wide, the raster 816
    EXPECT_NEAR(darkCentre(labels[0], 60, 700, 760), (101.6 - 10) * dotsPerMm, 1);
    const auto bottom = test::printedBox(labels[0]);
    ASSERT_TRUE(bottom);
    EXPECT_NEAR(bottom->bottom, 127 * dotsPerMm, 2);  // the bottom scale reaches the edge

    test::writeBytes(folder.file("QUORVI32.INI"), "[Printer thermal]\r\nOffsetX=15\r\n");
    const std::string moved = "QUORVI_CONFIG_DIR=" + folder.path() + " " + calibrate;
    ASSERT_EQ(std::system(moved.c_str()), 0) << errors();
    labels = thermalLabels("thermal");
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_NEAR(darkCentre(labels[0], 60, 60, 110), 80 + 12, 1);  // 1.5 mm at 203 dpi
}

// How the data editor prints: started with a definition that prints at start, quorvi32 prints
// on the default printer without a window of its own and ends with status 0.
TEST_F(PrintThroughCupsTest, StartUpPrintModePrintsOnceAndEnds) {
    LabelDefinition d = definition({0, 210, 297, 60, 30, 3, 9});
    d.printOnStart = 1;
    d.fields[0] = {8, 2, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
    save(d, "NAME1\r\nNAME2\r\n");
    const std::string command = "QT_QPA_PLATFORM=offscreen QUORVI_CONFIG_DIR=" + folder.path() +
                                " timeout 30 " + QUORVI32_PATH + " " + folder.file("sheet.qvd") +
                                " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(run("pdfinfo " + outputOf("office")).find("Pages:           1"), std::string::npos);
    EXPECT_NE(run("pdftotext " + outputOf("office") + " -").find("NAME2"), std::string::npos);
}

}  // namespace
}  // namespace qv
