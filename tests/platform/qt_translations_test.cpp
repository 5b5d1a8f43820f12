// Qt's own texts are Japanese: a message box asking to press 「はい」 shows a button that says so.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include "platform/qt_translations.h"

namespace qv {
namespace {

TEST(QtTranslationsTest, StandardButtonsReadJapanese) {
    ASSERT_TRUE(installQtJapanese(*QCoreApplication::instance()))
        << "qtbase_ja.qm missing: install qt6-translations-l10n";
    QMessageBox box(QMessageBox::Question, QStringLiteral("quorvi32"),
                    QStringLiteral("「はい」を押して下さい"), QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")))
        << box.button(QMessageBox::Yes)->text().toStdString();
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")))
        << box.button(QMessageBox::No)->text().toStdString();
}

}  // namespace
}  // namespace qv
