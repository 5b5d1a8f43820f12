#include "platform/gui_message_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/qt_text.h"

namespace qv {
namespace {

// Presses `button` of the message box once it is showing and records what it showed.
struct BoxPresser {
    QMessageBox::StandardButton button;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

    void arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return arm();  // not shown yet
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            box->button(button)->click();
        });
    }
};

TEST(GuiMessageService, ShowsTheTextAndReturnsThePressedButton) {
    GuiMessageService messages(QStringLiteral("quorvi32"));
    BoxPresser presser{QMessageBox::No, {}, {}};
    presser.arm();
    const bool yes = messages.askYesNo("印刷しますか？", MessageAnswer::Yes);
    EXPECT_FALSE(yes);
    EXPECT_EQ(presser.text, QStringLiteral("印刷しますか？"));
    EXPECT_EQ(presser.title, QStringLiteral("quorvi32"));
    EXPECT_EQ(presser.icon, QMessageBox::Question);
}

TEST(GuiMessageService, CaptionAndIconOfAStopMessage) {
    GuiMessageService messages(QStringLiteral("quorvi32"));
    BoxPresser presser{QMessageBox::Ok, {}, {}};
    presser.arm();
    messages.stop("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。", "/tmp/a.qvd");
    EXPECT_EQ(presser.title, QStringLiteral("/tmp/a.qvd"));
    EXPECT_EQ(presser.icon, QMessageBox::Critical);
}

TEST(QtText, ShiftJisCrossesToQStringAndBack) {
    const std::string cp932 = "\x95\x5c\x8e\xa6 \xb1";  // "表示 ｱ"
    EXPECT_EQ(fromSjis(cp932), QStringLiteral("表示 ｱ"));
    EXPECT_EQ(toSjis(QStringLiteral("表示 ｱ")), cp932);
}

}  // namespace
}  // namespace qv
