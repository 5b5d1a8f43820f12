#include "label/app/dialogs/page_break_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>

#include "common/profile_file.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

// Each test has its own settings folder; the variable is put back afterwards.
class PageBreakDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { definition_.dataFile.fieldNames = {"code", "name", "", "shop"}; }

    template <typename T>
    T* child(const char* name) {
        T* found = dialog_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void open() {
        dialog_ = std::make_unique<PageBreakDialog>(
            definition_, ProfileFile(settingsPath("QUORVI32.INI")), messages_);
        dialog_->show();
    }
    // A click on the box itself: a click beyond its label would not count.
    static void tick(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    }
    void clickOk() {
        QTest::mouseClick(dialog_->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    }
    std::string setting(const char* key) const {
        return ProfileFile(settingsPath("QUORVI32.INI")).readString("Recent Use", key, "(none)");
    }

    test::TempFolder folder_;
    test::ScopedEnvironment settingsFolder_{"QUORVI_CONFIG_DIR", folder_.path().c_str()};
    LabelDefinition definition_;
    RecordingMessageService messages_;
    std::unique_ptr<PageBreakDialog> dialog_;
};

TEST_F(PageBreakDialogTest, TickingTheBoxEnablesTheList) {
    open();
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("ﾌｨｰﾙﾄﾞによる改頁の設定"));
    EXPECT_EQ(child<QListWidget>("fields")->count(), 4);
    EXPECT_FALSE(child<QListWidget>("fields")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>("perGroup")->isChecked());
    tick(child<QCheckBox>("breaking"));
    EXPECT_TRUE(child<QListWidget>("fields")->isEnabled());
}

TEST_F(PageBreakDialogTest, StoredFieldIsShownAndAnEmptyEntrySelectsNothing) {
    definition_.pageBreakField = 2;
    open();
    auto* list = child<QListWidget>("fields");
    EXPECT_TRUE(child<QCheckBox>("breaking")->isChecked());
    EXPECT_EQ(child<QLabel>("fieldName")->text(), QStringLiteral("name"));
    list->setCurrentRow(2);  // the entry without a name
    EXPECT_EQ(child<QLabel>("fieldName")->text(), QStringLiteral("name"));
    EXPECT_EQ(list->currentRow(), 1);
    list->setCurrentRow(3);
    EXPECT_EQ(child<QLabel>("fieldName")->text(), QStringLiteral("shop"));
    clickOk();
    EXPECT_EQ(definition_.pageBreakField, 4);
}

TEST_F(PageBreakDialogTest, TickedWithoutAFieldStaysOpen) {
    open();
    tick(child<QCheckBox>("breaking"));
    clickOk();
    EXPECT_TRUE(dialog_->isVisible());
    ASSERT_EQ(messages_.texts(), std::vector<std::string>{"フィールドを指定して下さい。！"});
    EXPECT_TRUE(messages_.messages()[0].beep);
    EXPECT_EQ(setting("PageStyle"), "(none)");
}

TEST_F(PageBreakDialogTest, ClearBoxStoresNoField) {
    definition_.pageBreakField = 1;
    open();
    tick(child<QCheckBox>("breaking"));
    clickOk();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(definition_.pageBreakField, 0);
}

TEST_F(PageBreakDialogTest, OkWritesBracketsAndStyleToTheSettingsFile) {
    open();
    QLineEdit* open = child<QLineEdit>("openBracket");
    open->clear();
    QTest::keyClicks(open, QStringLiteral("["));
    QLineEdit* close = child<QLineEdit>("closeBracket");
    close->clear();
    QTest::keyClicks(close, QStringLiteral("]"));
    QTest::mouseClick(child<QRadioButton>("perGroupAndRunning"), Qt::LeftButton);
    EXPECT_EQ(setting("PB1"), "(none)");
    clickOk();
    EXPECT_EQ(setting("PB1"), "[");
    EXPECT_EQ(setting("PB2"), "]");
    EXPECT_EQ(setting("PageStyle"), "1");
}

TEST_F(PageBreakDialogTest, CancelWritesNothing) {
    definition_.pageBreakField = 1;
    open();
    tick(child<QCheckBox>("breaking"));
    QTest::mouseClick(child<QRadioButton>("perGroupAndRunning"), Qt::LeftButton);
    dialog_->reject();
    EXPECT_EQ(definition_.pageBreakField, 1);
    EXPECT_EQ(setting("PageStyle"), "(none)");
}

}  // namespace
}  // namespace qv
