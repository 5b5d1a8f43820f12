#include "platform/desktop_identity.h"

#include <QApplication>
#include <QString>

// The resources of a static library are registered by name from outside any namespace.
static void registerIcons() {
    Q_INIT_RESOURCE(desktop_icons);
    Q_INIT_RESOURCE(program_icons);
}

namespace qv {

void setUpDesktopIdentity(QApplication& application, const char* program) {
    registerIcons();
    const QString name = QString::fromLatin1(program);
    QApplication::setApplicationName(name);
    QGuiApplication::setDesktopFileName(name);
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
}

QIcon toolIcon(const char* themeName) {
    registerIcons();
    const QString name = QString::fromLatin1(themeName);
    return QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
}

}  // namespace qv
