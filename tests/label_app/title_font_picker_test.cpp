#include "label/app/dialogs/title_font_picker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

namespace qv {
namespace {

// Accepts the next modal dialog once it is shown, after noting its title.
void acceptNextModal(QString* title) {
    QTimer::singleShot(0, [title] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        *title = modal->windowTitle();
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

TEST(TitleFontPickerTest, HandsBackTheChosenFontUnderItsOwnTitle) {
    QString title;
    acceptNextModal(&title);
    const FontChoice current{"Arial", 18, false, true, false};
    const std::optional<FontChoice> chosen = titleFontPicker(true)(nullptr, current);
    EXPECT_EQ(title, QStringLiteral("タイトルのフォント"));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->face, "Arial");  // not installed here, drawn with Liberation Sans
    EXPECT_EQ(chosen->pointSize, 18);
    EXPECT_TRUE(chosen->italic);
    EXPECT_FALSE(chosen->bold);
}

}  // namespace
}  // namespace qv
