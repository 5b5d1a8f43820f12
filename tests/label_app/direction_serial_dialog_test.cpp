// The direction dialog and the running number dialog: what they show, and what OK and Cancel
// leave behind.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include "label/app/dialogs/direction_dialog.h"
#include "label/app/dialogs/serial_number_dialog.h"
#include "label/definition/serial_number.h"

namespace qv {
namespace {

const char* const kOutOfRange = "スタート番号は0から65535までの整数を指定して下さい。";

// Acts on the modal dialog of type D once the function under test runs it.
template <typename D>
void whenShown(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

void clickButton(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    QDialogButtonBox* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    box->button(which)->click();
}

TEST(DirectionDialogTest, PreselectsTheCurrentOrder) {
    DirectionDialog nOrder(0);
    EXPECT_EQ(nOrder.windowTitle(), QStringLiteral("ラベル印刷方向"));
    EXPECT_EQ(nOrder.nOrderButton()->text(), QStringLiteral("縦(N)方向"));
    EXPECT_EQ(nOrder.zOrderButton()->text(), QStringLiteral("横(Z)方向"));
    EXPECT_TRUE(nOrder.nOrderButton()->isChecked());
    EXPECT_EQ(nOrder.printDirection(), 0);

    DirectionDialog zOrder(1);
    EXPECT_TRUE(zOrder.zOrderButton()->isChecked());
    EXPECT_FALSE(zOrder.nOrderButton()->isChecked());
    EXPECT_EQ(zOrder.printDirection(), 1);
}

TEST(DirectionDialogTest, OkStoresTheChoiceAndCancelLeavesIt) {
    int direction = 0;
    whenShown<DirectionDialog>([](DirectionDialog& dialog) {
        dialog.zOrderButton()->click();
        clickButton(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(editPrintDirection(nullptr, direction));
    EXPECT_EQ(direction, 1);

    whenShown<DirectionDialog>([](DirectionDialog& dialog) {
        dialog.nOrderButton()->click();
        clickButton(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(editPrintDirection(nullptr, direction));
    EXPECT_EQ(direction, 1);
}

TEST(SerialNumberRuleTest, AcceptsWholeNumbersZeroTo65535) {
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"0", 0},      {"1", 1},   {"65535", 65535}, {"00042", 42},
        {"65536", {}}, {"-1", {}}, {"", {}},         {"12a", {}},
        {" 5", {}},    {"+5", {}}, {"1.5", {}},      {"99999999999999999999", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseSerialStartNumber(c.text), c.expected) << c.text;
    EXPECT_TRUE(isValidSerialStartNumber(65535));
    EXPECT_FALSE(isValidSerialStartNumber(65536));
    EXPECT_FALSE(isValidSerialStartNumber(-1));
}

class SerialNumberDialogTest : public ::testing::Test {
  protected:
    RecordingMessageService messages;
    SerialNumberDialog dialog{1, messages};

    void typeAndConfirm(const QString& text) {
        dialog.startEdit()->selectAll();
        QTest::keyClicks(dialog.startEdit(), text);
        clickButton(dialog, QDialogButtonBox::Ok);
    }
};

TEST_F(SerialNumberDialogTest, ShowsTheCurrentNumber) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ラベルの番号"));
    EXPECT_EQ(dialog.startEdit()->text(), "1");
    EXPECT_EQ(dialog.startNumber(), 1);
}

TEST_F(SerialNumberDialogTest, TheTopOfTheRangeIsAccepted) {
    dialog.show();
    typeAndConfirm("65535");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.startNumber(), 65535);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SerialNumberDialogTest, BeyondTheRangeIsRefusedAndTheDialogStays) {
    dialog.show();
    typeAndConfirm("65536");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.startNumber(), 1);
    dialog.startEdit()->clear();
    clickButton(dialog, QDialogButtonBox::Ok);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{kOutOfRange, kOutOfRange}));
}

TEST_F(SerialNumberDialogTest, ASignOrLetterCannotBeTyped) {
    dialog.startEdit()->clear();
    QTest::keyClicks(dialog.startEdit(), "-5x");
    EXPECT_EQ(dialog.startEdit()->text(), "5");
}

// Once the serial-number dialog runs: replaces the start number by `typed` and clicks `button`.
void whenShownRetypeStart(const char* typed, QDialogButtonBox::StandardButton button) {
    whenShown<SerialNumberDialog>([typed, button](SerialNumberDialog& dialog) {
        dialog.startEdit()->selectAll();
        QTest::keyClicks(dialog.startEdit(), typed);
        clickButton(dialog, button);
    });
}

TEST(EditSerialStartNumberTest, OkStoresAndCancelLeaves) {
    RecordingMessageService messages;
    int start = 1;
    whenShownRetypeStart("0", QDialogButtonBox::Ok);
    EXPECT_TRUE(editSerialStartNumber(nullptr, start, messages));
    EXPECT_EQ(start, 0);

    whenShownRetypeStart("500", QDialogButtonBox::Cancel);
    EXPECT_FALSE(editSerialStartNumber(nullptr, start, messages));
    EXPECT_EQ(start, 0);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace qv
