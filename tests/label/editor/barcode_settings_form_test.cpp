#include "label/editor/forms/barcode_settings_form.h"

#include <gtest/gtest.h>

#include "common/sjis_text.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class BarcodeSettingsFormTest : public ::testing::Test {
  protected:
    BarcodeSettingsForm form() { return BarcodeSettingsForm(definition, settings(), messages); }
    ProfileFile settings() const { return ProfileFile(folder.file("QUORVI32.INI")); }
    std::string setting(const char* key) const {
        return settings().readString("Recent Use", key, "(missing)");
    }

    test::TempFolder folder;
    LabelDefinition definition;
    RecordingMessageService messages;
};

TEST_F(BarcodeSettingsFormTest, OpeningShowsTheDefinitionAndTheSettings) {
    definition.directBarPrinting = 1;
    definition.moduleWidth = 2;
    settings().writeString("Recent Use", "UFont", sjis::fromUtf8("ＭＳ ゴシック"));
    settings().writeInt("Recent Use", "UBold", 1);
    const BarcodeSettingsForm f = form();
    EXPECT_TRUE(f.shortJanNotAligned());  // the default of a new definition
    EXPECT_FALSE(f.forceCheckCharacter());
    EXPECT_FALSE(f.addStartStop());
    EXPECT_TRUE(f.directBarPrinting());
    EXPECT_TRUE(f.moduleWidthEnabled());
    EXPECT_EQ(f.moduleWidth(), 2);
    EXPECT_EQ(f.fontFace(), sjis::fromUtf8("ＭＳ ゴシック"));
    EXPECT_TRUE(f.fontBold());
}

TEST_F(BarcodeSettingsFormTest, MissingSettingsGiveArialNotBold) {
    const BarcodeSettingsForm f = form();
    EXPECT_EQ(f.fontFace(), "Arial");
    EXPECT_FALSE(f.fontBold());
    EXPECT_FALSE(f.moduleWidthEnabled());
    EXPECT_TRUE(f.trueTypeOnly());  // "FontType" is on unless turned off
}

TEST_F(BarcodeSettingsFormTest, StoredModuleWidthOutsideZeroToThreeBecomesOne) {
    const std::pair<int, int> cases[] = {{-1, 1}, {0, 0}, {3, 3}, {4, 1}};
    for (const auto& [stored, shown] : cases) {
        definition.moduleWidth = stored;
        EXPECT_EQ(form().moduleWidth(), shown) << stored;
        EXPECT_EQ(definition.moduleWidth, shown) << stored;
    }
}

TEST_F(BarcodeSettingsFormTest, ClicksFlipTheDefinitionAtOnce) {
    BarcodeSettingsForm f = form();
    f.toggleAddStartStop();
    f.toggleForceCheckCharacter();
    f.toggleShortJanNotAligned();
    f.toggleDirectBarPrinting();
    // No OK: the dialog is cancelled, the clicks stay.
    EXPECT_EQ(definition.addStartStop, 1);
    EXPECT_EQ(definition.forceCheckCharacter, 1);
    EXPECT_EQ(definition.shortJanNotAligned, 0);
    EXPECT_EQ(definition.directBarPrinting, 1);
    EXPECT_TRUE(f.moduleWidthEnabled());
    f.toggleAddStartStop();
    f.toggleDirectBarPrinting();
    EXPECT_EQ(definition.addStartStop, 0);
    EXPECT_FALSE(f.moduleWidthEnabled());
}

TEST_F(BarcodeSettingsFormTest, OkRefusesModuleWidthOutsideOneToThree) {
    for (const int width : {0, 4, -2}) {
        BarcodeSettingsForm f = form();
        f.setModuleWidth(width);
        f.chooseFont("Courier New", true);
        EXPECT_FALSE(f.accept()) << width;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{kModuleWidthRangeMessage});
        EXPECT_EQ(setting("UFont"), "(missing)");  // nothing written
        messages.clear();
    }
    EXPECT_EQ(definition.moduleWidth, 1);
}

TEST_F(BarcodeSettingsFormTest, OkStoresAndWritesTheFontAtOnce) {
    BarcodeSettingsForm f = form();
    f.toggleDirectBarPrinting();
    f.setModuleWidth(3);
    f.chooseFont(sjis::fromUtf8("ＭＳ 明朝"), true);
    ASSERT_TRUE(f.accept());
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(definition.moduleWidth, 3);
    EXPECT_EQ(definition.directBarPrinting, 1);
    EXPECT_EQ(setting("UFont"), sjis::fromUtf8("ＭＳ 明朝"));
    EXPECT_EQ(setting("UBold"), "1");
    BarcodeSettingsForm again = form();
    again.chooseFont("Arial", false);
    ASSERT_TRUE(again.accept());
    EXPECT_EQ(setting("UBold"), "0");
}

TEST_F(BarcodeSettingsFormTest, UnwritableSettingsAreReportedButOkCloses) {
    // A plain file where the settings folder should be: nothing can be written below it.
    test::writeBytes(folder.file("blocker"), "x");
    BarcodeSettingsForm f(definition, ProfileFile(folder.file("blocker/QUORVI32.INI")), messages);
    f.setModuleWidth(2);
    EXPECT_TRUE(f.accept());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"設定ファイルに書き込めませんでした。"});
    EXPECT_EQ(definition.moduleWidth, 2);
}

}  // namespace
}  // namespace qv
