#include "label/editor/widgets/field_placement_dialog.h"
#include "label/editor/widgets/dialog_placement.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "label/definition/barcode_kind.h"
#include "platform/colour_palette.h"

#include "tests/label_app/widget_test_support.h"

namespace qv {
namespace {

using test::child;
using test::click;

// Fields: 0 a JAN barcode, 1 a one-blank name, 2 a text field in vertical writing, 3 not placed.
class FieldPlacementDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.dataFile.dataFileName = "stock.csv";
        definition.dataFile.fieldNames = {"CODE", " ", "NAME", "PRICE"};
        definition.fields[0] = {10, 5, "Arial", 9, 30, 12, static_cast<int>(BarcodeKind::Jan),
                                8,  3};
        definition.fields[2] = {4, 20, "Arial", 12, 0, 0, 0x01, 0x06, 7};
        dialog = std::make_unique<FieldPlacementDialog>(definition, messages);
        dialog->show();
        list = child<QListWidget>(*dialog, "fieldList");
    }

    void select(int row) { list->setCurrentRow(row); }

    LabelDefinition definition;
    RecordingMessageService messages;
    std::unique_ptr<FieldPlacementDialog> dialog;
    QListWidget* list = nullptr;
};

TEST_F(FieldPlacementDialogTest, OpensWithTheFieldListAndTheButtonsDisabled) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("フィールドの配置"));
    EXPECT_FALSE(dialog->isModal());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("NAME"));
    EXPECT_EQ(child<QLabel>(*dialog, "fileLabel")->text(), QStringLiteral("File :stock.csv"));
    EXPECT_FALSE(child<QPushButton>(*dialog, "fontButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(*dialog, "confirmButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(*dialog, "removeButton")->isEnabled());
    auto* palette = child<ColourPalette>(*dialog, "palette");
    // Two rows of ten colour cells.
    EXPECT_EQ(palette->swatchRect(10).topLeft(),
              palette->swatchRect(0).bottomLeft() + QPoint(0, 1));
}

TEST_F(FieldPlacementDialogTest, SelectingABarcodeDisablesTheTextLayout) {
    select(0);
    EXPECT_TRUE(child<QRadioButton>(*dialog, "barcodeKind")->isChecked());
    EXPECT_TRUE(child<QSpinBox>(*dialog, "widthBox")->isEnabled());
    EXPECT_EQ(child<QSpinBox>(*dialog, "heightBox")->value(), 12);
    EXPECT_FALSE(child<QRadioButton>(*dialog, "alignCentre")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(*dialog, "vertical")->isEnabled());
    EXPECT_EQ(child<ColourPalette>(*dialog, "palette")->selectedIndex(), 3);
}

TEST_F(FieldPlacementDialogTest, SelectingVerticalTextRelabelsTheAlignment) {
    select(1);
    EXPECT_TRUE(child<QRadioButton>(*dialog, "textKind")->isChecked());
    EXPECT_EQ(child<QLabel>(*dialog, "fontName")->text(), QStringLiteral("Arial"));
    EXPECT_EQ(child<QLabel>(*dialog, "pointSize")->text(), QStringLiteral("12"));
    EXPECT_TRUE(child<QCheckBox>(*dialog, "bold")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(*dialog, "italic")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(*dialog, "vertical")->isChecked());
    auto* first = child<QRadioButton>(*dialog, "alignFirst");
    auto* last = child<QRadioButton>(*dialog, "alignLast");
    EXPECT_EQ(first->text(), QStringLiteral("上"));
    EXPECT_EQ(last->text(), QStringLiteral("下"));
    EXPECT_TRUE(last->isChecked());
    EXPECT_FALSE(child<QSpinBox>(*dialog, "widthBox")->isEnabled());
    child<QCheckBox>(*dialog, "vertical")->click();
    EXPECT_EQ(first->text(), QStringLiteral("左"));
    EXPECT_EQ(last->text(), QStringLiteral("右"));
}

TEST_F(FieldPlacementDialogTest, PickedPositionIsConfirmedAndReported) {
    QSignalSpy changed(dialog.get(), &FieldPlacementDialog::entryChanged);
    QSignalSpy stored(dialog.get(), &FieldPlacementDialog::entryStored);
    select(2);
    EXPECT_EQ(changed.count(), 1);  // the view draws the chosen field as the dialog holds it
    auto* confirm = child<QPushButton>(*dialog, "confirmButton");
    EXPECT_FALSE(confirm->isEnabled());
    dialog->positionPicked(6, 9, 0, 0);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(child<QSpinBox>(*dialog, "xBox")->value(), 6);
    ASSERT_TRUE(confirm->isEnabled());
    click(confirm);
    EXPECT_EQ(stored.count(), 1);
    EXPECT_EQ(definition.fields[3].xMm, 6);
    EXPECT_EQ(definition.fields[3].yMm, 9);
    EXPECT_EQ(list->currentRow(), -1);  // the selection is cleared
    EXPECT_FALSE(child<QRadioButton>(*dialog, "textKind")->isChecked());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FieldPlacementDialogTest, ConfirmingWithoutAPositionShowsTheMessage) {
    QSignalSpy stored(dialog.get(), &FieldPlacementDialog::entryStored);
    select(2);
    child<ColourPalette>(*dialog, "palette")->colourChosen(4);
    click(child<QPushButton>(*dialog, "confirmButton"));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"位置を指定して下さい　！"});
    EXPECT_EQ(stored.count(), 0);
    EXPECT_EQ(definition.fields[3].colourIndex, 0);
}

TEST_F(FieldPlacementDialogTest, DraggedSizeGoesIntoTheBarcodeBoxes) {
    select(0);
    dialog->positionPicked(2, 3, 40, 15);
    EXPECT_EQ(child<QSpinBox>(*dialog, "widthBox")->value(), 40);
    EXPECT_EQ(child<QSpinBox>(*dialog, "heightBox")->value(), 15);
    click(child<QPushButton>(*dialog, "confirmButton"));
    EXPECT_EQ(definition.fields[0].barWidthMm, 40);
    EXPECT_EQ(definition.fields[0].barHeightMm, 15);
}

TEST_F(FieldPlacementDialogTest, BarcodeKindHookDecidesTheKind) {
    select(2);
    auto* barcode = child<QRadioButton>(*dialog, "barcodeKind");
    click(barcode);  // the default hook changes nothing
    EXPECT_TRUE(child<QRadioButton>(*dialog, "textKind")->isChecked());
    QSignalSpy changed(dialog.get(), &FieldPlacementDialog::entryChanged);
    int askedField = -1;
    dialog->setBarcodeKindHook([&](QWidget*, LabelDefinition& d, int field, int& flags) {
        askedField = field;
        d.fields[static_cast<size_t>(field)].attributes = static_cast<int>(BarcodeKind::Itf);
        flags = 8;
        return true;
    });
    click(barcode);
    EXPECT_EQ(askedField, 3);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(barcode->isChecked());
    EXPECT_TRUE(child<QPushButton>(*dialog, "confirmButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(*dialog, "fontButton")->isEnabled());
}

TEST_F(FieldPlacementDialogTest, FontHookGetsTheFieldCaption) {
    select(1);
    QString caption;
    dialog->setFontPicker([&](QWidget*, const QString& title, const FontChoice&) {
        caption = title;
        return std::optional<FontChoice>(FontChoice{"System", 16, false, false, true});
    });
    click(child<QPushButton>(*dialog, "fontButton"));
    EXPECT_EQ(caption, QStringLiteral("「NAME」のフォント"));
    EXPECT_EQ(child<QLabel>(*dialog, "pointSize")->text(), QStringLiteral("16"));
    EXPECT_TRUE(child<QCheckBox>(*dialog, "underline")->isChecked());
    EXPECT_EQ(definition.fields[2].pointSize, 16);
}

TEST_F(FieldPlacementDialogTest, RemovingKeepsTheSelection) {
    QSignalSpy stored(dialog.get(), &FieldPlacementDialog::entryStored);
    select(1);
    click(child<QPushButton>(*dialog, "removeButton"));
    EXPECT_EQ(stored.count(), 1);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(definition.fields[2].xMm, -1);
    EXPECT_EQ(child<QLabel>(*dialog, "fontName")->text(), QStringLiteral("System"));
    EXPECT_EQ(child<QLabel>(*dialog, "pointSize")->text(), QStringLiteral("10"));
}

TEST_F(FieldPlacementDialogTest, ExitReportsTheWindowRectangle) {
    QSignalSpy closed(dialog.get(), &FieldPlacementDialog::closed);
    dialog->move(300, 120);
    const QRect frame = dialog->frameGeometry();
    click(child<QPushButton>(*dialog, "exitButton"));
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(closed.count(), 1);
    EXPECT_EQ(closed.at(0).at(0).toRect(), frame);
}

// Beside the view, never over it: on its left where the screen has room, else on its right.
TEST_F(FieldPlacementDialogTest, PlacedBesideTheViewNeverOverIt) {
    dialog->show();
    const int width = dialog->frameGeometry().width();
    const QRect roomOnTheLeft(width + 50, 0, 300, 200);
    placeBesideView(*dialog, roomOnTheLeft);
    EXPECT_EQ(dialog->frameGeometry().right() + 1, width + 50);
    const QRect noRoom(10, 0, 300, 200);
    placeBesideView(*dialog, noRoom);
    EXPECT_EQ(dialog->frameGeometry().left(), noRoom.right() + 1);
    EXPECT_FALSE(dialog->frameGeometry().intersects(noRoom));
}

}  // namespace
}  // namespace qv
