// The label-size dialog's binding: what the user types reaches the rules, and what the rules
// decide shows in the edits, the summary and the message service.
#include "label/app/dialogs/label_size_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "label/app/dialogs/free_size_dialog.h"
#include "tests/support/a4_landscape.h"

namespace qv {
namespace {

const char* const kTooManyColumns = "用紙の横幅に配置できるﾗﾍﾞﾙ数を越す指定できません。";
const char* const kTooManyRows = "用紙の縦幅に配置できるﾗﾍﾞﾙ数を越す指定できません。";
const char* const kLabelTooWide = "一枚のラベルの巾が印刷領域をこえています。";

// A4 landscape, offsets 10/10, labels 45 x 20: 6 columns and 9 rows fit.
SheetGeometry a4Landscape() {
    return test::a4Landscape(10, 10, 45, 20);
}

// Replaces the whole text of an edit as a user would: select all, type.
void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void clickButton(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    QDialogButtonBox* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    box->button(which)->click();
}

class LabelSizeDialogTest : public ::testing::Test {
  protected:
    PaperTable papers;
    RecordingMessageService messages;
    LabelSizeDialog dialog{a4Landscape(), papers, messages};

    QString summary() const { return dialog.summaryLabel()->text(); }
};

TEST_F(LabelSizeDialogTest, OpensWithTheSheetAndItsMaxima) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ラベルの位置と大きさ"));
    ASSERT_EQ(dialog.paperBox()->count(), 9);
    EXPECT_EQ(dialog.paperBox()->itemText(0), QStringLiteral("Ａ４たて"));
    EXPECT_EQ(dialog.paperBox()->itemText(8), QStringLiteral("自由ｻｲｽﾞ"));
    EXPECT_EQ(dialog.paperBox()->currentText(), QStringLiteral("Ａ４よこ"));
    EXPECT_EQ(dialog.labelWidthEdit()->text(), "45");
    EXPECT_EQ(dialog.labelHeightEdit()->text(), "20");
    EXPECT_EQ(dialog.topEdit()->text(), "10");
    EXPECT_EQ(dialog.leftEdit()->text(), "10");
    EXPECT_EQ(dialog.columnLimitEdit()->text(), "6");
    EXPECT_EQ(dialog.rowLimitEdit()->text(), "9");
    EXPECT_EQ(summary(), QStringLiteral("Ａ４よこ  横 6列   縦 9列  １頁当たり 54枚"));
    EXPECT_EQ(dialog.paperLabel()->text(), QStringLiteral("ｻｲｽﾞ 297mm×210mm"));
    EXPECT_EQ(dialog.labelZoom(), -1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LabelSizeDialogTest, TypedLimits) {
    retype(dialog.columnLimitEdit(), "4");
    EXPECT_EQ(dialog.form().sheet().maxColumns, 4);
    EXPECT_EQ(summary(), QStringLiteral("Ａ４よこ  横 4列   縦 9列  １頁当たり 36枚"));
    EXPECT_TRUE(messages.messages().empty());

    retype(dialog.columnLimitEdit(), "7");  // one more than fits
    EXPECT_EQ(dialog.columnLimitEdit()->text(), "6");
    EXPECT_EQ(dialog.form().sheet().maxColumns, 6);
    retype(dialog.rowLimitEdit(), "12");  // "1" is fine, "12" is three too many
    EXPECT_EQ(dialog.rowLimitEdit()->text(), "9");
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{kTooManyColumns, kTooManyRows}));
    EXPECT_TRUE(messages.messages()[0].beep);

    retype(dialog.columnLimitEdit(), "0");
    EXPECT_EQ(dialog.columnLimitEdit()->text(), "1");
    EXPECT_EQ(summary(), QStringLiteral("Ａ４よこ  横 1列   縦 9列  １頁当たり 9枚"));
}

TEST_F(LabelSizeDialogTest, AnEmptiedLimitCountsOnlyWhenLeftEmpty) {
    dialog.columnLimitEdit()->clear();  // waits for the next digit
    EXPECT_EQ(dialog.form().sheet().maxColumns, 6);
    QTest::keyClicks(dialog.columnLimitEdit(), "3");
    EXPECT_EQ(dialog.form().sheet().maxColumns, 3);

    dialog.columnLimitEdit()->clear();
    emit dialog.columnLimitEdit()->editingFinished();
    EXPECT_EQ(dialog.columnLimitEdit()->text(), "1");
    EXPECT_EQ(dialog.form().sheet().maxColumns, 1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LabelSizeDialogTest, ChangingASizeResetsTheLimitsToTheNewMaxima) {
    retype(dialog.columnLimitEdit(), "2");
    retype(dialog.rowLimitEdit(), "3");
    dialog.labelWidthEdit()->clear();  // no label fits while the width is empty
    EXPECT_EQ(dialog.columnLimitEdit()->text(), "0");
    QTest::keyClicks(dialog.labelWidthEdit(), "90");  // (297 - 10 - 3) / 90 = 3
    EXPECT_EQ(dialog.form().sheet().labelWidthMm, 90);
    EXPECT_EQ(dialog.columnLimitEdit()->text(), "3");
    EXPECT_EQ(dialog.rowLimitEdit()->text(), "9");
    EXPECT_EQ(summary(), QStringLiteral("Ａ４よこ  横 3列   縦 9列  １頁当たり 27枚"));

    retype(dialog.labelHeightEdit(), "38");  // (210 - 10 - 10) / 38 = 5
    EXPECT_EQ(dialog.rowLimitEdit()->text(), "5");
    retype(dialog.topEdit(), "20");  // (210 - 20 - 10) / 38 = 4
    EXPECT_EQ(dialog.rowLimitEdit()->text(), "4");
    retype(dialog.leftEdit(), "20");  // (297 - 20 - 3) / 90 = 3
    EXPECT_EQ(dialog.form().sheet().firstLabelLeftMm, 20);
    EXPECT_EQ(summary(), QStringLiteral("Ａ４よこ  横 3列   縦 4列  １頁当たり 12枚"));
    EXPECT_TRUE(messages.messages().empty());  // the dialog's own writes are not typed limits
}

TEST_F(LabelSizeDialogTest, ChoosingAFixedPaper) {
    QTest::keyClick(dialog.paperBox(), Qt::Key_Up);  // to "Ａ４たて", 210 x 297
    EXPECT_EQ(dialog.form().sheet().paperIndex, 0);
    EXPECT_EQ(dialog.paperLabel()->text(), QStringLiteral("ｻｲｽﾞ 210mm×297mm"));
    // (210 - 10 - 3) / 45 = 4, (297 - 10 - 10) / 20 = 13
    EXPECT_EQ(summary(), QStringLiteral("Ａ４たて  横 4列   縦 13列  １頁当たり 52枚"));
    EXPECT_EQ(dialog.columnLimitEdit()->text(), "4");
}

TEST_F(LabelSizeDialogTest, FitToPaperWidthLocksTheWidthAndSetsTheZoom) {
    dialog.fitToPaperWidthBox()->click();
    EXPECT_FALSE(dialog.labelWidthEdit()->isEnabled());
    EXPECT_EQ(dialog.labelWidthEdit()->text(), "284");  // 297 - 10 - 3
    EXPECT_EQ(dialog.columnLimitEdit()->text(), "1");
    EXPECT_EQ(dialog.labelZoom(), 50);  // landscape kind
    EXPECT_EQ(dialog.form().sheet().fitToPaperWidth, 1);

    dialog.fitToPaperWidthBox()->click();
    EXPECT_TRUE(dialog.labelWidthEdit()->isEnabled());
    EXPECT_EQ(dialog.labelZoom(), 100);
}

TEST_F(LabelSizeDialogTest, NoFrameLinesReachesTheForm) {
    dialog.noFrameLinesBox()->click();
    EXPECT_EQ(dialog.form().sheet().noFrameLines, 1);
    dialog.noFrameLinesBox()->click();
    EXPECT_EQ(dialog.form().sheet().noFrameLines, 0);
}

TEST_F(LabelSizeDialogTest, OkIsRefusedWhileTheLabelIsTooWide) {
    dialog.show();
    retype(dialog.labelWidthEdit(), "285");  // one more than 297 - 10 - 3
    clickButton(dialog, QDialogButtonBox::Ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kLabelTooWide});
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(dialog.labelWidthEdit()->text(), "285");  // kept for correction

    retype(dialog.labelWidthEdit(), "284");
    clickButton(dialog, QDialogButtonBox::Ok);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(LabelSizeDialogTest, ChoosingTheFreeSizeAsksForItAndShowsIt) {
    std::vector<int> askedWithWidths;
    dialog.setFreeSizeAsker([&](QWidget*, PaperSize current) {
        askedWithWidths.push_back(current.widthMm);
        return PaperSize{100, 50};
    });
    QTest::keyClick(dialog.paperBox(), Qt::Key_End);
    EXPECT_EQ(dialog.paperBox()->currentText(), QStringLiteral("自由ｻｲｽﾞ"));
    EXPECT_EQ(dialog.paperLabel()->text(), QStringLiteral("ｻｲｽﾞ 100mm×50mm"));
    // (100 - 10 - 3) / 45 = 1, (50 - 10 - 10) / 20 = 1
    EXPECT_EQ(summary(), QStringLiteral("自由ｻｲｽﾞ  横 1列   縦 1列  １頁当たり 1枚"));
    EXPECT_EQ(dialog.form().papers().freeSize().heightMm, 50);

    dialog.paperBox()->activated(8);  // chosen again: asked again, starting from the last size
    EXPECT_EQ(askedWithWidths, (std::vector<int>{0, 100}));
}

// The free-size dialog itself, answered from a timer while the label-size dialog waits for it.
TEST_F(LabelSizeDialogTest, TheFreeSizeDialogAnswersTheChoice) {
    QTimer::singleShot(0, [] {
        auto* free = qobject_cast<FreeSizeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(free, nullptr);
        retype(free->heightEdit(), "80");
        retype(free->widthEdit(), "120");
        free->findChild<QPushButton*>()->click();
    });
    QTest::keyClick(dialog.paperBox(), Qt::Key_End);
    EXPECT_EQ(dialog.paperLabel()->text(), QStringLiteral("ｻｲｽﾞ 120mm×80mm"));
}

TEST(FreeSizeDialogTest, ShowsAndGivesTheSize) {
    FreeSizeDialog dialog(PaperSize{100, 50});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("自由用紙のｻｲｽﾞ"));
    EXPECT_EQ(dialog.heightEdit()->text(), "50");
    EXPECT_EQ(dialog.widthEdit()->text(), "100");
    QPushButton* close = dialog.findChild<QPushButton*>();
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("終了"));

    retype(dialog.heightEdit(), "70");
    dialog.widthEdit()->clear();
    EXPECT_EQ(dialog.size().heightMm, 70);
    EXPECT_EQ(dialog.size().widthMm, 0);
    QTest::keyClicks(dialog.widthEdit(), "1x2");  // the letter cannot be typed
    EXPECT_EQ(dialog.size().widthMm, 12);
}

// editSheetGeometry copies the confirmed sheet back, and nothing on Cancel.
class EditSheetGeometryTest : public ::testing::Test {
  protected:
    // Runs editSheetGeometry on the sheet, doing `act` on the label-size dialog once it runs;
    // what editSheetGeometry gives back.
    bool editWith(const std::function<void(LabelSizeDialog&)>& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<LabelSizeDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
        return editSheetGeometry(nullptr, sheet, papers, messages, &zoom);
    }

    // Chooses the free size (answered with 200 x 150 mm) and types a label width of 60.
    static void chooseFreeSizeAndWidth60(LabelSizeDialog& dialog) {
        dialog.setFreeSizeAsker([](QWidget*, PaperSize) { return PaperSize{200, 150}; });
        QTest::keyClick(dialog.paperBox(), Qt::Key_End);
        retype(dialog.labelWidthEdit(), "60");
    }

    SheetGeometry sheet = a4Landscape();
    PaperTable papers;
    RecordingMessageService messages;
    int zoom = 0;
};

TEST_F(EditSheetGeometryTest, OkCopiesTheEditedFields) {
    sheet.printDirection = 1;
    ASSERT_TRUE(editWith([](LabelSizeDialog& dialog) {
        chooseFreeSizeAndWidth60(dialog);
        retype(dialog.labelHeightEdit(), "25");
        retype(dialog.topEdit(), "5");
        retype(dialog.leftEdit(), "7");
        retype(dialog.rowLimitEdit(), "4");
        dialog.fitToPaperWidthBox()->click();  // width 200 - 7 - 3
        dialog.noFrameLinesBox()->click();
        clickButton(dialog, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(sheet.paperIndex, 8);
    EXPECT_EQ(sheet.paperWidthMm, 200);
    EXPECT_EQ(sheet.paperHeightMm, 150);
    EXPECT_EQ(papers.freeSize().widthMm, 200);
    EXPECT_EQ(papers.freeSize().heightMm, 150);
    EXPECT_EQ(sheet.labelWidthMm, 190);
    EXPECT_EQ(sheet.labelHeightMm, 25);
    EXPECT_EQ(sheet.firstLabelTopMm, 5);
    EXPECT_EQ(sheet.firstLabelLeftMm, 7);
    EXPECT_EQ(sheet.maxColumns, 1);
    EXPECT_EQ(sheet.maxRows, 5);  // the width change reset the typed 4 to (150 - 5 - 10) / 25
    EXPECT_EQ(sheet.fitToPaperWidth, 1);
    EXPECT_EQ(sheet.noFrameLines, 1);
    EXPECT_EQ(sheet.printDirection, 1);  // not this dialog's
    EXPECT_EQ(zoom, 70);                 // the free size is no landscape kind
}

TEST_F(EditSheetGeometryTest, CancelLeavesEverything) {
    EXPECT_FALSE(editWith([](LabelSizeDialog& dialog) {
        chooseFreeSizeAndWidth60(dialog);
        clickButton(dialog, QDialogButtonBox::Cancel);
    }));
    EXPECT_EQ(sheet.paperIndex, 1);
    EXPECT_EQ(sheet.labelWidthMm, 45);
    EXPECT_EQ(sheet.maxColumns, 0);
    EXPECT_EQ(papers.freeSize().widthMm, 0);
    EXPECT_EQ(zoom, 0);
}

}  // namespace
}  // namespace qv
