// Cut, copy, paste, delete and undo over whole records, editing a cell and the new-record row,
// with a clipboard that the tests fill and read.
#include "editor/model/record_editing.h"

#include <gtest/gtest.h>

#include "editor/model/clipboard_text.h"

namespace qv {
namespace {

class FakeClipboard : public ClipboardPort {
  public:
    bool hasText() const override { return state == Read::Text; }
    Read read(std::string& out) override {
        out = text;
        return state;
    }
    bool write(const std::string& in, bool& opened) override {
        opened = opens;
        if (!opens || !takes) return false;
        text = in;
        state = Read::Text;
        return true;
    }
    std::string text;
    Read state = Read::Empty;
    bool opens = true;
    bool takes = true;
};

class RecordEditingTest : public ::testing::Test {
  protected:
    RecordEditingTest() {
        document.lines = {"CODE,NAME", "r1,a", "r2,b", "r3,c", "r4,d", "r5,e", "r6,f"};
        document.splitHeader();
        document.columnWidths = {8, 12};
    }
    void paste(const std::string& text) {
        clipboard.text = text;
        clipboard.state = ClipboardPort::Read::Text;
        editor.paste();
    }
    std::vector<std::string> records() const {
        return {document.lines.begin() + 1, document.lines.end()};
    }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    FakeClipboard clipboard;
    RecordEditor editor{document, clipboard, messages};
};

TEST_F(RecordEditingTest, CopyOfRecordsThreeToFiveGivesFourLines) {
    editor.selectRange(5, 3);  // dragged upward
    ASSERT_TRUE(editor.copy());
    EXPECT_EQ(clipboard.text, "@CODE,NAME\nr3,c\nr4,d\nr5,e\n");
    EXPECT_FALSE(editor.rangeSelected());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.lines.size(), 7u);
}

TEST_F(RecordEditingTest, PasteIntoAnEmptyDocumentTakesTheHeaderAndTheWidths) {
    editor.selectRange(3, 5);
    ASSERT_TRUE(editor.copy());
    CROWSMITHDoc empty(messages);
    RecordEditor target(empty, clipboard, messages);
    ASSERT_TRUE(target.paste());
    EXPECT_EQ(empty.lines, (std::vector<std::string>{"CODE,NAME", "r3,c", "r4,d", "r5,e"}));
    EXPECT_EQ(empty.headerNames, (std::vector<std::string>{"CODE", "NAME"}));
    EXPECT_EQ(empty.columnWidths[0], 8);
    EXPECT_EQ(empty.columnWidths[1], 12);
    EXPECT_TRUE(empty.isModified());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(RecordEditingTest, PasteWithoutHeaderAsksAndTakesWidthsOfTen) {
    CROWSMITHDoc empty(messages);
    RecordEditor target(empty, clipboard, messages);
    clipboard.text = "A,B\n1,2\n";
    clipboard.state = ClipboardPort::Read::Text;
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(target.paste());
    EXPECT_TRUE(empty.lines.empty());
    messages.scriptAnswer(MessageAnswer::Yes);
    ASSERT_TRUE(target.paste());
    EXPECT_EQ(empty.lines, (std::vector<std::string>{"A,B", "1,2"}));
    EXPECT_EQ(empty.columnWidths[29], 10);
    EXPECT_EQ(messages.messages().back().caption, "データ貼付");
}

TEST_F(RecordEditingTest, PasteInsertsBeforeTheCurrentRowAndUndoTakesExactlyThatOut) {
    editor.setCurrentRow(2);
    paste("@CODE,NAME\nx1,p\r\nx2\tq\n\nx3,r\n");  // CR dropped, TAB to comma, empty line skipped
    EXPECT_EQ(records(), (std::vector<std::string>{"r1,a", "x1,p", "x2,q", "x3,r", "r2,b", "r3,c",
                                                   "r4,d", "r5,e", "r6,f"}));
    EXPECT_EQ(editor.currentRow(), 5);
    EXPECT_TRUE(editor.canUndo());
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(records(),
              (std::vector<std::string>{"r1,a", "r2,b", "r3,c", "r4,d", "r5,e", "r6,f"}));
    EXPECT_FALSE(editor.undo());  // one level only
    EXPECT_EQ(records().size(), 6u);
}

TEST_F(RecordEditingTest, PasteBehindTheLastRecordAppends) {
    editor.setCurrentRow(99);
    paste("z,9\n");
    EXPECT_EQ(document.lines.back(), "z,9");
}

// Cells copied from a spreadsheet keep a comma inside a value: the value is quoted.
TEST_F(RecordEditingTest, TabCellsWithCommasStayWhole) {
    paste("1,5 kg\t\"say \"\"hi\"\"\"\n");
    EXPECT_EQ(document.lines[1], "\"1,5 kg\",say \\\"hi\\\"");
    EXPECT_EQ(commaLineOfCells("a\tb\t"), "a,b,");
}

TEST_F(RecordEditingTest, RefusedPastesChangeNothing) {
    const std::vector<std::string> before = document.lines;
    const std::vector<std::pair<ClipboardPort::Read, std::string>> refused = {
        {ClipboardPort::Read::NotText, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容は\nﾃｷｽﾄﾃﾞｰﾀではありません。"},
        {ClipboardPort::Read::CannotOpen, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞがｵｰﾌﾟﾝ出来ません。"},
        {ClipboardPort::Read::Empty, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容はnulです。"},
    };
    for (const auto& [state, message] : refused) {
        clipboard.state = state;
        EXPECT_FALSE(editor.paste());
        EXPECT_EQ(messages.texts().back(), message);
        EXPECT_TRUE(messages.messages().back().beep);
    }
    paste("no separators here\n");
    EXPECT_EQ(messages.texts().back(),
              "クリップボードのデータは\nカンマ又はタブ編集ファイルではありません　！");
    paste(std::string("\0,binary", 8));  // a zero byte at once: no separator before it
    paste("\xFF\xFE,\x01\x02");          // 0xFF ends the first line before the comma
    EXPECT_EQ(document.lines, before);
    EXPECT_FALSE(document.isModified());
}

TEST_F(RecordEditingTest, FieldCountQuestionLetsTheUserStop) {
    messages.scriptAnswer(MessageAnswer::No);
    paste("a,b,c\n");
    EXPECT_EQ(messages.messages().back().text, "ﾌｨｰﾙﾄﾞ数が合いませんが、貼付を続けますか　？");
    EXPECT_EQ(messages.messages().back().caption, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ=3 現在の数2");
    EXPECT_EQ(document.lines.size(), 7u);
    messages.scriptAnswer(MessageAnswer::Yes);
    paste("a,b,c\n");
    EXPECT_EQ(document.lines[1], "a,b,c");
}

TEST_F(RecordEditingTest, CutThenUndoRestoresTheRecords) {
    editor.selectRange(2, 3);
    ASSERT_TRUE(editor.cut());
    EXPECT_EQ(records(), (std::vector<std::string>{"r1,a", "r4,d", "r5,e", "r6,f"}));
    EXPECT_EQ(editor.currentRow(), 2);
    EXPECT_EQ(clipboard.text, "@CODE,NAME\nr2,b\nr3,c\n");
    clipboard.text = "something else,entirely\n";  // the clipboard changed meanwhile
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(records(),
              (std::vector<std::string>{"r1,a", "r2,b", "r3,c", "r4,d", "r5,e", "r6,f"}));
}

TEST_F(RecordEditingTest, ClipboardFailuresKeepTheRecords) {
    clipboard.opens = false;
    editor.selectRange(1, 2);
    EXPECT_FALSE(editor.cut());
    EXPECT_EQ(messages.texts().back(), "クリップボードのオ－プンに\n失敗しました　！");
    clipboard.opens = true;
    clipboard.takes = false;
    EXPECT_FALSE(editor.cut());
    EXPECT_EQ(messages.texts().back(), "ｸﾘｯﾌﾟﾎﾞｰﾄﾞﾃﾞｰﾀの引き渡しに\n失敗しました　！");
    EXPECT_EQ(document.lines.size(), 7u);
    EXPECT_FALSE(editor.canUndo());
}

TEST_F(RecordEditingTest, DeleteAsksAndCannotBeUndone) {
    editor.selectRange(4, 6);
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(editor.remove());
    EXPECT_EQ(document.lines.size(), 7u);
    EXPECT_EQ(messages.messages().back().caption, "レコード削除");
    EXPECT_EQ(messages.messages().back().text,
              "指定範囲のレコードを削除します\nもとに戻す事は出来ません。");
    ASSERT_TRUE(editor.remove());
    EXPECT_EQ(records(), (std::vector<std::string>{"r1,a", "r2,b", "r3,c"}));
    EXPECT_FALSE(editor.canUndo());
    EXPECT_TRUE(document.isModified());
}

TEST_F(RecordEditingTest, CellsAreStoredWithTheLinesOwnSeparator) {
    document.lines[2] = "r2\tb";
    EXPECT_TRUE(editor.storeField(2, 1, "x,y"));
    EXPECT_EQ(document.lines[2], "r2\t\"x,y\"");
    EXPECT_FALSE(editor.storeField(1, 0, "r1"));  // unchanged text
    document.lines[3] = "r3";
    EXPECT_TRUE(editor.storeField(3, 1, "new"));  // a missing field is added
    EXPECT_EQ(document.lines[3], "r3,new");
    EXPECT_FALSE(editor.storeField(9, 0, "beyond"));
}

TEST_F(RecordEditingTest, BlankRowBecomesARecordOnlyWhenSomethingWasEntered) {
    editor.startBlankRow();
    EXPECT_EQ(editor.blankRow(), ",");
    EXPECT_FALSE(editor.commitBlankRow());
    EXPECT_EQ(document.lines.size(), 7u);
    editor.startBlankRow();
    editor.setBlankField(1, "new name");
    ASSERT_TRUE(editor.commitBlankRow());
    EXPECT_EQ(document.lines.back(), ",new name");
    EXPECT_FALSE(editor.blankRowActive());
}

}  // namespace
}  // namespace qv
