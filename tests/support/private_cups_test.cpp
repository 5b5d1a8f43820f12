// The private CUPS scheduler and the EPL2 reader, checked against the real CUPS filters.
#include "tests/support/private_cups.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QImage>

#include "tests/support/epl2_image.h"
#include "tests/support/temp_folder.h"

namespace qv::test {
namespace {

using namespace std::string_literals;

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kDotsPerMm = 203.0 / 25.4;

struct RectMm {
    double left, top, width, height;  // from the page's top-left corner
};

// A one-page PDF of the given size with black rectangles on it.
std::string pdfWithRectangles(double widthMm, double heightMm, const std::vector<RectMm>& rects) {
    auto number = [](double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f", value);
        return std::string(text);
    };
    const double heightPt = heightMm * kPointsPerMm;
    std::string content = "0 g\n";
    for (const RectMm& r : rects) {
        content += number(r.left * kPointsPerMm) + " " +
                   number(heightPt - (r.top + r.height) * kPointsPerMm) + " " +
                   number(r.width * kPointsPerMm) + " " + number(r.height * kPointsPerMm) +
                   " re f\n";
    }
    const std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(widthMm * kPointsPerMm) + " " +
            number(heightPt) + "] /Contents 4 0 R >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream"};
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

class PrivateCupsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        cups_ = new PrivateCups;
        const auto started = std::chrono::steady_clock::now();
        std::string error;
        if (!cups_->Start(&error)) {
            startError_ = error;
            return;
        }
        std::cout << "cupsd answered after "
                  << std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - started)
                         .count()
                  << " ms\n";
        if (!cups_->addThermalQueue("label", cups_->outputFile("label.epl"), &error)) {
            startError_ = error;
        }
    }
    static void TearDownTestSuite() {
        delete cups_;
        cups_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(startError_.empty()) << startError_; }

    // Prints `pdf` on `queue` and waits for the scheduler to finish with it.
    void print(const std::string& queue, const std::string& pdf,
               const std::vector<std::string>& options) {
        std::vector<std::string> argv = {"lp", "-d", queue};
        for (const std::string& option : options) {
            argv.push_back("-o");
            argv.push_back(option);
        }
        argv.push_back(pdf);
        const ToolResult lp = cups_->runTool(argv);
        ASSERT_EQ(lp.status, 0) << lp.output;
        ASSERT_TRUE(cups_->waitForJobsDone(std::chrono::seconds(60))) << cups_->errorLog();
    }

    static PrivateCups* cups_;
    static std::string startError_;
    TempFolder temp_;
};

PrivateCups* PrivateCupsTest::cups_ = nullptr;
std::string PrivateCupsTest::startError_;

// A 50 x 30 mm label with a 20 x 10 mm rectangle 10 mm from the left and 5 mm from the top.
const RectMm kRectangle = {10, 5, 20, 10};

TEST_F(PrivateCupsTest, ThermalQueuePrintsTheRectangleWhereThePageHasIt) {
    const std::string pdf = temp_.file("label.pdf");
    writeBytes(pdf, pdfWithRectangles(50, 30, {kRectangle}));
    // PageSize, not media: the driver takes media=Custom.50x30mm for its 2.00 x 1.25 inch label
    // (within 1.76 mm) and centres the page on that.
    print("label", pdf, {"PageSize=Custom.50x30mm"});

    std::vector<Epl2Label> labels;
    std::string error;
    ASSERT_TRUE(decodeEpl2(readBytes(cups_->outputFile("label.epl")), labels, &error)) << error;
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].copies, 1);
    EXPECT_NEAR(labels[0].width, 50 * kDotsPerMm, 2);

    const auto box = printedBox(labels[0]);
    ASSERT_TRUE(box.has_value());
    EXPECT_NEAR(box->left, kRectangle.left * kDotsPerMm, 2);
    EXPECT_NEAR(box->right, (kRectangle.left + kRectangle.width) * kDotsPerMm, 2);
    EXPECT_NEAR(box->top, kRectangle.top * kDotsPerMm, 2);
    EXPECT_NEAR(box->bottom, (kRectangle.top + kRectangle.height) * kDotsPerMm, 2);
    // Solid inside: the whole box is the rectangle.
    for (int y = box->top; y < box->bottom; ++y) {
        const auto runs = printedRuns(labels[0], y);
        ASSERT_EQ(runs.size(), 1u) << "row " << y;
        EXPECT_EQ(runs[0].start, box->left);
        EXPECT_EQ(runs[0].length, box->width());
    }
}

TEST(PrivateCupsLifetime, StopEndsTheSchedulerAndRemovesItsFolder) {
    const char* before = std::getenv("CUPS_SERVER");
    const std::string serverBefore = before ? before : "(unset)";
    PrivateCups cups;
    std::string error;
    ASSERT_TRUE(cups.Start(&error)) << error;
    const pid_t pid = cups.pid();
    const std::string folder = cups.folder();
    ASSERT_GT(pid, 0);
    ASSERT_EQ(kill(pid, 0), 0);
    cups.useForThisProcess();
    EXPECT_EQ(std::string(std::getenv("CUPS_SERVER")), cups.socketPath());

    cups.Stop();
    EXPECT_FALSE(cups.running());
    errno = 0;
    EXPECT_EQ(kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);
    EXPECT_FALSE(std::filesystem::exists(folder));
    const char* after = std::getenv("CUPS_SERVER");
    EXPECT_EQ(after ? after : "(unset)", serverBefore);
    EXPECT_NE(cups.runTool({"lpstat", "-r"}).status, 0);
}

// EPL2 as rastertolabel writes it: one GW row per line, a 0 bit printed.
std::string eplRow(int y, const std::string& bits) {
    return "GW0," + std::to_string(y) + "," + std::to_string(bits.size()) + ",1\n" + bits + "\n";
}

TEST(Epl2Image, ReadsRowsWithZeroBitsAsPrintedDots) {
    const std::string stream =
        "\nN\nq16\n" + eplRow(2, "\x0F\xFF"s) + eplRow(4, "\xFF\xFE"s) + "P2\n";
    std::vector<Epl2Label> labels;
    std::string error;
    ASSERT_TRUE(decodeEpl2(stream, labels, &error)) << error;
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].width, 16);
    EXPECT_EQ(labels[0].height, 5);
    EXPECT_EQ(labels[0].copies, 2);
    ASSERT_EQ(printedRuns(labels[0], 2).size(), 1u);
    EXPECT_EQ(printedRuns(labels[0], 2)[0].start, 0);
    EXPECT_EQ(printedRuns(labels[0], 2)[0].length, 4);
    EXPECT_TRUE(printedRuns(labels[0], 3).empty());
    EXPECT_TRUE(labels[0].printed(15, 4));
    EXPECT_FALSE(labels[0].printed(14, 4));

    TempFolder temp;
    ASSERT_TRUE(saveEpl2LabelPng(labels[0], temp.file("label.png")));
    QImage image(QString::fromStdString(temp.file("label.png")));
    ASSERT_EQ(image.size(), QSize(16, 5));
    EXPECT_EQ(qGray(image.pixel(0, 2)), 0);
    EXPECT_EQ(qGray(image.pixel(4, 2)), 255);
}

TEST(Epl2Image, RefusesDamagedInput) {
    const std::string row = eplRow(0, "\x00\x00"s);
    const std::vector<std::string> damaged = {
        "N\nq16\nGW0,0,2,1\n\x00"s,                         // bitmap cut short
        "N\nq16\nGW0,0,2,1"s,                               // no bitmap at all
        "N\nq16\nGW0,0,x,1\n\x00\x00\nP1\n"s,               // not a number
        "N\nq16\nGW0,0,2\n\x00\x00\nP1\n"s,                 // a number missing
        "N\nq16\nGW0,0,0,1\n\nP1\n"s,                       // empty bitmap
        "N\nq16\nGW0,0,2,1\n\x00\x00\x00\x00\nP1\n"s,       // more data than declared
        "N\nq0\n" + row + "P1\n",                           // no width
        "N\nq16\n" + row,                                   // never printed
        "N\nq16\n" + row + "Px\n",                          // bad print count
        "N\nq16\nA10,10,0,1,1,1,N,\"x\"\n" + row + "P1\n",  // text it cannot draw
        "N\nq30000\nQ30000,24\n" + row + "P1\n",            // too large to hold
    };
    for (const std::string& stream : damaged) {
        std::vector<Epl2Label> labels;
        std::string error;
        EXPECT_FALSE(decodeEpl2(stream, labels, &error)) << stream;
        EXPECT_FALSE(error.empty()) << stream;
    }
}

}  // namespace
}  // namespace qv::test
