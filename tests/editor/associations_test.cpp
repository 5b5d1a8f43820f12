// Associations with the label program: the stored entry text, registering and replacing by the
// command name, deleting, and the checks of the paths.
#include "editor/model/associations.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "editor/model/rowsmith_settings.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class AssociationsTest : public ::testing::Test {
  protected:
    AssociationsTest() {
        test::writeBytes(folder.file("shop.qvd"), "definition");
        test::writeBytes(folder.file("shop.csv"), "CODE\r\n");
    }
    Association shop(const std::string& command) {
        return {command, folder.file("shop.qvd"), folder.file("shop.csv")};
    }

    test::TempFolder folder;
    RecordingMessageService messages;
};

TEST_F(AssociationsTest, EntryTextRoundTripsInShiftJisWithQuotesAndCommas) {
    const Association a{"棚札", "/l/a,b.qvd", "/d/say \"hi\".csv"};
    const std::string entry = formatAssociation(a);
    EXPECT_EQ(entry, "\"\x92\x49\x8e\x44\",\"/l/a,b.qvd\",\"/d/say \\\"hi\\\".csv\"");
    EXPECT_EQ(parseAssociation(entry), a);
}

TEST_F(AssociationsTest, StoreReplacesTheEntryWhoseNameBeginsWithTheCommand) {
    AssociationList list({formatAssociation({"Shop labels", "/a.qvd", "/a.csv"}),
                          formatAssociation({"Price", "/p.qvd", "/p.csv"})});
    EXPECT_EQ(list.store({"shop", "/b.qvd", "/b.csv"}), 0u);  // prefix, ignoring case
    EXPECT_EQ(list.commandNames(), (std::vector<std::string>{"shop", "Price"}));
    EXPECT_EQ(list.at(0).dataPath, "/b.csv");
    EXPECT_EQ(list.store({"Stock", "/s.qvd", "/s.csv"}), 2u);  // no such name: appended
    EXPECT_EQ(list.findDataFile("/s.csv"), 2u);
    EXPECT_FALSE(list.findDataFile("/x.csv"));
}

TEST_F(AssociationsTest, AnExactNameWinsOverAnEarlierLongerOne) {
    AssociationList list({formatAssociation({"AB", "/ab.qvd", "/ab.csv"}),
                          formatAssociation({"A", "/a.qvd", "/a.csv"})});
    list.store({"a", "/new.qvd", "/new.csv"});
    EXPECT_EQ(list.at(0).command, "AB");
    EXPECT_EQ(list.at(1).definitionPath, "/new.qvd");
}

TEST_F(AssociationsTest, DeleteAsksAndRemovesOnYesOnly) {
    AssociationList list({formatAssociation({"Shop", "/a.qvd", "/a.csv"})});
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_FALSE(deleteAssociation(list, "shop", messages));
    EXPECT_EQ(list.size(), 1u);
    messages.scriptAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(deleteAssociation(list, "shop", messages));
    EXPECT_EQ(list.size(), 0u);
    EXPECT_FALSE(deleteAssociation(list, "shop", messages));
    ASSERT_EQ(messages.messages().size(), 3u);
    EXPECT_EQ(messages.messages()[0].text, "削除しますか　？");
    EXPECT_EQ(messages.messages()[0].caption, "登録の削除");
    EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.messages()[2].text, "shop は登録されていません　！");
}

TEST_F(AssociationsTest, ChecksInOrderWithTheirMessages) {
    AssociationList list;
    Association a{"", "", ""};
    EXPECT_FALSE(checkAssociation(a, "", list, messages));
    a.command = "Shop";
    EXPECT_FALSE(checkAssociation(a, "", list, messages));
    a.definitionPath = folder.file("none.qvd");
    EXPECT_FALSE(checkAssociation(a, "", list, messages));
    a.dataPath = folder.file("shop.csv");
    EXPECT_FALSE(checkAssociation(a, "", list, messages));
    a.definitionPath = folder.path();  // a folder is no definition
    EXPECT_FALSE(checkAssociation(a, "", list, messages));
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{
                  "ｺﾏﾝﾄﾞ名を入力して下さい　！", "定義ﾌｧｲﾙのパスを指定して下さい　！",
                  "ﾃﾞｰﾀﾌｧｲﾙのﾊﾟｽを入力して下さい　！",
                  folder.file("none.qvd") + "\n  は正しいﾊﾟｽではありません　！",
                  folder.path() + "\n  は正しいﾊﾟｽではありません　！"}));
    for (const Message& m : messages.messages()) EXPECT_TRUE(m.beep);
}

TEST_F(AssociationsTest, EmptyCommandTakesTheDefaultAndAFullListTakesNoNewName) {
    Association a = shop("");
    AssociationList list;
    ASSERT_TRUE(checkAssociation(a, "shop", list, messages));
    EXPECT_EQ(a.command, "shop");

    std::vector<std::string> entries;
    entries.reserve(static_cast<size_t>(kMaxAssociations));
    for (int k = 0; k < kMaxAssociations; ++k) {
        entries.push_back(formatAssociation(shop("C" + std::to_string(k))));
    }
    AssociationList full(entries);
    Association extra = shop("New");
    EXPECT_FALSE(checkAssociation(extra, "", full, messages));
    Association again = shop("C7");
    EXPECT_TRUE(checkAssociation(again, "", full, messages));  // replaces, so it fits
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"登録できるのは 50 件までです　！"});
}

TEST_F(AssociationsTest, TextsWithoutAShiftJisFormAreRefused) {
    Association a = shop("😀");
    EXPECT_FALSE(checkAssociation(a, "", AssociationList(), messages));
    ASSERT_EQ(messages.texts().size(), 1u);
}

TEST_F(AssociationsTest, CommandNameAndLabelProgramPaths) {
    EXPECT_EQ(commandNameOf("/l/dir.x/Shop.Label.qvd"), "Shop.Label");
    EXPECT_EQ(commandNameOf("plain"), "plain");

    EXPECT_EQ(defaultLabelProgramPath(folder.path()), folder.path());  // no quorvi32 there
    test::writeBytes(folder.file("quorvi32"), "#!/bin/sh\n");
    EXPECT_EQ(defaultLabelProgramPath(folder.path()), folder.path());  // not executable yet
    EXPECT_FALSE(isExecutableFile(folder.file("quorvi32")));
    chmod(folder.file("quorvi32").c_str(), 0755);
    EXPECT_EQ(defaultLabelProgramPath(folder.path() + "/"), folder.file("quorvi32"));
    EXPECT_TRUE(isExecutableFile(folder.file("quorvi32")));
    EXPECT_FALSE(isExecutableFile(folder.path()));
}

}  // namespace
}  // namespace qv
