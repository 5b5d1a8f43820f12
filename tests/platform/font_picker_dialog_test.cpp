// The font picker "フォント選択" as both programs show it: on given families, and on the fonts
// installed here.
#include "platform/font_picker_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "common/sjis_text.h"
#include "platform/qt_text.h"
#include "tests/label_app/widget_test_support.h"

namespace qv {
namespace {

using test::child;
using test::click;

QStringList listTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
    return texts;
}

std::vector<FontFamily> families() {
    return {{"Arial", true, false},
            {"@" + sjis::fromUtf8("ＭＳ 明朝"), true, true},
            {sjis::fromUtf8("ＭＳ 明朝"), true, true},
            {"%Printer", true, false},
            {"&Symbol", true, false},
            {"Fixedsys", false, false}};
}

TEST(FontPickerDialogTest, ListsTheOfferedFacesAndSelectsThePreset) {
    FontPickerDialog dialog(families(), FontChoice{sjis::fromUtf8("ＭＳ 明朝"), 14, true}, true);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("フォント選択"));
    auto* faces = child<QListWidget>(dialog, "faces");
    EXPECT_EQ(listTexts(*faces), (QStringList{"Arial", QStringLiteral("ＭＳ 明朝")}));
    EXPECT_EQ(faces->currentRow(), 1);
    EXPECT_EQ(child<QComboBox>(dialog, "size")->currentText(), QStringLiteral("14"));
    EXPECT_TRUE(child<QCheckBox>(dialog, "bold")->isChecked());
    EXPECT_EQ(child<QCheckBox>(dialog, "italic")->text(), QStringLiteral("斜体(&I)"));
    EXPECT_EQ(child<QCheckBox>(dialog, "underline")->text(), QStringLiteral("下線(&U)"));
    EXPECT_EQ(dialog.form().sampleText(), "あいうえお加喜苦懸庫123ABC");
}

TEST(FontPickerDialogTest, FaceMissingFromTheListSelectsSystem) {
    FontPickerDialog dialog(families(), FontChoice{"Fixedsys"}, true);
    auto* faces = child<QListWidget>(dialog, "faces");
    ASSERT_NE(faces->currentItem(), nullptr);
    EXPECT_EQ(faces->currentItem()->text(), QStringLiteral("System"));
    EXPECT_EQ(dialog.form().choice().face, "System");
}

TEST(FontPickerDialogTest, ControlsChangeTheChoiceAndTheSampleFont) {
    FontPickerDialog dialog(families(), FontChoice{"Arial", 10}, false);
    dialog.show();
    auto* faces = child<QListWidget>(dialog, "faces");
    EXPECT_EQ(faces->count(), 3);  // the bitmap face is offered without TrueType only
    faces->setCurrentRow(2);
    child<QComboBox>(dialog, "size")->setCurrentText(QStringLiteral("36"));
    click(child<QCheckBox>(dialog, "bold"));
    click(child<QCheckBox>(dialog, "underline"));
    const FontChoice& choice = dialog.form().choice();
    EXPECT_EQ(choice.face, "Fixedsys");
    EXPECT_EQ(choice.pointSize, 36);
    EXPECT_TRUE(choice.bold);
    EXPECT_FALSE(choice.italic);
    EXPECT_TRUE(choice.underline);
    const QFont sample = dialog.sampleFont(96);
    EXPECT_EQ(sample.pixelSize(), 48);  // 36 pt at 96 dpi
    EXPECT_EQ(sample.weight(), QFont::Bold);
    EXPECT_TRUE(sample.underline());
    EXPECT_EQ(dialog.form().sampleText(), "ABCDab12345*!?");
}

// The picker on the fonts installed here: IPA Gothic and Mincho, Liberation Sans, Serif and Mono.
std::vector<QString> offeredFaces(bool japaneseOnly) {
    const FontPickerDialog picker(installedFamilies(), FontChoice{"System", 12}, false,
                                  japaneseOnly);
    std::vector<QString> names;
    for (const FontFamily& face : picker.form().faces()) names.push_back(fromSjis(face.name));
    return names;
}

bool anyStartsWith(const std::vector<QString>& names, const char* prefix) {
    return std::any_of(names.begin(), names.end(),
                       [&](const QString& name) { return name.startsWith(QLatin1String(prefix)); });
}

TEST(InstalledFontPickerTest, JapaneseOnlyKeepsIpaFontsAndDropsLiberation) {
    const std::vector<QString> all = offeredFaces(false);
    ASSERT_TRUE(anyStartsWith(all, "IPA")) << "fonts-ipafont-gothic/mincho are not installed";
    ASSERT_TRUE(anyStartsWith(all, "Liberation")) << "fonts-liberation2 is not installed";
    const std::vector<QString> japanese = offeredFaces(true);
    EXPECT_TRUE(anyStartsWith(japanese, "IPA"));
    EXPECT_FALSE(anyStartsWith(japanese, "Liberation"));
}

TEST(InstalledFontPickerTest, OffersEachFamilyOnceWithoutItsFoundry) {
    std::vector<QString> names = offeredFaces(false);
    for (const QString& name : names) {
        EXPECT_FALSE(name.endsWith(QLatin1Char(']'))) << name.toStdString();
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

TEST(InstalledFontPickerTest, StoredFaceShowsItsFamilyAndOkKeepsIt) {
    FontPickerDialog picker(installedFamilies(), FontChoice{sjis::fromUtf8("ＭＳ 明朝"), 12}, true);
    picker.show();
    const QListWidgetItem* current = child<QListWidget>(picker, "faces")->currentItem();
    ASSERT_NE(current, nullptr);
    // IPA Mincho under the name the desktop's language gives it.
    const QString text = current->text();
    EXPECT_TRUE(text == QStringLiteral("ＭＳ 明朝 (IPAMincho)") ||
                text == QStringLiteral("ＭＳ 明朝 (IPA明朝)"))
        << text.toStdString();
    child<QComboBox>(picker, "size")->setCurrentText(QStringLiteral("16"));
    picker.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.form().choice().face, sjis::fromUtf8("ＭＳ 明朝"));
    EXPECT_EQ(picker.form().choice().pointSize, 16);
}

TEST(InstalledFontPickerTest, SampleFollowsTheChosenFace) {
    FontPickerDialog picker(installedFamilies(), FontChoice{"Liberation Sans", 12}, false);
    EXPECT_EQ(picker.form().sampleText(), "ABCDab12345*!?");
    const std::vector<FontFamily>& faces = picker.form().faces();
    const auto ipa = std::find_if(faces.begin(), faces.end(), [](const FontFamily& face) {
        return face.name.rfind("IPA", 0) == 0;
    });
    ASSERT_NE(ipa, faces.end());
    child<QListWidget>(picker, "faces")->setCurrentRow(static_cast<int>(ipa - faces.begin()));
    EXPECT_EQ(picker.form().sampleText(), "あいうえお加喜苦懸庫123ABC");

    QStringList labels;
    for (const QLabel* label : picker.findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("サイズ :")));
    EXPECT_TRUE(labels.contains(QStringLiteral("サンプル :")));
}

}  // namespace
}  // namespace qv
