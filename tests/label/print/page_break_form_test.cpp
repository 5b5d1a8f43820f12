#include "label/print/page_break_form.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/sjis_text.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

// Every test has its own settings folder; the variable is put back afterwards.
class PageBreakFormTest : public ::testing::Test {
  protected:
    void SetUp() override { definition_.dataFile.fieldNames = {"code", "name", "", "shop"}; }

    PageBreakForm form() { return PageBreakForm(definition_, settings(), messages_); }
    ProfileFile settings() const { return ProfileFile(settingsPath("QUORVI32.INI")); }
    std::string setting(const char* key) const {
        return settings().readString("Recent Use", key, "(missing)");
    }

    test::TempFolder folder_;
    test::ScopedEnvironment settingsFolder_{"QUORVI_CONFIG_DIR", folder_.path().c_str()};
    LabelDefinition definition_;
    RecordingMessageService messages_;
};

TEST_F(PageBreakFormTest, WithoutABreakFieldTheBoxIsClearAndTheListDisabled) {
    const PageBreakForm f = form();
    EXPECT_EQ(f.fieldNames(), (std::vector<std::string>{"code", "name", "", "shop"}));
    EXPECT_FALSE(f.breaking());
    EXPECT_FALSE(f.listEnabled());
    EXPECT_EQ(f.selectedField(), 0);
    EXPECT_EQ(f.selectedName(), "");
}

TEST_F(PageBreakFormTest, ABreakFieldIsTickedAndShown) {
    definition_.pageBreakField = 4;
    const PageBreakForm f = form();
    EXPECT_TRUE(f.breaking());
    EXPECT_TRUE(f.listEnabled());
    EXPECT_EQ(f.selectedField(), 4);
    EXPECT_EQ(f.selectedName(), "shop");
}

TEST_F(PageBreakFormTest, DefaultsAndStoredSettings) {
    PageBreakForm fresh = form();
    EXPECT_EQ(fresh.openBracket(), sjis::fromUtf8("＜"));
    EXPECT_EQ(fresh.closeBracket(), sjis::fromUtf8("＞"));
    EXPECT_EQ(fresh.pageStyle(), PageStyle::PerGroup);

    ProfileFile file = settings();
    file.writeString("Recent Use", "PB1", "[");
    file.writeString("Recent Use", "PB2", "]");
    file.writeInt("Recent Use", "PageStyle", 1);
    const PageBreakForm f = form();
    EXPECT_EQ(f.openBracket(), "[");
    EXPECT_EQ(f.closeBracket(), "]");
    EXPECT_EQ(f.pageStyle(), PageStyle::PerGroupAndRunning);
}

TEST_F(PageBreakFormTest, ChoosingEntries) {
    PageBreakForm f = form();
    f.setBreaking(true);
    EXPECT_TRUE(f.listEnabled());
    f.chooseEntry(1);
    EXPECT_EQ(f.selectedField(), 2);
    EXPECT_EQ(f.selectedName(), "name");
    f.chooseEntry(2);  // an entry without a name selects nothing
    EXPECT_EQ(f.selectedField(), 2);
    f.chooseEntry(4);  // beyond the list
    f.chooseEntry(-1);
    EXPECT_EQ(f.selectedField(), 2);
    f.chooseEntry(0);
    EXPECT_EQ(f.selectedField(), 1);
}

TEST_F(PageBreakFormTest, TickedWithoutAFieldIsRefused) {
    PageBreakForm f = form();
    f.setBreaking(true);
    f.chooseEntry(2);  // the empty entry
    EXPECT_FALSE(f.accept());
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].text, "フィールドを指定して下さい。！");
    EXPECT_EQ(messages_.messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(messages_.messages()[0].beep);
    EXPECT_EQ(setting("PB1"), "(missing)");  // nothing written while the form stays open

    f.chooseEntry(0);
    EXPECT_TRUE(f.accept());
    EXPECT_EQ(messages_.messages().size(), 1u);
    f.storeInto(definition_);
    EXPECT_EQ(definition_.pageBreakField, 1);
}

TEST_F(PageBreakFormTest, ClearBoxStoresNoFieldEvenWithOneSelected) {
    definition_.pageBreakField = 2;
    PageBreakForm f = form();
    f.setBreaking(false);
    EXPECT_EQ(f.selectedField(), 2);
    EXPECT_TRUE(f.accept());
    f.storeInto(definition_);
    EXPECT_EQ(definition_.pageBreakField, 0);
    EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(PageBreakFormTest, OkWritesBracketsAndStyleNotBefore) {
    PageBreakForm f = form();
    f.setOpenBracket("(");
    f.setCloseBracket(")");
    f.setPageStyle(PageStyle::PerGroupAndRunning);
    EXPECT_EQ(setting("PB1"), "(missing)");
    EXPECT_EQ(setting("PageStyle"), "(missing)");
    EXPECT_TRUE(f.accept());
    EXPECT_EQ(setting("PB1"), "(");
    EXPECT_EQ(setting("PB2"), ")");
    EXPECT_EQ(setting("PageStyle"), "1");
    EXPECT_EQ(readPrintSettings(settings()).pageStyle, PageStyle::PerGroupAndRunning);
}

TEST_F(PageBreakFormTest, UnwritableSettingsFileIsReported) {
    // A settings folder below a plain file cannot be created.
    test::writeBytes(folder_.file("plain"), "x");
    PageBreakForm f(definition_, ProfileFile(folder_.file("plain") + "/QUORVI32.INI"), messages_);
    EXPECT_TRUE(f.accept());  // the break field itself is still taken
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].icon, MessageIcon::Stop);
}

}  // namespace
}  // namespace qv
