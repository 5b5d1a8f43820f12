// The bitmap dialog's widgets: path, preview, the position editor, storing and deleting, and
// the info dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

#include "common/message_service.h"
#include "common/paths.h"
#include "label/editor/widgets/bitmap_dialog.h"
#include "platform/qt_text.h"

#include "tests/label_app/widget_test_support.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

using test::child;

class BitmapDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        definition.sheet.labelWidthMm = 45;
        definition.sheet.labelHeightMm = 30;
        test::writeBytes(folder.file("logo.bmp"), test::bmpBytes(40, 20, 8, 256));
        test::writeBytes(folder.file("mono.bmp"),
                         test::coreBmpBytes(24, 12, 1, {0x000000, 0xFFFFFF}));
        test::writeBytes(folder.file("photo.bmp"), test::bmpBytes(4, 4, 24, 0));
    }

    QString file(const char* name) const { return fromUtf8(folder.file(name)); }

    // "参照" answering `path`.
    void browseTo(BitmapDialog& dialog, const QString& path) {
        dialog.setFileChooser([path](QWidget*, const QString&) { return path; });
        test::click(child<QPushButton>(dialog, "browseButton"));
    }

    QSize previewSize(BitmapDialog& dialog) {
        const QPixmap pixmap = child<QLabel>(dialog, "previewImage")->pixmap();
        return pixmap.isNull() ? QSize() : pixmap.size();
    }

    test::TempFolder folder;
    LabelDefinition definition;
    RecordingMessageService messages;
};

TEST_F(BitmapDialogTest, WithoutBitmapsNothingIsChosenUntilAPathIsTyped) {
    BitmapDialog dialog(definition, folder.path(), messages, false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ビットマップの設定"));
    EXPECT_FALSE(dialog.isModal());
    EXPECT_FALSE(child<QRadioButton>(dialog, "area1")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(dialog, "area2")->isChecked());
    EXPECT_FALSE(child<QPushButton>(dialog, "storeButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(dialog, "deleteButton")->isEnabled());
    EXPECT_EQ(child<QLabel>(dialog, "xText")->text(), QStringLiteral("0.0"));

    QTest::keyClicks(child<QLineEdit>(dialog, "pathEdit"), file("logo.bmp"));
    EXPECT_EQ(previewSize(dialog), QSize(40, 20));
    EXPECT_TRUE(child<QPushButton>(dialog, "storeButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(dialog, "deleteButton")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(dialog, "area1")->isChecked());
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(BitmapDialogTest, StoringWritesTheDefinitionAndReportsTheChange) {
    BitmapDialog dialog(definition, folder.path(), messages, false);
    QSignalSpy changed(&dialog, &BitmapDialog::areasChanged);
    test::click(child<QRadioButton>(dialog, "area2"));
    browseTo(dialog, file("mono.bmp"));
    EXPECT_EQ(child<QLineEdit>(dialog, "pathEdit")->text(), file("mono.bmp"));
    EXPECT_EQ(previewSize(dialog), QSize(24, 12));  // the core header decodes too
    dialog.takeRubberRectangle({100, -50, 400, -250});
    EXPECT_EQ(child<QLabel>(dialog, "widthText")->text(), QStringLiteral("30.0"));
    test::click(child<QPushButton>(dialog, "storeButton"));
    EXPECT_EQ(changed.count(), 1);
    const BitmapPlacement& stored = definition.bitmaps[1];
    EXPECT_EQ(stored.path, storedFromLocalPath(folder.file("mono.bmp")));
    EXPECT_EQ(stored.left, 100);
    EXPECT_EQ(stored.top, -50);
    EXPECT_EQ(stored.right, 400);
    EXPECT_EQ(stored.bottom, -250);
    EXPECT_FALSE(child<QRadioButton>(dialog, "area2")->isChecked());
    EXPECT_FALSE(child<QPushButton>(dialog, "storeButton")->isEnabled());

    // Deleting after the question empties the area and the preview.
    dialog.showArea(1);
    EXPECT_TRUE(child<QRadioButton>(dialog, "area2")->isChecked());
    messages.scriptAnswer(MessageAnswer::Yes);
    test::click(child<QPushButton>(dialog, "deleteButton"));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(definition.bitmaps[1].path.empty());
    EXPECT_TRUE(previewSize(dialog).isEmpty());
    EXPECT_TRUE(child<QLineEdit>(dialog, "pathEdit")->text().isEmpty());
    EXPECT_EQ(child<QLabel>(dialog, "heightText")->text(), QStringLiteral("0.0"));
}

TEST_F(BitmapDialogTest, ATrueColourFileIsRefusedWithTheMessage) {
    BitmapDialog dialog(definition, folder.path(), messages, false);
    QSignalSpy changed(&dialog, &BitmapDialog::areasChanged);
    browseTo(dialog, file("photo.bmp"));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"ビットマップは２５６色以下を扱えます。"});
    EXPECT_TRUE(child<QLineEdit>(dialog, "pathEdit")->text().isEmpty());
    EXPECT_TRUE(previewSize(dialog).isEmpty());
    EXPECT_FALSE(child<QPushButton>(dialog, "storeButton")->isEnabled());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(definition.bitmaps[0].path.empty());
}

TEST_F(BitmapDialogTest, BrowsingStartsInTheLastChosenFolder) {
    BitmapDialog dialog(definition, folder.path(), messages, false);
    QStringList folders;
    dialog.setFileChooser([&folders, this](QWidget*, const QString& start) {
        folders << start;
        return file("notes.txt");
    });
    test::click(child<QPushButton>(dialog, "browseButton"));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"ビットマップファイルではありません。!"});
    test::click(child<QPushButton>(dialog, "browseButton"));
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], QDir::currentPath());
    EXPECT_EQ(folders[1], fromUtf8(folder.path()));
    EXPECT_EQ(dialog.lastFolder(), fromUtf8(folder.path()));
}

TEST_F(BitmapDialogTest, ThePositionEditorCommitsOnEnterAndCancelsOnEscape) {
    definition.bitmaps[0] = {storedFromLocalPath(folder.file("logo.bmp")), 100, -50, 400, -250};
    BitmapDialog dialog(definition, folder.path(), messages, false);
    dialog.show();
    QSignalSpy status(&dialog, &BitmapDialog::statusMessage);
    QLabel* xText = child<QLabel>(dialog, "xText");
    EXPECT_EQ(xText->text(), QStringLiteral("10.0"));
    QTest::mouseClick(xText, Qt::LeftButton);
    QDoubleSpinBox* editor = child<QDoubleSpinBox>(dialog, "positionEditor");
    ASSERT_TRUE(editor->isVisible());
    EXPECT_DOUBLE_EQ(editor->maximum(), 45.0);
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(
        status.at(0).at(0).toString(),
        QStringLiteral("「X位置」の修正、修正終了＝Enter Key又はReturn Key キャンセル＝Esc Key"));
    editor->setValue(12.3);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(dialog.isVisible());  // Esc leaves the editor, not the dialog
    EXPECT_EQ(xText->text(), QStringLiteral("10.0"));

    QLabel* heightText = child<QLabel>(dialog, "heightText");
    QTest::mouseClick(heightText, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(editor->maximum(), 25.0);  // 30 mm label, Y at 5 mm
    editor->setValue(12.3);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(heightText->text(), QStringLiteral("12.3"));
    EXPECT_EQ(definition.bitmaps[0].bottom, -250);  // stored only by "登録･修正"
    test::click(child<QPushButton>(dialog, "storeButton"));
    EXPECT_EQ(definition.bitmaps[0].bottom, -173);
}

TEST_F(BitmapDialogTest, FittingAndTheInfoDialog) {
    definition.bitmaps[0] = {storedFromLocalPath(folder.file("logo.bmp")), 0, 0, 254, 0};
    BitmapDialog dialog(definition, folder.path(), messages, false);
    QCheckBox* fit = child<QCheckBox>(dialog, "fitCheck");
    test::click(fit);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"枠の大きさが不正です！"});
    EXPECT_FALSE(fit->isChecked());
    EXPECT_FALSE(dialog.fitToFrame());

    dialog.takeRubberRectangle({0, 0, 254, -127});
    test::click(fit);
    EXPECT_TRUE(fit->isChecked());
    EXPECT_TRUE(dialog.fitToFrame());
    EXPECT_EQ(previewSize(dialog), QSize(dialog.logicalDpiX(), dialog.logicalDpiY() / 2));

    std::vector<BitmapInfoTexts> shown;
    dialog.setInfoViewer(
        [&shown](QWidget*, const BitmapInfoTexts& texts) { shown.push_back(texts); });
    QTest::mouseClick(child<QScrollArea>(dialog, "preview")->viewport(), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].fileName, "logo.bmp");
    EXPECT_EQ(shown[0].colours, "256 色");

    BitmapInfoDialog info(shown[0]);
    EXPECT_EQ(info.windowTitle(), QStringLiteral("ビットマップの情報"));
    EXPECT_TRUE(info.isModal());
    EXPECT_EQ(child<QLabel>(info, "infoColours")->text(), QStringLiteral("256 色"));
    EXPECT_EQ(child<QLabel>(info, "infoWidth")->text(), fromUtf8(shown[0].width));

    // Without a bitmap a click on the preview opens nothing.
    test::click(child<QRadioButton>(dialog, "area2"));
    QTest::mouseClick(child<QScrollArea>(dialog, "preview")->viewport(), Qt::LeftButton);
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(BitmapDialogTest, TheSavedFitModeIsShownAndKept) {
    definition.bitmaps[0] = {storedFromLocalPath(folder.file("logo.bmp")), 0, 0, 254, -254};
    BitmapDialog dialog(definition, folder.path(), messages, true);
    EXPECT_TRUE(child<QCheckBox>(dialog, "fitCheck")->isChecked());
    EXPECT_TRUE(dialog.fitToFrame());
    EXPECT_EQ(previewSize(dialog).width(), dialog.logicalDpiX());
}

}  // namespace
}  // namespace qv
