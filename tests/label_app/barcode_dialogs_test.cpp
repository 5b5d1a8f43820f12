#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>

#include "common/sjis_text.h"
#include "label/editor/widgets/barcode_kind_dialog.h"
#include "label/editor/widgets/barcode_settings_dialog.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

#include "tests/label_app/widget_test_support.h"

namespace qv {
namespace {

using test::child;
using test::click;

QPushButton* dialogButton(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

class BarcodeKindDialogTest : public ::testing::Test {
  protected:
    FieldPlacement& field() { return definition.fields[1]; }
    LabelDefinition definition;
};

TEST_F(BarcodeKindDialogTest, OpensWithTheFieldsKindAndDirection) {
    field().attributes = 8 | 1;  // JAN with the text under the bars
    BarcodeKindDialog dialog(definition, 1, 8);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("バーコード種選択"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "jan")->isChecked());
    EXPECT_EQ(child<QRadioButton>(dialog, "jan")->text(),
              QStringLiteral("ＪＡＮコード(標準・短縮)"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "left")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "showText")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "ignoreCheckDigit")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "ignoreCheckDigit")->isEnabled());
}

TEST_F(BarcodeKindDialogTest, Nw7DisablesIgnoreCheckDigitAndJanEnablesItAgain) {
    field().attributes = 8 | 2;
    BarcodeKindDialog dialog(definition, 1, 0);
    dialog.show();
    auto* ignore = child<QCheckBox>(dialog, "ignoreCheckDigit");
    click(child<QRadioButton>(dialog, "nw7"));
    EXPECT_FALSE(ignore->isEnabled());
    EXPECT_EQ(field().attributes, 32);
    EXPECT_EQ(definition.lastBarcodeKind, 4);
    click(child<QRadioButton>(dialog, "jan"));
    EXPECT_TRUE(ignore->isEnabled());
    click(child<QRadioButton>(dialog, "nw7"));
    child<QPushButton>(dialog, "finish")->click();
    EXPECT_EQ(field().attributes, 32);  // bit 1 went with the kind
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(BarcodeKindDialogTest, FinishSetsTheBitsAndHandsBackTheDirection) {
    field().attributes = 16;
    BarcodeKindDialog dialog(definition, 1, 0);
    dialog.show();
    click(child<QRadioButton>(dialog, "left"));
    click(child<QCheckBox>(dialog, "showText"));
    click(child<QCheckBox>(dialog, "ignoreCheckDigit"));
    child<QPushButton>(dialog, "finish")->click();
    EXPECT_EQ(field().attributes, 16 | 2 | 1);
    EXPECT_EQ(dialog.layoutFlags(), 8);
    EXPECT_EQ(field().layoutFlags, 0);  // the placement dialog stores it
}

TEST_F(BarcodeKindDialogTest, TextFieldChecksNoKind) {
    field().attributes = 0;
    BarcodeKindDialog dialog(definition, 1, 0);
    for (const char* name : {"code39", "itf", "nw7", "jan"}) {
        EXPECT_FALSE(child<QRadioButton>(dialog, name)->isChecked()) << name;
    }
    EXPECT_TRUE(child<QRadioButton>(dialog, "right")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "ignoreCheckDigit")->isEnabled());
}

// Every test has its own settings folder; the variable is put back afterwards.
class BarcodeSettingsDialogTest : public ::testing::Test {
  protected:
    std::string setting(const char* key) const {
        return ProfileFile(folder_.file("QUORVI32.INI")).readString("Recent Use", key, "-");
    }

    test::TempFolder folder_;
    test::ScopedEnvironment settingsFolder_{"QUORVI_CONFIG_DIR", folder_.path().c_str()};
    LabelDefinition definition;
    RecordingMessageService messages;
};

TEST_F(BarcodeSettingsDialogTest, CancelKeepsAClickedSwitch) {
    BarcodeSettingsDialog dialog(definition, ProfileFile(folder_.file("QUORVI32.INI")), messages);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("バーコードの標準設定"));
    click(child<QCheckBox>(dialog, "addStartStop"));
    dialogButton(dialog, QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(definition.addStartStop, 1);
    EXPECT_EQ(setting("UFont"), "-");
}

TEST_F(BarcodeSettingsDialogTest, DirectPrintingEnablesTheModuleWidth) {
    BarcodeSettingsDialog dialog(definition, ProfileFile(folder_.file("QUORVI32.INI")), messages);
    dialog.show();
    auto* width = child<QLineEdit>(dialog, "moduleWidth");
    EXPECT_FALSE(width->isEnabled());
    EXPECT_EQ(child<QLabel>(dialog, "currentFont")->text(), QStringLiteral("Arial"));
    click(child<QCheckBox>(dialog, "directBarPrinting"));
    EXPECT_TRUE(width->isEnabled());
    EXPECT_EQ(definition.directBarPrinting, 1);
}

TEST_F(BarcodeSettingsDialogTest, ModuleWidthFourIsRefusedAndTheDialogStaysOpen) {
    definition.directBarPrinting = 1;
    BarcodeSettingsDialog dialog(definition, ProfileFile(folder_.file("QUORVI32.INI")), messages);
    dialog.show();
    auto* width = child<QLineEdit>(dialog, "moduleWidth");
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("4"));
    dialogButton(dialog, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kModuleWidthRangeMessage});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(definition.moduleWidth, 1);
}

TEST_F(BarcodeSettingsDialogTest, OkWritesThePickedFont) {
    BarcodeSettingsDialog dialog(definition, ProfileFile(folder_.file("QUORVI32.INI")), messages);
    FontChoice offered;
    dialog.setFontPicker([&](QWidget*, const FontChoice& preset, bool) {
        offered = preset;
        return std::optional<FontChoice>(FontChoice{sjis::fromUtf8("ＭＳ ゴシック"), 12, true});
    });
    dialog.show();
    child<QPushButton>(dialog, "fontButton")->click();
    EXPECT_EQ(offered.face, "Arial");
    EXPECT_FALSE(offered.bold);
    EXPECT_EQ(child<QLabel>(dialog, "currentFont")->text(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_TRUE(child<QCheckBox>(dialog, "currentBold")->isChecked());
    dialogButton(dialog, QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(setting("UFont"), sjis::fromUtf8("ＭＳ ゴシック"));
    EXPECT_EQ(setting("UBold"), "1");
}

}  // namespace
}  // namespace qv
