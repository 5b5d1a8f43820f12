#include "label/app/dialogs/title_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/sjis_text.h"
#include "platform/colour_palette.h"

#include "tests/label_app/widget_test_support.h"

namespace qv {
namespace {

using test::child;
using test::click;

void typeWithInputMethod(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

QPushButton* dialogButton(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

class TitleDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.titleText = "Stock";
        definition.titleFontName = "Arial";
        definition.titlePointSize = 18;
        definition.titlePosition = 5;  // middle, right
        definition.titleColourIndex = 2;
        definition.titleAuxText = "aux";
        definition.printPageNumber = 0;
        definition.printDate = 1;
    }
    LabelDefinition definition;
};

TEST_F(TitleDialogTest, ShowsTheDefinition) {
    TitleDialog dialog(definition);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("タイトルの設定"));
    EXPECT_EQ(child<QLineEdit>(dialog, "titleText")->text(), QStringLiteral("Stock"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "right")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "middle")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(dialog, "centre")->isChecked());
    EXPECT_EQ(child<ColourPalette>(dialog, "titleColour")->selectedIndex(), 2);
    EXPECT_FALSE(child<QCheckBox>(dialog, "pageNumber")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "outputDate")->isChecked());
    QStringList groups;
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) groups << box->title();
    EXPECT_EQ(groups,
              (QStringList{QStringLiteral("上部の空白に対する配置"), QStringLiteral("フッター")}));
}

TEST_F(TitleDialogTest, PositionButtonsKeepTheOtherGroup) {
    TitleDialog dialog(definition);
    dialog.show();
    click(child<QRadioButton>(dialog, "top"));
    EXPECT_EQ(dialog.form().position(), 2);  // top, right
    EXPECT_TRUE(child<QRadioButton>(dialog, "right")->isChecked());
    click(child<QRadioButton>(dialog, "left"));
    EXPECT_EQ(dialog.form().position(), 0);
    EXPECT_TRUE(child<QRadioButton>(dialog, "top")->isChecked());
    click(child<QRadioButton>(dialog, "bottom"));
    EXPECT_EQ(dialog.form().position(), 6);
}

TEST_F(TitleDialogTest, OkWritesEveryControlIntoTheDefinition) {
    TitleDialog dialog(definition);
    dialog.show();
    FontChoice offered;
    dialog.setFontPicker([&](QWidget*, const FontChoice& current) -> std::optional<FontChoice> {
        offered = current;
        return FontChoice{"Courier New", 9, true, false, true};
    });
    QLineEdit* text = child<QLineEdit>(dialog, "titleText");
    text->clear();
    typeWithInputMethod(text, QStringLiteral("在庫"));  // Japanese comes through the input method
    QTest::keyClicks(text, QStringLiteral(" list"));
    click(child<QPushButton>(dialog, "fontButton"));
    EXPECT_EQ(offered.face, "Arial");
    EXPECT_EQ(offered.pointSize, 18);
    click(child<QRadioButton>(dialog, "centre"));
    auto* palette = child<ColourPalette>(dialog, "titleColour");
    QTest::mouseClick(palette, Qt::LeftButton, {}, palette->swatchRect(17).center());
    click(child<QCheckBox>(dialog, "pageNumber"));
    click(child<QCheckBox>(dialog, "outputDate"));
    click(dialogButton(dialog, QDialogButtonBox::Ok));

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(definition.titleText, sjis::fromUtf8("在庫 list"));
    EXPECT_EQ(definition.titleFontName, "Courier New");
    EXPECT_EQ(definition.titlePointSize, 9);
    EXPECT_EQ(definition.titleBold, 1);
    EXPECT_EQ(definition.titleUnderline, 1);
    EXPECT_EQ(definition.titleAuxText, "");
    EXPECT_EQ(definition.titlePosition, 4);
    EXPECT_EQ(definition.titleColourIndex, 17);
    EXPECT_EQ(definition.printPageNumber, 1);
    EXPECT_EQ(definition.printDate, 0);
}

TEST_F(TitleDialogTest, CancelledFontPickerKeepsFontAndAuxText) {
    TitleDialog dialog(definition);
    dialog.show();
    dialog.setFontPicker([](QWidget*, const FontChoice&) { return std::optional<FontChoice>(); });
    click(child<QPushButton>(dialog, "fontButton"));
    click(dialogButton(dialog, QDialogButtonBox::Ok));
    EXPECT_EQ(definition.titleFontName, "Arial");
    EXPECT_EQ(definition.titleAuxText, "aux");
}

TEST_F(TitleDialogTest, CancelChangesNothing) {
    const LabelDefinition before = definition;
    TitleDialog dialog(definition);
    dialog.show();
    QTest::keyClicks(child<QLineEdit>(dialog, "titleText"), QStringLiteral("X"));
    click(child<QRadioButton>(dialog, "bottom"));
    click(child<QCheckBox>(dialog, "pageNumber"));
    click(dialogButton(dialog, QDialogButtonBox::Cancel));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(definition.titleText, before.titleText);
    EXPECT_EQ(definition.titlePosition, before.titlePosition);
    EXPECT_EQ(definition.printPageNumber, before.printPageNumber);
    EXPECT_EQ(definition.titleColourIndex, before.titleColourIndex);
}

}  // namespace
}  // namespace qv
