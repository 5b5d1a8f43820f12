// The search dialog's rules: the position surviving between steps, a changed text starting
// again, prefix matching, replacing one match at a time or all at once, and the refusals.
#include "editor/model/search_replace_form.h"

#include <gtest/gtest.h>

#include "common/message_service.h"

namespace qv {
namespace {

const char* const kEnd = "最後まで検索しました　！";

class SearchReplaceFormTest : public ::testing::Test {
  protected:
    SearchReplaceFormTest() {
        document.lines = {"CODE,SHOP", "1,TOKYO", "2,OSAKA", "3,TOKYO", "4,TOKYO-2", "5"};
        document.splitHeader();
        form.highlightRecord = [this](int record) { highlighted.push_back(record); };
        form.busy = [this](bool on) { busyStates.push_back(on); };
        form.setFieldName("sh");  // prefix, case ignored
    }

    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    SearchReplaceForm form{document, messages};
    std::vector<int> highlighted;
    std::vector<bool> busyStates;
};

TEST_F(SearchReplaceFormTest, SearchingTwiceFindsTheFirstThenTheSecondMatch) {
    form.setSearchText("TOKYO");
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Found);
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Found);
    EXPECT_EQ(highlighted, (std::vector<int>{1, 3}));
    EXPECT_EQ(busyStates, (std::vector<bool>{true, false, true, false}));

    EXPECT_EQ(form.step(), SearchReplaceForm::Step::End);  // TOKYO-2 is not a whole match
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kEnd});
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Found);  // the end starts again at the top
    EXPECT_EQ(highlighted.back(), 1);
}

TEST_F(SearchReplaceFormTest, AChangedTextStartsAgainAtTheTop) {
    form.setSearchText("TOKYO");
    form.step();
    form.step();
    form.setSearchText("OSAKA");
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Found);
    EXPECT_EQ(highlighted.back(), 2);
    form.setSearchText("TOKYO");
    form.step();
    EXPECT_EQ(highlighted.back(), 1);
}

TEST_F(SearchReplaceFormTest, PrefixMatchingTakesTheFirstCharactersOnly) {
    form.setSearchText("TOKYO-");
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::End);
    form.setPrefixMatch(true);
    form.setSearchText("TOK");
    form.step();
    form.step();
    form.step();
    EXPECT_EQ(highlighted, (std::vector<int>{1, 3, 4}));
}

TEST_F(SearchReplaceFormTest, ReplaceAnsweredNoMovesOnToTheNextMatch) {
    form.setMode(SearchReplaceForm::Mode::Replace);
    form.setPrefixMatch(true);  // not used while replacing
    form.setSearchText("TOKYO");
    form.setReplaceText("NAGOYA");
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Declined);
    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Replaced);
    EXPECT_EQ(messages.messages()[0].text, "置き換えてもいいですか　？");
    EXPECT_EQ(messages.messages()[0].caption, "ﾌｨｰﾙﾄﾞ置換");
    EXPECT_EQ(document.lines[1], "1,TOKYO");
    EXPECT_EQ(document.lines[3], "3,NAGOYA");
    EXPECT_EQ(document.lines[4], "4,TOKYO-2");
    EXPECT_EQ(highlighted, (std::vector<int>{1, 3}));
    EXPECT_TRUE(document.isModified());
}

TEST_F(SearchReplaceFormTest, ReplaceAllReplacesEveryMatchWithoutAsking) {
    int changes = 0;
    form.documentChanged = [&] { ++changes; };
    form.setMode(SearchReplaceForm::Mode::Replace);
    form.setReplaceAll(true);
    form.setSearchText("TOKYO");
    form.setReplaceText("A,B");
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::End);
    EXPECT_EQ(document.lines[1], "1,\"A,B\"");
    EXPECT_EQ(document.lines[3], "3,\"A,B\"");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kEnd});
    EXPECT_EQ(highlighted, std::vector<int>{3});
    EXPECT_EQ(changes, 1);
}

TEST_F(SearchReplaceFormTest, RefusalsChangeNothing) {
    form.setFieldName("");
    form.setSearchText("TOKYO");
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Refused);
    form.setFieldName("PRICE");
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Refused);
    form.setFieldName("CODE");
    form.setSearchText("");
    EXPECT_EQ(form.step(), SearchReplaceForm::Step::Refused);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"検索するフィールドを指定して下さい　！",
                                                          "該当するﾌｨｰﾙﾄﾞはありません！",
                                                          "検索する文字列を指定して下さい　！"}));
    EXPECT_TRUE(busyStates.empty());
    EXPECT_TRUE(highlighted.empty());
}

}  // namespace
}  // namespace qv
