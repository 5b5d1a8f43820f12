#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "common/message_service.h"
#include "label/definition/literal_entry.h"
#include "label/editor/widgets/literal_dialog.h"
#include "label/editor/widgets/macro_picker_dialog.h"
#include "label/editor/widgets/ruled_line_dialog.h"
#include "platform/colour_palette.h"

#include "tests/label_app/widget_test_support.h"

namespace qv {
namespace {

using test::child;

void typeInto(QWidget& parent, const char* name, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(parent, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void press(QWidget& parent, const char* name) {
    QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
}

// 2024-03-05 (a Tuesday) 14:07:09.
MacroClock fixedClock() {
    MacroClock clock;
    clock.fix(MacroTimestamp{2024, 3, 5, 14, 7, 9, 2});
    return clock;
}

class LiteralDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.sheet.labelWidthMm = 45;
        definition.sheet.labelHeightMm = 30;
        definition.literals[0] = LiteralPlacement{"Lot,Arial,5", 12, 1, 3, 4};
    }

    LabelDefinition definition;
    RecordingMessageService messages;
    MacroClock clock = fixedClock();
};

// --- Literal dialog -------------------------------------------------------------------------

TEST_F(LiteralDialogTest, SelectingAnEntryShowsItsValuesAndReportsTheSlot) {
    LiteralDialog dialog(definition, messages, clock, DateSettings{});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("リテラルの配置"));
    EXPECT_FALSE(dialog.isModal());
    QSignalSpy selected(&dialog, &LiteralDialog::literalSelected);
    QListWidget* list = child<QListWidget>(dialog, "literalList");
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 0);
    EXPECT_EQ(child<QLineEdit>(dialog, "literalText")->text(), QStringLiteral("Lot"));
    EXPECT_EQ(child<QLineEdit>(dialog, "literalX")->text(), QStringLiteral("3"));
    EXPECT_EQ(child<QLineEdit>(dialog, "literalY")->text(), QStringLiteral("4"));
    EXPECT_EQ(child<QLabel>(dialog, "faceName")->text(), QStringLiteral("Arial"));
    EXPECT_EQ(child<QLabel>(dialog, "pointSize")->text(), QStringLiteral("12"));
    EXPECT_TRUE(child<QCheckBox>(dialog, "bold")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "italic")->isChecked());
    EXPECT_EQ(child<ColourPalette>(dialog, "literalColour")->selectedIndex(), 5);
}

TEST_F(LiteralDialogTest, TypedLiteralWithACommaIsAddedAndListed) {
    LiteralDialog dialog(definition, messages, clock, DateSettings{});
    QSignalSpy changed(&dialog, &LiteralDialog::listChanged);
    typeInto(dialog, "literalText", QStringLiteral("1,5 kg"));
    dialog.positionPicked(45, 30);
    EXPECT_EQ(child<QLineEdit>(dialog, "literalX")->text(), QStringLiteral("45"));
    press(dialog, "addButton");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(parseLiteralEntry(definition.literals[1].entry).text, "1,5 kg");
    EXPECT_EQ(definition.literals[1].xMm, 45);
    QListWidget* list = child<QListWidget>(dialog, "literalList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("1,5 kg"));
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(child<QLineEdit>(dialog, "literalText")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(dialog, "literalX")->text().isEmpty());
}

TEST_F(LiteralDialogTest, PositionPastTheLabelIsRefusedWithTheMessage) {
    LiteralDialog dialog(definition, messages, clock, DateSettings{});
    QSignalSpy changed(&dialog, &LiteralDialog::listChanged);
    typeInto(dialog, "literalText", QStringLiteral("X"));
    typeInto(dialog, "literalX", QStringLiteral("46"));
    typeInto(dialog, "literalY", QStringLiteral("0"));
    press(dialog, "addButton");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"入力された数値に誤りがあります!"});
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(definition.literals[1].entry, "");
}

TEST_F(LiteralDialogTest, FontPaletteAndDeleteReachTheDefinition) {
    LiteralDialog dialog(definition, messages, clock, DateSettings{});
    dialog.setFontPicker([](QWidget*, const FontChoice& current) {
        EXPECT_EQ(current.pointSize, 10);
        return std::optional<FontChoice>(FontChoice{"Arial", 20, false, true, false});
    });
    typeInto(dialog, "literalText", QStringLiteral("New"));
    typeInto(dialog, "literalX", QStringLiteral("1"));
    typeInto(dialog, "literalY", QStringLiteral("2"));
    press(dialog, "fontButton");
    EXPECT_EQ(child<QLabel>(dialog, "pointSize")->text(), QStringLiteral("20"));
    EXPECT_TRUE(child<QCheckBox>(dialog, "italic")->isChecked());
    ColourPalette* palette = child<ColourPalette>(dialog, "literalColour");
    QTest::mouseClick(palette, Qt::LeftButton, {}, palette->swatchRect(11).center());
    press(dialog, "addButton");
    EXPECT_EQ(definition.literals[1].entry, "New,Arial,11");
    EXPECT_EQ(definition.literals[1].pointSize, 20);
    EXPECT_EQ(definition.literals[1].style, 2);

    child<QListWidget>(dialog, "literalList")->setCurrentRow(0);
    press(dialog, "deleteButton");
    EXPECT_EQ(definition.literals[0].entry, "New,Arial,11");
    EXPECT_EQ(child<QListWidget>(dialog, "literalList")->count(), 1);
}

TEST_F(LiteralDialogTest, MacroCodeBecomesTheTextAndSelectsItsLiteral) {
    definition.literals[1] = LiteralPlacement{"\\w1,,0", 10, 0, 7, 8};
    LiteralDialog dialog(definition, messages, clock, DateSettings{});
    QSignalSpy selected(&dialog, &LiteralDialog::literalSelected);
    dialog.setMacroPicker([](QWidget*) { return std::optional<std::string>("\\w1"); });
    press(dialog, "macroButton");
    EXPECT_EQ(child<QLineEdit>(dialog, "literalText")->text(), QStringLiteral("\\w1"));
    EXPECT_EQ(child<QListWidget>(dialog, "literalList")->currentRow(), 1);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 1);
}

TEST_F(LiteralDialogTest, ClosingReportsWhetherTheDefinitionChanged) {
    LiteralDialog dialog(definition, messages, clock, DateSettings{});
    dialog.show();
    QSignalSpy closed(&dialog, &LiteralDialog::closed);
    press(dialog, "closeButton");
    ASSERT_EQ(closed.count(), 1);
    EXPECT_FALSE(closed.at(0).at(0).toBool());
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    child<QListWidget>(dialog, "literalList")->setCurrentRow(0);
    press(dialog, "deleteButton");
    press(dialog, "closeButton");
    ASSERT_EQ(closed.count(), 2);
    EXPECT_TRUE(closed.at(1).at(0).toBool());
}

// --- Macro picker ---------------------------------------------------------------------------

TEST(MacroPickerDialogTest, ListsThirteenExpansionsAndOkGivesTheCode) {
    MacroPickerDialog dialog(fixedClock().timestamp(), DateSettings{});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("定数のマクロ"));
    EXPECT_TRUE(dialog.isModal());
    QListWidget* list = child<QListWidget>(dialog, "macroList");
    ASSERT_EQ(list->count(), 13);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("12345"));  // the running number's sample
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.chosenCode(), "");

    list->setCurrentRow(0);
    EXPECT_TRUE(child<QLabel>(dialog, "macroDetail")->text().contains(QStringLiteral("\\@")));
    list->setCurrentRow(6);  // "\t1", the first time code
    const QString detail = child<QLabel>(dialog, "macroDetail")->text();
    EXPECT_TRUE(detail.startsWith(QStringLiteral("\\t1"))) << detail.toStdString();
    EXPECT_TRUE(detail.contains(list->item(6)->text()));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(dialog.chosenCode(), "\\t1");
}

// --- Ruled-line dialog ----------------------------------------------------------------------

class RuledLineDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.sheet.labelWidthMm = 45;
        definition.sheet.labelHeightMm = 30;
    }

    LabelDefinition definition;
    RecordingMessageService messages;
};

TEST_F(RuledLineDialogTest, TypedLineIsAddedNegatedAndListedPositive) {
    RuledLineDialog dialog(definition, messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("罫線の配置"));
    QSignalSpy changed(&dialog, &RuledLineDialog::listChanged);
    QPushButton* add = child<QPushButton>(dialog, "addButton");
    EXPECT_FALSE(add->isEnabled());
    typeInto(dialog, "startX", QStringLiteral("0"));
    typeInto(dialog, "startY", QStringLiteral("0"));
    typeInto(dialog, "endX", QStringLiteral("46"));  // past the label's width
    typeInto(dialog, "endY", QStringLiteral("5"));
    EXPECT_FALSE(add->isEnabled());
    typeInto(dialog, "endX", QStringLiteral("45"));
    EXPECT_TRUE(add->isEnabled());
    press(dialog, "addButton");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(definition.ruledLines[0].endX, 45);
    EXPECT_EQ(definition.ruledLines[0].endY, -5);
    QListWidget* list = child<QListWidget>(dialog, "lineList");
    ASSERT_EQ(list->count(), 30);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("0...(0mm×0mm→45mm×5mm)"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("1..."));
}

TEST_F(RuledLineDialogTest, SelectingEnablesOnlyDeleteWhichEmptiesTheSlot) {
    definition.ruledLines[2] = RuledLine{1, -2, 3, -4};
    RuledLineDialog dialog(definition, messages);
    typeInto(dialog, "startX", QStringLiteral("1"));
    child<QListWidget>(dialog, "lineList")->setCurrentRow(2);
    EXPECT_EQ(child<QLineEdit>(dialog, "startY")->text(), QStringLiteral("2"));
    EXPECT_EQ(child<QLineEdit>(dialog, "endY")->text(), QStringLiteral("4"));
    EXPECT_FALSE(child<QPushButton>(dialog, "addButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(dialog, "modifyButton")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(dialog, "deleteButton")->isEnabled());
    press(dialog, "deleteButton");
    EXPECT_EQ(definition.ruledLines[2].startX, -1);
    EXPECT_EQ(child<QListWidget>(dialog, "lineList")->item(2)->text(), QStringLiteral("2..."));
}

TEST_F(RuledLineDialogTest, LineDrawnInTheViewIsShownAndSelected) {
    RuledLineDialog dialog(definition, messages);
    definition.ruledLines[0] = RuledLine{5, -6, 7, -8};
    dialog.lineDrawn(0);
    QListWidget* list = child<QListWidget>(dialog, "lineList");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("0...(5mm×6mm→7mm×8mm)"));
    EXPECT_EQ(child<QLineEdit>(dialog, "endX")->text(), QStringLiteral("7"));
    typeInto(dialog, "endX", QStringLiteral("40"));
    press(dialog, "modifyButton");
    EXPECT_EQ(definition.ruledLines[0].endX, 40);
}

TEST_F(RuledLineDialogTest, FullTableIsRefusedAndCloseReportsNoChange) {
    for (auto& line : definition.ruledLines) line = RuledLine{1, -1, 2, -2};
    RuledLineDialog dialog(definition, messages);
    dialog.show();
    QSignalSpy closed(&dialog, &RuledLineDialog::closed);
    for (const char* name : {"startX", "startY", "endX", "endY"}) {
        typeInto(dialog, name, QStringLiteral("9"));
    }
    press(dialog, "addButton");
    EXPECT_EQ(messages.messages().size(), 1u);
    for (const RuledLine& line : definition.ruledLines) EXPECT_EQ(line.startX, 1);
    press(dialog, "closeButton");
    ASSERT_EQ(closed.count(), 1);
    EXPECT_FALSE(closed.at(0).at(0).toBool());
}

}  // namespace
}  // namespace qv
