#include "label/print/label_size_form.h"

#include <gtest/gtest.h>

#include "tests/support/a4_landscape.h"

namespace qv {
namespace {

class LabelSizeFormTest : public ::testing::Test {
  protected:
    // Offsets 10/10, labels 45 x 20: 6 columns and 9 rows fit.
    static SheetGeometry a4Landscape() { return test::a4Landscape(10, 10, 45, 20); }
    PaperTable papers;
    RecordingMessageService messages;
};

TEST_F(LabelSizeFormTest, OpeningFillsLimitsWithTheMaximum) {
    LabelSizeForm form(a4Landscape(), papers, messages);
    EXPECT_EQ(form.sheet().maxColumns, 6);
    EXPECT_EQ(form.sheet().maxRows, 9);
    EXPECT_EQ(form.summaryLine(), "Ａ４よこ  横 6列   縦 9列  １頁当たり 54枚");
    EXPECT_EQ(form.paperLine(), "ｻｲｽﾞ 297mm×210mm");
}

TEST_F(LabelSizeFormTest, SmallerLimitsAreKeptUntilTheSizeChanges) {
    SheetGeometry sheet = a4Landscape();
    sheet.maxColumns = 2;
    sheet.maxRows = 3;
    LabelSizeForm form(sheet, papers, messages);
    EXPECT_EQ(form.sheet().maxColumns, 2);
    form.setLabelWidth(0);  // the user clears the edit ...
    EXPECT_EQ(form.sheet().maxColumns, 0);
    form.setLabelWidth(90);  // ... and types a new width: both limits are the maxima again
    EXPECT_EQ(form.sheet().maxColumns, 3);
    EXPECT_EQ(form.sheet().maxRows, 9);
}

TEST_F(LabelSizeFormTest, TypedLimits) {
    LabelSizeForm form(a4Landscape(), papers, messages);
    form.typeColumnLimit(0);
    EXPECT_EQ(form.sheet().maxColumns, 1);
    form.typeColumnLimit(4);
    EXPECT_EQ(form.sheet().maxColumns, 4);
    EXPECT_TRUE(messages.messages().empty());

    form.typeColumnLimit(7);
    form.typeRowLimit(10);
    EXPECT_EQ(form.sheet().maxColumns, 6);
    EXPECT_EQ(form.sheet().maxRows, 9);
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"用紙の横幅に配置できるﾗﾍﾞﾙ数を越す指定できません。",
                                        "用紙の縦幅に配置できるﾗﾍﾞﾙ数を越す指定できません。"}));
    EXPECT_TRUE(messages.messages()[0].beep);
}

TEST_F(LabelSizeFormTest, OkRefusesALabelBeyondThePrintableArea) {
    SheetGeometry sheet = a4Landscape();
    sheet.labelWidthMm = 284;  // 297 - 10 - 3: exactly the printable width
    LabelSizeForm form(sheet, papers, messages);
    EXPECT_TRUE(form.accept());
    form.setLabelWidth(285);
    EXPECT_FALSE(form.accept());
    form.setLabelWidth(45);
    form.setLabelHeight(191);  // 210 - 10 - 10 + 1
    EXPECT_FALSE(form.accept());
    form.setLabelHeight(0);
    EXPECT_FALSE(form.accept());
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"一枚のラベルの巾が印刷領域をこえています。",
                                        "一枚のラベルの高さが印刷領域をこえています。",
                                        "ラベルの巾と高さは1mm以上を指定して下さい。"}));
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(form.sheet().labelHeightMm, 0);  // the user's values stay for correction
}

TEST_F(LabelSizeFormTest, PaperChoiceAndFreeSize) {
    LabelSizeForm form(a4Landscape(), papers, messages);
    form.choosePaper("Ａ３よこ");
    EXPECT_EQ(form.sheet().paperIndex, 7);
    EXPECT_EQ(form.sheet().paperWidthMm, 420);
    EXPECT_EQ(form.sheet().maxColumns, 9);  // (420 - 10 - 3) / 45

    form.setFreeSize(100, 80);
    EXPECT_EQ(form.sheet().paperIndex, kFreePaperIndex);
    EXPECT_EQ(form.paperLine(), "ｻｲｽﾞ 100mm×80mm");
    EXPECT_EQ(form.sheet().maxColumns, 1);
    EXPECT_EQ(form.sheet().maxRows, 3);
    EXPECT_EQ(form.papers().freeSize().widthMm, 100);
    EXPECT_EQ(papers.freeSize().widthMm, 0);  // the caller's table changes only on OK
}

TEST_F(LabelSizeFormTest, FitToPaperWidth) {
    LabelSizeForm form(a4Landscape(), papers, messages);
    EXPECT_EQ(form.setFitToPaperWidth(true), 50);  // landscape kind
    EXPECT_EQ(form.sheet().labelWidthMm, 284);
    EXPECT_FALSE(form.labelWidthEditable());
    EXPECT_EQ(form.sheet().maxColumns, 1);
    EXPECT_EQ(form.setFitToPaperWidth(false), 100);
    EXPECT_TRUE(form.labelWidthEditable());
    form.choosePaper("Ａ４たて");
    EXPECT_EQ(form.setFitToPaperWidth(true), 70);
    EXPECT_EQ(form.sheet().labelWidthMm, 197);  // 210 - 10 - 3
}

}  // namespace
}  // namespace qv
