// Bitmaps as the document loads them and the pages draw them, and the pages of a mono-pattern
// run: the same chosen record on every label, one page per copy.
#include <gtest/gtest.h>

#include "label/editor/forms/mono_pattern_form.h"
#include "tests/label/print/print_test_support.h"
#include "tests/support/bmp_builder.h"

namespace qv {
namespace {

class BitmapPrintTest : public ::testing::Test, public test::PrintFixture {
  protected:
    // Writes `bytes` as `name` in the folder and places it in `slot` at 1..5 mm x 2..4 mm.
    void place(int slot, const std::string& name, const std::string& bytes) {
        test::writeBytes(folder.file(name), bytes);
        document.definition().bitmaps[static_cast<size_t>(slot)] = {name, 10, -20, 50, -40};
    }
    // Saves the definition beside its bitmaps and opens it again, as a user would.
    bool reopen() {
        const std::string path = folder.file("sheet.qvd");
        return document.saveDocument(path) && document.openDocument(path);
    }
};

TEST_F(BitmapPrintTest, EveryDepthAndBothHeadersLoadWithTheDefinition) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"one.bmp", test::bmpBytes(8, 4, 1, 2)},
        {"four.bmp", test::bmpBytes(8, 4, 4, 16)},
        {"eight.bmp", test::bmpBytes(8, 4, 8, 256)},
        {"core1.bmp", test::coreBmpBytes(8, 4, 1, {0, 0xFF0000})},
        {"core4.bmp", test::coreBmpBytes(8, 4, 4, std::vector<uint32_t>(16, 0x00FF00))},
        {"core8.bmp", test::coreBmpBytes(8, 4, 8, std::vector<uint32_t>(256, 0x0000FF))},
    };
    for (const auto& [name, bytes] : files) {
        place(0, name, bytes);
        ASSERT_TRUE(reopen()) << name;
        EXPECT_EQ(document.definition().bitmaps[0].path, name);
        ASSERT_TRUE(document.loadedBitmaps()[0].loaded()) << name;
        EXPECT_EQ(document.loadedBitmaps()[0].info.width, 8) << name;
        EXPECT_EQ(document.loadedBitmaps()[0].bytes, bytes) << name;
    }
    EXPECT_TRUE(messages.messages().empty());
}

// An unusable bitmap is dropped silently when a definition opens: its path is cleared.
TEST_F(BitmapPrintTest, UnusableBitmapsAreDroppedWithoutAMessage) {
    place(0, "true.bmp", test::bmpBytes(4, 4, 24, 0));
    place(1, "short.bmp", test::bmpBytes(4, 4, 8, 256).substr(0, 100));
    ASSERT_TRUE(reopen());
    EXPECT_TRUE(document.definition().bitmaps[0].path.empty());
    EXPECT_TRUE(document.definition().bitmaps[1].path.empty());
    EXPECT_FALSE(document.loadedBitmaps()[0].loaded());
    EXPECT_FALSE(document.loadedBitmaps()[1].loaded());
    document.definition().bitmaps[0] = {"missing.bmp", 10, -20, 50, -40};
    document.loadBitmaps();
    EXPECT_TRUE(document.definition().bitmaps[0].path.empty());
    EXPECT_TRUE(messages.messages().empty());
}

// Labels of the 3 x 2 sheet have their corners at x 100, 500, 900 and y -200, -500; bitmap 2 is
// drawn before (under) bitmap 1 on each label, before the label's texts.
TEST_F(BitmapPrintTest, BitmapTwoUnderBitmapOneOnEveryLabel) {
    place(0, "one.bmp", test::bmpBytes(8, 4, 1, 2));
    place(1, "eight.bmp", test::bmpBytes(16, 2, 8, 256));
    document.definition().bitmaps[1] = {"eight.bmp", 0, 0, 100, -100};
    ASSERT_TRUE(reopen());
    prepare({"r1"});
    RecordingSurface surface;
    job->printPage(surface, 1);
    const std::vector<std::string> bitmaps = surface.callsStartingWith("bitmap");
    ASSERT_EQ(bitmaps.size(), 12u);
    const size_t eightBit = test::bmpBytes(16, 2, 8, 256).size();
    const size_t oneBit = test::bmpBytes(8, 4, 1, 2).size();
    EXPECT_EQ(bitmaps[0], "bitmap 16x2 " + std::to_string(eightBit) + " -> 100 -200 200 -300");
    EXPECT_EQ(bitmaps[1], "bitmap 8x4 " + std::to_string(oneBit) + " -> 110 -220 150 -240");
    EXPECT_EQ(bitmaps[2], "bitmap 16x2 " + std::to_string(eightBit) + " -> 100 -500 200 -600");
    EXPECT_EQ(bitmaps[11], "bitmap 8x4 " + std::to_string(oneBit) + " -> 910 -520 950 -540");
    // Every bitmap comes before the record's text.
    const std::vector<std::string>& calls = surface.calls();
    size_t lastBitmap = 0;
    size_t firstText = calls.size();
    for (size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].rfind("bitmap", 0) == 0) lastBitmap = i;
        if (calls[i].rfind("textOut", 0) == 0) firstText = std::min(firstText, i);
    }
    EXPECT_LT(lastBitmap, firstText);
}

class MonoPatternPrintTest : public ::testing::Test, public test::PrintFixture {
  protected:
    // A CSZ file whose first record asks for the NAME field.
    int prepareCsz(const std::string& content) {
        test::writeBytes(folder.file("data.csz"), content);
        document.definition().dataFile.dataFilePath = folder.file("data.csz");
        document.dataFileUsable = true;
        job = std::make_unique<LabelPrintJob>(document, settings, clock, messages);
        return job->prepare();
    }
};

TEST_F(MonoPatternPrintTest, ThreeCopiesGiveThreeIdenticalPages) {
    EXPECT_EQ(prepareCsz("\\@,x\r\nother,y\r\n"), 0);  // nothing to print before a choice
    ASSERT_TRUE(job->monoPatternMode());
    MonoPatternForm form(document.definition(), *job->cszContent(), messages);
    form.setInput(1, "APPLE");
    ASSERT_TRUE(form.setCopies(3));
    const std::optional<MonoPatternPrint> chosen = form.startPrinting();
    ASSERT_TRUE(chosen);
    ASSERT_EQ(job->useMonoPattern(chosen->lines, chosen->copies), 3);
    std::vector<std::vector<std::string>> pages;
    for (int page = 1; page <= 3; ++page) pages.push_back(print(page, "textOut"));
    EXPECT_EQ(pages[0],
              (std::vector<std::string>{"textOut 120 -230 APPLE", "textOut 120 -530 APPLE",
                                        "textOut 520 -230 APPLE", "textOut 520 -530 APPLE",
                                        "textOut 920 -230 APPLE", "textOut 920 -530 APPLE"}));
    EXPECT_EQ(pages[1], pages[0]);
    EXPECT_EQ(pages[2], pages[0]);
}

TEST_F(MonoPatternPrintTest, OnlyACszRunTakesASelection) {
    prepare({"r1"});
    EXPECT_FALSE(job->monoPatternMode());
    EXPECT_EQ(job->cszContent(), nullptr);
    EXPECT_EQ(job->useMonoPattern({"x"}, 3), 0);
    EXPECT_EQ(print(1, "textOut"), std::vector<std::string>{"textOut 120 -230 r1"});
}

}  // namespace
}  // namespace qv
