// The record dialog's rules: storing before every move, the add row behind the last record, the
// empty inserted record, deleting, and documents with more fields than boxes.
#include "editor/model/record_maintenance_form.h"

#include <gtest/gtest.h>

#include "common/message_service.h"
#include "common/record_line.h"

namespace qv {
namespace {

class RecordMaintenanceFormTest : public ::testing::Test {
  protected:
    RecordMaintenanceFormTest() {
        document.lines = {"CODE,NAME", "r1,a", "r2,b", "r3,c"};
        document.splitHeader();
        form.highlightRecord = [this](int record) { highlighted.push_back(record); };
        form.beep = [this] { ++beeps; };
    }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    RecordMaintenanceForm form{document, messages};
    std::vector<int> highlighted;
    int beeps = 0;
};

TEST_F(RecordMaintenanceFormTest, ADocumentWithoutFieldNamesIsRefused) {
    document.lines.clear();
    document.headerNames.clear();
    EXPECT_FALSE(form.open(1));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"フィールドが定義されていません。"});
}

TEST_F(RecordMaintenanceFormTest, OpensOnTheGridsRowOrInAddModeWithoutRecords) {
    ASSERT_TRUE(form.open(2));
    EXPECT_EQ(form.position(), 2);
    EXPECT_EQ(form.box(0), "r2");
    EXPECT_EQ(form.box(1), "b");
    EXPECT_EQ(highlighted.back(), 2);

    document.lines.resize(1);
    RecordMaintenanceForm empty(document, messages);
    ASSERT_TRUE(empty.open(0));
    EXPECT_TRUE(empty.addMode());
    EXPECT_EQ(empty.position(), 1);
    EXPECT_FALSE(empty.deleteEnabled());
}

TEST_F(RecordMaintenanceFormTest, EditingTheLastRecordAndGoingUpStoresTheChange) {
    form.open(3);
    form.setBox(1, "x,y");
    form.previous();
    EXPECT_EQ(document.lines[3], "r3,\"x,y\"");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(form.position(), 2);
    EXPECT_EQ(form.box(0), "r2");
}

TEST_F(RecordMaintenanceFormTest, UntouchedRecordsKeepTheirTextAndSeparators) {
    document.lines[1] = "r1\ta";
    form.open(1);
    form.next();
    form.previous();
    EXPECT_EQ(document.lines[1], "r1\ta");
    EXPECT_FALSE(document.isModified());
}

// A stored record rewrites only the box that changed; the other fields keep their bytes.
TEST_F(RecordMaintenanceFormTest, StoringRewritesOnlyTheChangedField) {
    struct Case {
        const char* line;
        int box;
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"\"001\",a,\"1,000\"", 1, "b", "\"001\",b,\"1,000\""},  // quotes not needed, kept
        {"r\ta", 2, "9", "r\ta\t9"},                             // own separator for a new field
        {"r,a\x10z", 2, "9", "r,\"a,z\",9"},           // a hidden comma that stops being last
        {"\"\x95\x5c\",a", 1, "b", "\"\x95\x5c\",b"},  // 表 ends in 0x5C: the quote is real
    };
    document.lines = {"CODE,NAME,PRICE", ""};
    document.splitHeader();
    for (const Case& c : cases) {
        document.lines[1] = c.line;
        RecordMaintenanceForm edited(document, messages);
        ASSERT_TRUE(edited.open(1));
        edited.setBox(c.box, c.typed);
        edited.close();
        EXPECT_EQ(document.lines[1], c.stored) << c.line;
    }
}

TEST_F(RecordMaintenanceFormTest, DownOnTheLastRecordWithNothingTypedAddsNothing) {
    form.open(3);
    form.next();
    EXPECT_TRUE(form.addMode());
    EXPECT_EQ(form.position(), 4);
    EXPECT_EQ(form.captionSuffix(), "－レコードの追加");
    form.next();  // still nothing typed
    EXPECT_TRUE(form.addMode());
    form.previous();
    EXPECT_FALSE(form.addMode());
    EXPECT_EQ(form.position(), 3);
    EXPECT_EQ(document.lines.size(), 4u);
    EXPECT_FALSE(document.isModified());
}

TEST_F(RecordMaintenanceFormTest, ATypedAddRowIsAppendedAndAnotherAddBegins) {
    int extents = 0;
    form.extentChanged = [&] { ++extents; };
    form.open(1);
    form.startAdd();
    form.setBox(0, "r4");
    form.next();
    ASSERT_EQ(document.lines.size(), 5u);
    EXPECT_EQ(document.lines[4], "r4,");
    EXPECT_TRUE(form.addMode());
    EXPECT_EQ(form.position(), 5);
    EXPECT_EQ(form.box(0), "");
    EXPECT_EQ(extents, 1);
    form.previous();
    EXPECT_EQ(form.position(), 4);
    EXPECT_EQ(form.box(0), "r4");
}

TEST_F(RecordMaintenanceFormTest, AnInsertedRecordLeftEmptyIsRemovedByTheNextMove) {
    form.open(2);
    form.insertAbove();
    EXPECT_TRUE(form.insertMode());
    EXPECT_FALSE(form.closeEnabled());
    EXPECT_EQ(form.captionSuffix(), "－現在行の上に挿入");
    ASSERT_EQ(document.lines.size(), 5u);
    EXPECT_EQ(document.lines[2], "");
    form.next();
    EXPECT_EQ(document.lines, (std::vector<std::string>{"CODE,NAME", "r1,a", "r2,b", "r3,c"}));
    EXPECT_EQ(form.box(0), "r2");  // the record the empty one stood above
    EXPECT_TRUE(form.closeEnabled());
}

TEST_F(RecordMaintenanceFormTest, AnInsertedRecordWithTextIsStoredAboveTheCurrentOne) {
    form.open(2);
    form.insertAbove();
    form.setBox(0, "new");
    form.previous();
    EXPECT_EQ(document.lines,
              (std::vector<std::string>{"CODE,NAME", "r1,a", "new,", "r2,b", "r3,c"}));
    EXPECT_EQ(form.position(), 1);
}

TEST_F(RecordMaintenanceFormTest, DeleteAsksAndNoKeepsTheRecord) {
    form.open(3);
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(form.removeCurrent());
    EXPECT_EQ(document.lines.size(), 4u);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "このレコードを削除します\nもとに戻す事は出来ません。");
    EXPECT_EQ(messages.messages()[0].caption, "レコード削除");

    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(form.removeCurrent());
    EXPECT_EQ(document.lines, (std::vector<std::string>{"CODE,NAME", "r1,a", "r2,b"}));
    EXPECT_EQ(form.position(), 2);  // the last record now
    EXPECT_EQ(form.box(0), "r2");
}

TEST_F(RecordMaintenanceFormTest, DeleteWithoutConfirmationAndOfTheOnlyRecordStartsAnAdd) {
    document.lines.resize(2);
    form.open(1);
    form.setConfirmDelete(false);
    EXPECT_TRUE(form.removeCurrent());
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(form.count(), 0);
    EXPECT_TRUE(form.addMode());
}

TEST_F(RecordMaintenanceFormTest, MovesStopAtTheFirstRecordAndGoBeyondTheLastIntoAdd) {
    form.open(2);
    form.pageUp(10);
    EXPECT_EQ(form.position(), 1);
    form.previous();
    EXPECT_EQ(form.position(), 1);
    form.last();
    EXPECT_EQ(form.position(), 3);
    form.goTo(99);
    EXPECT_TRUE(form.addMode());
    form.first();
    EXPECT_EQ(form.position(), 1);
    form.pageDown(10);
    EXPECT_TRUE(form.addMode());
}

TEST_F(RecordMaintenanceFormTest, MoreThanThirtyFieldsKeepEveryFieldOnCommit) {
    std::string header = "F0";
    std::string record = "v0";
    for (int i = 1; i < 33; ++i) {
        header += ",F" + std::to_string(i);
        record += ",v" + std::to_string(i);
    }
    document.lines = {header, record, "short"};
    document.splitHeader();
    ASSERT_TRUE(form.open(1));
    EXPECT_EQ(form.boxCount(), 29);
    EXPECT_EQ(form.hiddenFieldCount(), 4);
    EXPECT_EQ(beeps, 0);  // 33 fields for 33 names

    form.setBox(0, "new");
    form.setBox(28, "w28");
    form.next();
    const DataRecord stored = SplitRecordLine(document.lines[1]);
    ASSERT_EQ(stored.size(), 33u);
    EXPECT_EQ(stored[0], "new");
    EXPECT_EQ(stored[28], "w28");
    EXPECT_EQ(stored[29], "v29");
    EXPECT_EQ(stored[32], "v32");
}

TEST_F(RecordMaintenanceFormTest, ARecordWithMoreFieldsThanNamesBeepsAndKeepsThem) {
    document.lines[2] = "r2,b,extra";
    form.open(2);
    EXPECT_EQ(beeps, 1);
    form.setBox(1, "B");
    form.next();
    EXPECT_EQ(document.lines[2], "r2,B,extra");
}

}  // namespace
}  // namespace qv
