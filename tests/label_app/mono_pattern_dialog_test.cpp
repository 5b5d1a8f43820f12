#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "common/message_service.h"
#include "common/sjis_text.h"
#include "label/editor/widgets/mono_pattern_dialog.h"

#include "tests/label_app/widget_test_support.h"

namespace qv {
namespace {

using test::child;

const char* const kEmptyInput = "入力されていないコードがあります　！";

class MonoPatternDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.sheet.maxColumns = 2;
        definition.sheet.maxRows = 3;
        definition.fields[1].attributes = 8;  // JAN
        definition.fields[2].attributes = 8;
        csz.nameLine = sjis::fromUtf8("品名,JAN,JAN2,備考,予備");
        csz.templateLine = "Apple,\\@,\\@,\\@,\\@";
        csz.lines = {csz.templateLine};
        csz.lineCount = 1;
    }

    void showAndFocus(MonoPatternDialog& dialog) {
        dialog.resize(640, 260);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // The print requests the dialog has made, in order.
    void record(MonoPatternDialog& dialog) {
        QObject::connect(&dialog, &MonoPatternDialog::printRequested,
                         [this](const MonoPatternPrint& print, bool preview) {
                             requests.push_back(print);
                             previews.push_back(preview);
                         });
    }

    LabelDefinition definition;
    CszContent csz;
    RecordingMessageService messages;
    std::vector<MonoPatternPrint> requests;
    std::vector<bool> previews;
};

TEST_F(MonoPatternDialogTest, FourMarkersShowThreeLabelledInputs) {
    MonoPatternDialog dialog(definition, csz, messages, BarcodeTextFont{});
    showAndFocus(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("モノパターンページ作成"));
    EXPECT_FALSE(dialog.isModal());
    for (const char* name : {"input1", "input2", "input3"}) {
        EXPECT_TRUE(child<QLineEdit>(dialog, name)->isVisible()) << name;
    }
    EXPECT_EQ(child<QLabel>(dialog, "inputLabel3")->text(), QStringLiteral("備考"));
    EXPECT_FALSE(child<QComboBox>(dialog, "recordList")->isVisible());
    EXPECT_TRUE(child<QPushButton>(dialog, "fieldEditButton")->isVisible());
    EXPECT_EQ(child<QToolButton>(dialog, "previewButton")->toolTip(),
              QStringLiteral("印刷プレビュー"));
}

TEST_F(MonoPatternDialogTest, OneMarkerHidesTheOtherInputsAndRecordListModeShowsTheList) {
    csz.templateLine = "Apple,\\@";
    MonoPatternDialog one(definition, csz, messages, BarcodeTextFont{});
    showAndFocus(one);
    EXPECT_TRUE(child<QLineEdit>(one, "input1")->isVisible());
    EXPECT_FALSE(child<QLineEdit>(one, "input2")->isVisible());
    EXPECT_FALSE(child<QLabel>(one, "inputLabel3")->isVisible());

    csz.templateLine = "Apple,1";
    csz.lines = {csz.templateLine, "Pear,2"};
    MonoPatternDialog list(definition, csz, messages, BarcodeTextFont{});
    showAndFocus(list);
    QComboBox* records = child<QComboBox>(list, "recordList");
    EXPECT_TRUE(records->isVisible());
    EXPECT_EQ(records->count(), 2);
    EXPECT_EQ(records->currentIndex(), -1);
    EXPECT_FALSE(child<QLineEdit>(list, "input1")->isVisible());
    EXPECT_FALSE(child<QPushButton>(list, "copyButton")->isVisible());
    EXPECT_FALSE(child<QPushButton>(list, "fieldEditButton")->isVisible());
    record(list);
    records->setCurrentIndex(1);
    test::click(child<QPushButton>(list, "printButton"));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].lines, std::vector<std::string>(6, "Pear,2"));
}

TEST_F(MonoPatternDialogTest, ValidJanEnablesCopyAndCopyPutsThePreviewOnTheClipboard) {
    MonoPatternDialog dialog(definition, csz, messages, BarcodeTextFont{});
    showAndFocus(dialog);
    QPushButton* copy = child<QPushButton>(dialog, "copyButton");
    QLineEdit* input = child<QLineEdit>(dialog, "input1");
    EXPECT_FALSE(copy->isEnabled());
    QTest::keyClicks(input, "490123456789");
    EXPECT_FALSE(copy->isEnabled());
    QTest::keyClicks(input, "4");
    EXPECT_TRUE(copy->isEnabled());

    QGuiApplication::clipboard()->clear();
    test::click(copy);
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    // The barcode is drawn: the picture holds dark pixels besides the white of the box.
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    int dark = 0;
    for (int y = grey.height() / 4; y < grey.height() * 3 / 4; ++y) {
        for (int x = grey.width() / 4; x < grey.width() * 3 / 4; ++x) {
            if (qGray(grey.pixel(x, y)) < 64) ++dark;
        }
    }
    EXPECT_GT(dark, 0);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MonoPatternDialogTest, PrintStartSendsTheListAndCopiesOrRefuses) {
    MonoPatternDialog dialog(definition, csz, messages, BarcodeTextFont{});
    showAndFocus(dialog);
    record(dialog);
    QTest::keyClicks(child<QLineEdit>(dialog, "input1"), "4901234567894");
    QTest::keyClicks(child<QLineEdit>(dialog, "input3"), "memo");
    test::click(child<QPushButton>(dialog, "printButton"));
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kEmptyInput});

    QTest::keyClicks(child<QLineEdit>(dialog, "input2"), "12345670");
    child<QSpinBox>(dialog, "copies")->setValue(3);
    test::click(child<QPushButton>(dialog, "printButton"));
    QTest::mouseClick(child<QToolButton>(dialog, "previewButton"), Qt::LeftButton);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].copies, 3);
    EXPECT_EQ(requests[0].lines,
              std::vector<std::string>(6, "Apple,4901234567894,12345670,memo,\\@"));
    EXPECT_EQ(previews, (std::vector<bool>{false, true}));
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(dialog, "input1"));
}

TEST_F(MonoPatternDialogTest, EnterMovesTheFocusAndNeverClosesTheDialog) {
    csz.templateLine = "Apple,\\@,\\@";
    MonoPatternDialog dialog(definition, csz, messages, BarcodeTextFont{});
    showAndFocus(dialog);
    QSignalSpy closed(&dialog, &MonoPatternDialog::closed);
    QLineEdit* input1 = child<QLineEdit>(dialog, "input1");
    input1->setFocus();
    QTest::keyClick(input1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(dialog, "input2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), child<QSpinBox>(dialog, "copies"));
    child<QPushButton>(dialog, "copyButton")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), child<QSpinBox>(dialog, "copies"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(MonoPatternDialogTest, FieldEditAppliesOnlyWhenConfirmed) {
    MonoPatternDialog dialog(definition, csz, messages, BarcodeTextFont{});
    showAndFocus(dialog);
    std::vector<MonoPatternEditField> shown;
    std::optional<std::vector<std::string>> answer;
    dialog.setFieldEditor([&](QWidget*, const std::vector<MonoPatternEditField>& fields) {
        shown = fields;
        return answer;
    });
    test::click(child<QPushButton>(dialog, "fieldEditButton"));
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].value, "Apple");
    EXPECT_EQ(dialog.form().record().text, csz.templateLine);

    answer = std::vector<std::string>{"Plum"};
    test::click(child<QPushButton>(dialog, "fieldEditButton"));
    EXPECT_EQ(dialog.form().record().text, "Plum,\\@,\\@,\\@,\\@");
}

TEST_F(MonoPatternDialogTest, FieldEditDialogNamesEachValueAndGivesTheEdits) {
    FieldEditDialog dialog({{"A", "1"}, {"B", "2"}});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("フィールド編集"));
    EXPECT_EQ(child<QLabel>(dialog, "fieldName2")->text(), QStringLiteral("B"));
    QLineEdit* second = child<QLineEdit>(dialog, "fieldValue2");
    EXPECT_EQ(second->text(), QStringLiteral("2"));
    second->setText(QStringLiteral("二"));
    EXPECT_EQ(dialog.values(), (std::vector<std::string>{"1", sjis::fromUtf8("二")}));
    EXPECT_EQ(child<QPushButton>(dialog, "applyButton")->text(), QStringLiteral("変　更"));
    EXPECT_EQ(child<QPushButton>(dialog, "cancelButton")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
}

}  // namespace
}  // namespace qv
