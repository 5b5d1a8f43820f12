// The data editor's modeless dialogs as a user drives them from the main window: every way of
// ending them leaves no window behind, opening one again gives exactly one, what the record
// dialog held reaches the saved file, and a replacement is asked about with its record in view.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "editor/app/child_frame.h"
#include "editor/app/main_frame.h"
#include "editor/dialogs/record_maintenance_dialog.h"
#include "editor/dialogs/search_replace_dialog.h"
#include "editor/widgets/rowsmith_commands.h"
#include "editor/widgets/rowsmith_view.h"
#include "tests/editor_app/main_frame_parts.h"
#include "tests/label_app/widget_test_support.h"
#include "tests/support/no_clipboard.h"
#include "tests/support/temp_folder.h"

namespace qv::rowsmith {
namespace {

using test::child;
using test::click;

using test::NoClipboard;

// Records every message and runs `onQuestion` the moment a Yes/No question comes.
class WatchingMessages : public RecordingMessageService {
  public:
    MessageAnswer show(const Message& message) override {
        if (message.buttons == MessageButtons::YesNo && onQuestion) onQuestion();
        return RecordingMessageService::show(message);
    }
    std::function<void()> onQuestion;
};

class ModelessDialogsTest : public ::testing::Test,
                            protected test::RowsmithFrameParts<NoClipboard, WatchingMessages> {
  protected:
    void start(const std::string& bytes) {
        test::writeBytes(path, bytes);
        makeFrame();
        frame->resize(800, 600);
        frame->show();
        frame->openStartFiles({path});
        ASSERT_NE(frame->activeChild(), nullptr);
    }
    CChildFrame& window() const { return *frame->activeChild(); }
    // The command as the grid's double click and pop-up menu ask for it.
    void command(int id) const { emit window().view().commandRequested(id); }
    std::vector<QDialog*> visibleDialogs() const {
        std::vector<QDialog*> shown;
        for (QDialog* dialog : frame->findChildren<QDialog*>()) {
            if (dialog->isVisible()) shown.push_back(dialog);
        }
        return shown;
    }
    // The only dialog on screen, after `id` was asked for twice.
    QDialog* openTwice(int id) {
        command(id);
        command(id);
        const std::vector<QDialog*> shown = visibleDialogs();
        EXPECT_EQ(shown.size(), 1u) << id;
        return shown.size() == 1 ? shown[0] : nullptr;
    }

    std::string path = folder.file("shop.csv");
};

TEST_F(ModelessDialogsTest, EveryWayOfEndingADialogLeavesNoWindowAndItOpensOnceAgain) {
    start("CODE,NAME\r\n1,x\r\n2,y\r\n");
    enum class End { CloseButton, Escape, WindowCloseBox };
    for (int id : {kRecordDialog, kSearch, kBarcodeFields}) {
        for (End end : {End::CloseButton, End::Escape, End::WindowCloseBox}) {
            QDialog* dialog = openTwice(id);
            ASSERT_NE(dialog, nullptr);
            switch (end) {
                case End::CloseButton:
                    click(child<QPushButton>(*dialog, "closeButton"));
                    break;
                case End::Escape:
                    QTest::keyClick(dialog, Qt::Key_Escape);
                    break;
                case End::WindowCloseBox:
                    dialog->close();
                    break;
            }
            EXPECT_TRUE(visibleDialogs().empty()) << id << " " << static_cast<int>(end);
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(frame->findChildren<QDialog*>().empty()) << id;
        }
    }
    EXPECT_FALSE(window().recordDialogOpen());
    EXPECT_FALSE(window().document().isModified());  // browsing stored nothing
}

// Shift-JIS throughout: the changed field is the typed text, the others keep their bytes.
TEST_F(ModelessDialogsTest, TheRecordTypedBeforeTheDialogEndsIsTheRecordSaved) {
    start("CODE,NAME,PRICE\r\n\"001\",\x83\x8a\x83\x93\x83\x53,\"1,000\"\r\n2,pear,90\r\n");
    command(kRecordDialog);
    auto* dialog = frame->findChild<RecordMaintenanceDialog*>();
    ASSERT_NE(dialog, nullptr);
    QLineEdit* name = child<QLineEdit>(*dialog, "box1");
    name->selectAll();
    name->insert(QStringLiteral("みかん"));  // as the input method hands it over
    click(child<QPushButton>(*dialog, "closeButton"));
    ASSERT_TRUE(window().save());
    EXPECT_EQ(test::readBytes(path),
              "CODE,NAME,PRICE\r\n\"001\",\x82\xdd\x82\xa9\x82\xf1,\"1,000\"\r\n2,pear,90\r\n");

    // A new record still being typed when its document window closes is saved with it, once.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialog = qobject_cast<RecordMaintenanceDialog*>(openTwice(kRecordDialog));
    ASSERT_NE(dialog, nullptr);
    click(child<QPushButton>(*dialog, "addButton"));
    QTest::keyClicks(child<QLineEdit>(*dialog, "box0"), QStringLiteral("3"));
    QTest::keyClicks(child<QLineEdit>(*dialog, "box2"), QStringLiteral("120"));
    messages.scriptAnswer(MessageAnswer::Yes);
    window().close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame->children().empty());
    EXPECT_EQ(test::readBytes(path),
              "CODE,NAME,PRICE\r\n\"001\",\x82\xdd\x82\xa9\x82\xf1,\"1,000\"\r\n2,pear,90\r\n"
              "3,,120\r\n");
}

TEST_F(ModelessDialogsTest, ReplaceAsksWithTheMatchCurrentAndInView) {
    std::string bytes = "CODE,SHOP\r\n";
    for (int i = 1; i <= 200; ++i)
        bytes += std::to_string(i) + (i == 150 ? ",OSAKA\r\n" : ",TOKYO\r\n");
    start(bytes);
    CROWSMITHView& view = window().view();
    std::vector<int> rowsAsked;
    messages.onQuestion = [&] {
        const bool inView = view.viewport()->rect().contains(view.cellRect(150, -1));
        rowsAsked.push_back(view.rowHighlighted() && inView ? view.editor().currentRow() : -1);
    };
    command(kSearch);
    auto* dialog = frame->findChild<SearchReplaceDialog*>();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(child<QLineEdit>(*dialog, "fieldName"), QStringLiteral("SHOP"));
    QTest::keyClicks(child<QLineEdit>(*dialog, "searchText"), QStringLiteral("OSAKA"));
    click(child<QRadioButton>(*dialog, "replaceMode"));
    QTest::keyClicks(child<QLineEdit>(*dialog, "replaceText"), QStringLiteral("KOBE"));
    messages.scriptAnswer(MessageAnswer::Yes);
    click(child<QPushButton>(*dialog, "searchButton"));

    EXPECT_EQ(rowsAsked, std::vector<int>{150});
    EXPECT_EQ(window().document().lines[150], "150,KOBE");
    EXPECT_EQ(messages.messages().at(0).text, "置き換えてもいいですか　？");
}

}  // namespace
}  // namespace qv::rowsmith
