// The field dialog's rules: the list entries, the name checks, inserting and deleting a field in
// every record with the header following, Enter in the width edit, OK and Cancel.
#include "editor/model/field_maintenance_form.h"

#include <memory>

#include <gtest/gtest.h>

#include "common/message_service.h"

namespace qv {
namespace {

const char* const kNameTooLong = "ﾌｨｰﾙﾄﾞ名は 30 文字以内\nで入力して下さい。";

class FieldMaintenanceFormTest : public ::testing::Test {
  protected:
    FieldMaintenanceFormTest() {
        document.lines = {"CODE,NAME,PRICE", "1,a,10", "2,b,20"};
        document.splitHeader();
        document.columnWidths = {8, 0};
    }
    FieldMaintenanceForm& makeForm() {
        form = std::make_unique<FieldMaintenanceForm>(document, messages);
        form->recordsChanged = [this] { ++refreshes; };
        return *form;
    }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    std::unique_ptr<FieldMaintenanceForm> form;
    int refreshes = 0;
};

TEST_F(FieldMaintenanceFormTest, EntriesPadTheNameToThirtyBytesBeforeTheWidth) {
    auto& f = makeForm();
    ASSERT_EQ(f.entries().size(), 3u);
    EXPECT_EQ(f.entries()[0], "CODE" + std::string(26, ' ') + "8");
    EXPECT_EQ(f.entries()[1], "NAME" + std::string(26, ' ') + "0");
    EXPECT_EQ(FieldMaintenanceForm::entryName(f.entries()[0]), "CODE");
    EXPECT_EQ(FieldMaintenanceForm::entryWidth(f.entries()[1]), 10);  // 0 reads as 10
    EXPECT_FALSE(f.addEnabled());
    EXPECT_TRUE(f.insertEnabled());
}

TEST_F(FieldMaintenanceFormTest, ANameOfThirtyBytesIsTakenAndThirtyOneRefused) {
    auto& f = makeForm();
    f.setName(std::string(31, 'N'));
    EXPECT_FALSE(f.add());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kNameTooLong});
    EXPECT_EQ(f.entries().size(), 3u);

    // Sixteen double-byte characters are 32 bytes of Shift-JIS.
    f.setName(std::string(32, '\x82'));
    EXPECT_FALSE(f.add());

    f.setName(std::string(30, 'N'));
    EXPECT_TRUE(f.add());
    ASSERT_EQ(f.entries().size(), 4u);
    EXPECT_EQ(f.entries()[3], std::string(30, 'N') + "10");
    EXPECT_EQ(f.name(), "");
    EXPECT_EQ(document.lines[0], "CODE,NAME,PRICE");  // only OK rebuilds
}

TEST_F(FieldMaintenanceFormTest, RefusedInputsChangeNothing) {
    auto& f = makeForm();
    EXPECT_FALSE(f.add());
    f.setName("A,B");
    EXPECT_FALSE(f.add());
    f.setName("QTY");
    f.setWidth(std::nullopt);
    EXPECT_FALSE(f.add());
    EXPECT_FALSE(f.insert());  // no entry selected
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{
                                    "ﾌｨｰﾙﾄﾞ名を入力して下さい。　", "ﾌｨｰﾙﾄﾞ名に , は使えません。",
                                    "最大長(byte)は 0 ～ 9999 の数字で入力して下さい。",
                                    "挿入する位置を指定して下さい。"}));
    EXPECT_EQ(f.entries().size(), 3u);
    EXPECT_FALSE(f.changed());
}

TEST_F(FieldMaintenanceFormTest, InsertingBeforeFieldTwoGivesEveryRecordAnEmptyFieldTwo) {
    auto& f = makeForm();
    f.select(1);
    f.setName("KANA");
    f.setWidth(6);
    ASSERT_TRUE(f.insert());
    EXPECT_EQ(document.lines,
              (std::vector<std::string>{"CODE,KANA,NAME,PRICE", "1,,a,10", "2,,b,20"}));
    EXPECT_EQ(document.headerNames, (std::vector<std::string>{"CODE", "KANA", "NAME", "PRICE"}));
    EXPECT_EQ(document.columnWidths[1], 6);
    EXPECT_EQ(document.columnWidths[2], 10);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(refreshes, 1);
}

TEST_F(FieldMaintenanceFormTest, InsertingAfterTheLastFieldLeavesTheRecordsAlone) {
    auto& f = makeForm();
    f.setInsertAfter(true);
    EXPECT_EQ(f.insertButtonText(), "後に挿入(&I)");
    f.select(2);
    f.setName("QTY");
    ASSERT_TRUE(f.insert());
    EXPECT_EQ(document.lines,
              (std::vector<std::string>{"CODE,NAME,PRICE,QTY", "1,a,10", "2,b,20"}));
}

TEST_F(FieldMaintenanceFormTest, DeletingAFieldNamesTheRecordCountAndNoKeepsIt) {
    document.lines = {"CODE,NAME,PRICE", "1,a,10", "2,b,20", "3,c,30", "4,d,40", "5,e,50"};
    auto& f = makeForm();
    f.setName("NA");
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(f.remove());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "このﾄﾞｷｭﾒﾝﾄには既に5 件のﾚｺｰﾄﾞがあります\nこのｺﾏﾝﾄﾞはCANCELで元に戻せません！");
    EXPECT_EQ(messages.messages()[0].caption, "ﾌｨｰﾙﾄﾞの削除");
    EXPECT_EQ(document.lines[1], "1,a,10");

    messages.scriptAnswer(MessageAnswer::Yes);
    ASSERT_TRUE(f.remove());
    EXPECT_EQ(document.lines[0], "CODE,PRICE");
    EXPECT_EQ(document.lines[5], "5,50");
    EXPECT_EQ(f.entries().size(), 2u);
    EXPECT_EQ(refreshes, 1);

    f.setName("QTY");
    EXPECT_FALSE(f.remove());
    EXPECT_EQ(messages.texts().back(), "指定された項目はありません");
}

TEST_F(FieldMaintenanceFormTest, ModifyModeLoadsTheEntryAndTypingRewritesIt) {
    auto& f = makeForm();
    f.toggleModifyMode();
    f.select(0);
    EXPECT_EQ(f.name(), "CODE");
    EXPECT_EQ(f.width(), 8);
    f.setName("JAN");
    f.setWidth(13);
    EXPECT_EQ(f.entries()[0], "JAN" + std::string(27, ' ') + "13");
    f.setName(std::string(31, 'J'));  // told, entry kept
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kNameTooLong});
    EXPECT_EQ(f.entries()[0], "JAN" + std::string(27, ' ') + "13");
}

TEST_F(FieldMaintenanceFormTest, EnterInTheWidthEditMovesOnInModifyModeAndAddsOtherwise) {
    auto& f = makeForm();
    f.toggleModifyMode();
    f.select(2);
    EXPECT_EQ(f.enterInWidth(), FieldMaintenanceForm::EnterResult::SelectedNext);
    EXPECT_EQ(f.selected(), 0);  // after the last, the first
    EXPECT_EQ(f.name(), "CODE");

    f.toggleModifyMode();
    f.setName("QTY");
    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_EQ(f.enterInWidth(), FieldMaintenanceForm::EnterResult::Added);
    EXPECT_EQ(messages.messages().back().text, "この項目を追加しますか？");
    EXPECT_EQ(messages.messages().back().caption, "ﾌｨｰﾙﾄﾞ追加");
    EXPECT_EQ(f.entries().size(), 4u);
}

TEST_F(FieldMaintenanceFormTest, OkRebuildsNamesWidthsAndHeader) {
    auto& f = makeForm();
    f.setName("QTY");
    f.setWidth(4);
    f.add();
    f.accept();
    EXPECT_EQ(document.lines[0], "CODE,NAME,PRICE,QTY");
    EXPECT_EQ(document.headerNames.size(), 4u);
    EXPECT_EQ(document.columnWidths[0], 8);
    EXPECT_EQ(document.columnWidths[1], 10);
    EXPECT_EQ(document.columnWidths[3], 4);
    EXPECT_EQ(document.lines[1], "1,a,10");
}

TEST_F(FieldMaintenanceFormTest, CancelAsksOnlyAfterAChange) {
    auto& f = makeForm();
    EXPECT_TRUE(f.cancel());
    EXPECT_TRUE(messages.messages().empty());
    f.setName("QTY");
    f.add();
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(f.cancel());
    EXPECT_EQ(messages.messages().back().text, "変更を破棄ます");
    EXPECT_EQ(messages.messages().back().caption, "CANCEL");
    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(f.cancel());
    EXPECT_EQ(document.lines[0], "CODE,NAME,PRICE");
}

}  // namespace
}  // namespace qv
