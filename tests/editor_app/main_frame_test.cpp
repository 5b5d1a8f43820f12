// The data editor's main window as a user meets it: which files open at start, the save question
// on closing, the reopen list and the settings written when the window goes.
#include "editor/app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <QUrl>
#include <memory>

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "editor/app/child_frame.h"
#include "editor/dialogs/record_maintenance_dialog.h"
#include "editor/dialogs/search_replace_dialog.h"
#include "editor/widgets/rowsmith_view.h"
#include "tests/editor_app/main_frame_parts.h"
#include "tests/support/no_clipboard.h"
#include "tests/support/temp_folder.h"

namespace qv::rowsmith {
namespace {

using test::NoClipboard;

// Stands in for the desktop's viewer: records what it was asked to show.
class RecordingViewer : public QObject {
    Q_OBJECT

  public:
    std::vector<QUrl> shown;

    // Invokable by name, as QDesktopServices calls its URL handlers.
    Q_INVOKABLE void show(const QUrl& url) { shown.push_back(url); }
};

class RowsmithMainFrameTest : public ::testing::Test, protected test::RowsmithFrameParts<> {
  protected:
    RowsmithMainFrameTest() {
        for (const char* name : {"a.csv", "b.csv", "c.csv"}) {
            test::writeBytes(folder.file(name), "CODE,NAME\r\n1,x\r\n");
        }
    }
    void start(const std::vector<std::string>& commandLine) {
        settings = readRowsmithSettings(settingsFile);
        makeFrame();
        frame->show();
        frame->openStartFiles(commandLine);
    }
    QAction* action(const QString& text) const {
        for (QAction* found : frame->findChildren<QAction*>()) {
            if (found->text() == text) return found;
        }
        return nullptr;
    }
    std::vector<std::string> openPaths() const {
        std::vector<std::string> paths;
        for (CChildFrame* child : frame->children()) paths.push_back(child->document().pathName());
        return paths;
    }
};

TEST_F(RowsmithMainFrameTest, ACommandLineFileOpensOnlyThatFile) {
    writeReopenList(settingsFile, {folder.file("a.csv"), folder.file("b.csv")});
    start({folder.file("c.csv")});
    EXPECT_EQ(openPaths(), std::vector<std::string>{folder.file("c.csv")});
    EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("Rowsmith32 - ")));
    EXPECT_TRUE(frame->windowTitle().contains(QStringLiteral("c.csv")));
}

TEST_F(RowsmithMainFrameTest, TheLastSessionsFilesAndANewDocumentOpenOtherwise) {
    writeReopenList(settingsFile, {folder.file("a.csv"), folder.file("b.csv")});
    start({});
    EXPECT_EQ(openPaths(),
              (std::vector<std::string>{folder.file("a.csv"), folder.file("b.csv"), ""}));
    EXPECT_TRUE(frame->activeChild()->displayName().startsWith(QStringLiteral("無題")));
}

// New documents are numbered among themselves: files opened before or between them take no
// number.
TEST_F(RowsmithMainFrameTest, NewDocumentsCountOnlyNewDocuments) {
    settingsFile.writeInt("FILES MODE", "NewOpen", 0);
    start({folder.file("a.csv"), folder.file("b.csv")});
    QAction* newCommand = action(QStringLiteral("新規作成(&N)"));
    ASSERT_NE(newCommand, nullptr);
    newCommand->trigger();
    EXPECT_EQ(frame->activeChild()->windowTitle(), QStringLiteral("無題1"));
    frame->openDocument(QString::fromStdString(folder.file("c.csv")));
    newCommand->trigger();
    EXPECT_EQ(frame->activeChild()->windowTitle(), QStringLiteral("無題2"));
    EXPECT_EQ(frame->children().front()->windowTitle(), QStringLiteral("a.csv"));
}

// "目次" shows the checkout's README in the desktop's viewer: the tests run from the build
// folder, where the program finds it too.
TEST_F(RowsmithMainFrameTest, HelpContentsShowTheReadme) {
    const QString readme =
        QFileInfo(QString::fromUtf8(QUORVI_SOURCE_DIR "/README.md")).canonicalFilePath();
    const QDir checkout(QApplication::applicationDirPath() + QStringLiteral("/../../.."));
    if (QFileInfo(checkout.filePath(QStringLiteral("README.md"))).canonicalFilePath() != readme) {
        GTEST_SKIP() << "the build folder is not at the top of the checkout";
    }
    start({});
    RecordingViewer viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "show");
    QAction* contents = action(QStringLiteral("目次(&C)"));
    ASSERT_NE(contents, nullptr);
    contents->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(viewer.shown.size(), 1u);
    EXPECT_EQ(viewer.shown[0].toLocalFile(), readme);
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(RowsmithMainFrameTest, ClosingKeepsTheOpenFilesWithTheLastActiveOneLast) {
    settingsFile.writeInt("FILES MODE", "NewOpen", 0);
    start({folder.file("a.csv"), folder.file("b.csv"), folder.file("c.csv")});
    frame->openDocument(QString::fromStdString(folder.file("a.csv")));  // brought forward
    EXPECT_EQ(frame->children().size(), 3u);
    EXPECT_EQ(frame->lastActiveDataFile().toStdString(), folder.file("a.csv"));
    ASSERT_TRUE(frame->close());
    EXPECT_EQ(readRowsmithSettings(settingsFile).reopenList,
              (std::vector<std::string>{folder.file("b.csv"), folder.file("c.csv"),
                                        folder.file("a.csv")}));
    EXPECT_EQ(settingsFile.readInt("FILES MODE", "NewOpen", 1), 0);
    EXPECT_FALSE(settingsFile.readString("Window size", "Rect", "").empty());
}

TEST_F(RowsmithMainFrameTest, AModifiedDocumentAsksBeforeClosing) {
    start({folder.file("a.csv")});
    CChildFrame* child = frame->activeChild();
    child->document().lines.push_back("2,y");
    child->document().setModified();
    messages.scriptAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0], "a.csv への変更を保存しますか？");
    EXPECT_EQ(frame->children().size(), 1u);
    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(test::readBytes(folder.file("a.csv")), "CODE,NAME\r\n1,x\r\n2,y\r\n");
}

TEST_F(RowsmithMainFrameTest, RefusedFilesOpenNoWindow) {
    settingsFile.writeInt("FILES MODE", "NewOpen", 0);
    test::writeBytes(folder.file("empty.csv"), "");
    start({folder.file("empty.csv"), folder.file("missing.csv"), folder.path()});
    EXPECT_TRUE(frame->children().empty());
    EXPECT_EQ(messages.texts().size(), 3u);
    EXPECT_EQ(messages.texts()[0], "このファイルは空のファイルです");
}

// Settings that cannot be written at exit are reported; the window still closes.
TEST_F(RowsmithMainFrameTest, UnwritableSettingsAreReportedOnClose) {
    start({folder.file("a.csv")});
    injectWriteFault(WriteFault::DiskFull);
    const bool closed = frame->close();
    injectWriteFault(WriteFault::None);
    EXPECT_TRUE(closed);
    ASSERT_FALSE(messages.texts().empty());
    EXPECT_EQ(messages.texts().back().rfind("設定ファイル " + folder.file("ROWSMITH.INI"), 0), 0u);
}

// The data menu reaches the active window's dialogs: the record dialog opens once and its command
// waits until it is closed; the search dialog moves the grid to what it finds.
TEST_F(RowsmithMainFrameTest, DataMenuOpensTheWindowsDialogs) {
    start({folder.file("a.csv")});
    QAction* record = action(QStringLiteral("ﾚｺｰﾄﾞの追加・修正"));
    ASSERT_NE(record, nullptr);
    record->trigger();
    const auto dialogs = frame->findChildren<RecordMaintenanceDialog*>();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(dialogs[0]->isVisible());
    EXPECT_TRUE(frame->activeChild()->recordDialogOpen());
    frame->findChild<QMenu*>(QStringLiteral("dataMenu"))->aboutToShow();
    EXPECT_FALSE(record->isEnabled());
    dialogs[0]->reject();
    QApplication::processEvents();
    EXPECT_FALSE(frame->activeChild()->recordDialogOpen());

    action(QStringLiteral("ﾚｺｰﾄﾞの検索・置換"))->trigger();
    auto* search = frame->findChild<SearchReplaceDialog*>();
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(search->isVisible());
}

}  // namespace
}  // namespace qv::rowsmith

#include "main_frame_test.moc"
