// A grid view on a small document, shown offscreen with the process's clipboard, and the
// mouse gestures the tests make on it.
#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_clipboard.h"

namespace qv::test {

class ViewTest : public ::testing::Test {
  protected:
    void open(std::vector<std::string> lines, QSize size = QSize(600, 400)) {
        document.lines = std::move(lines);
        document.splitHeader();
        view = std::make_unique<CROWSMITHView>(document, clipboard, messages);
        QObject::connect(view.get(), &CROWSMITHView::statusMessage,
                         [this](const QString& text) { statuses.push_back(text); });
        QObject::connect(view.get(), &CROWSMITHView::commandRequested,
                         [this](int id) { commands.push_back(id); });
        QObject::connect(view.get(), &CROWSMITHView::documentChanged, [this] { ++changes; });
        view->resize(size);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->refreshView();
    }
    void openShop() { open({"CODE,NAME", "r1,a", "r2,b", "r3,c", "r4,d", "r5,e", "r6,f"}); }

    QWidget* grid() const { return view->viewport(); }
    QPoint rowPoint(int row) const { return view->cellRect(row, -1).center(); }
    QPoint cellPoint(int row, int field) const { return view->cellRect(row, field).center(); }
    void clickRow(int row) { QTest::mouseClick(grid(), Qt::LeftButton, {}, rowPoint(row)); }
    void clickCell(int row, int field) {
        QTest::mouseClick(grid(), Qt::LeftButton, {}, cellPoint(row, field));
    }
    void dragRows(int from, int to) {
        QTest::mousePress(grid(), Qt::LeftButton, {}, rowPoint(from));
        QTest::mouseMove(grid(), rowPoint(to));
        QTest::mouseRelease(grid(), Qt::LeftButton, {}, rowPoint(to));
    }
    std::vector<std::string> records() const {
        return {document.lines.begin() + 1, document.lines.end()};
    }
    static void setClipboardText(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
    }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    QtClipboardPort clipboard;
    std::unique_ptr<CROWSMITHView> view;
    std::vector<QString> statuses;
    std::vector<int> commands;
    int changes = 0;
};

}  // namespace qv::test
