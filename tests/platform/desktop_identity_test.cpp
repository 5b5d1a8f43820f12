// The programs' icons are built in and drawable: the window icon of the taskbar and the
// toolbar's own icons where the desktop has no icon theme (they need Qt's SVG support).
#include <QApplication>

#include <gtest/gtest.h>

#include "platform/desktop_identity.h"

namespace qv {
namespace {

TEST(DesktopIdentityTest, WindowAndToolbarIconsAreDrawn) {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    setUpDesktopIdentity(*application, "quorvi32");
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("quorvi32"));
    EXPECT_FALSE(QApplication::windowIcon().pixmap(32).isNull())
        << "the SVG icon did not draw: install libqt6svg6";
    for (const char* name : {"document-new", "document-open", "document-save", "document-print"}) {
        EXPECT_FALSE(toolIcon(name).pixmap(24).isNull()) << name;
    }
}

}  // namespace
}  // namespace qv
