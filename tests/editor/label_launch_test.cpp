// Launching the label program: the header check against the data file, writing the document
// over it, and the program started with the definition as its one argument.
#include "editor/model/label_launch.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace qv {
namespace {

struct StartCall {
    std::string program;
    std::vector<std::string> arguments;
};

class LabelLaunchTest : public ::testing::Test {
  protected:
    LabelLaunchTest() {
        test::writeBytes(folder.file("quorvi32"), "#!/bin/sh\n");
        chmod(folder.file("quorvi32").c_str(), 0755);
        test::writeBytes(folder.file("a b.qvd"), "definition");
        document.lines = {"CODE,NAME,PRICE", "A1,apple,100", "B1,\"b,c\",200"};
        document.splitHeader();
        request.entry = {"Shop", folder.file("a b.qvd"), folder.file("data.csv")};
        request.documentTitle = "shop.csv";
        request.labelProgramPath = folder.file("quorvi32");
        request.confirm = false;
    }
    LaunchOutcome launch() {
        return launchLabelProgram(document, request, messages,
                                  [this](const std::string& p, const std::vector<std::string>& a) {
                                      calls.push_back({p, a});
                                      return startSucceeds;
                                  });
    }
    std::string written() const { return "CODE,NAME,PRICE\r\nA1,apple,100\r\nB1,\"b,c\",200\r\n"; }

    test::TempFolder folder;
    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
    LaunchRequest request;
    std::vector<StartCall> calls;
    bool startSucceeds = true;
};

TEST_F(LabelLaunchTest, HeaderMismatchLeavesTheDataFileAndStartsNothing) {
    const std::string old = "CODE,TITLE,PRICE\r\nX,y,1\r\n";
    test::writeBytes(folder.file("data.csv"), old);
    EXPECT_EQ(launch(), LaunchOutcome::Refused);
    EXPECT_EQ(test::readBytes(folder.file("data.csv")), old);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{folder.file("data.csv") +
                                                         "\nとshop.csvのﾍｯﾀﾞｰは一致しません！"});
    EXPECT_TRUE(messages.messages()[0].beep);
}

TEST_F(LabelLaunchTest, MatchingHeaderIsOverwrittenAndTheProgramGetsTheDefinitionWhole) {
    test::writeBytes(folder.file("data.csv"), "CODE,NAME,PRICE,EXTRA\r\nold\r\n");
    EXPECT_EQ(launch(), LaunchOutcome::Started);
    EXPECT_EQ(test::readBytes(folder.file("data.csv")), written());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].program, folder.file("quorvi32"));
    EXPECT_EQ(calls[0].arguments, std::vector<std::string>{folder.file("a b.qvd")});
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LabelLaunchTest, EmptyOrMissingDataFileIsWrittenWithoutACheck) {
    test::writeBytes(folder.file("data.csv"), "");
    EXPECT_EQ(launch(), LaunchOutcome::Started);
    EXPECT_EQ(test::readBytes(folder.file("data.csv")), written());
    request.entry.dataPath = folder.file("new.csv");
    EXPECT_EQ(launch(), LaunchOutcome::Started);
    EXPECT_EQ(test::readBytes(folder.file("new.csv")), written());
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(LabelLaunchTest, ConfirmationNoWritesNothing) {
    request.confirm = true;
    messages.scriptAnswer(MessageAnswer::No);
    EXPECT_EQ(launch(), LaunchOutcome::Declined);
    EXPECT_FALSE(std::filesystem::exists(folder.file("data.csv")));
    EXPECT_TRUE(calls.empty());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              folder.file("data.csv") + "\nを「shop.csv」で上書きしてQuorviを起動します");
    EXPECT_EQ(messages.messages()[0].caption, "Quorvi起動");
}

TEST_F(LabelLaunchTest, BadProgramDefinitionOrFolderRefuseBeforeWriting) {
    request.labelProgramPath = folder.file("a b.qvd");  // exists but cannot run
    EXPECT_EQ(launch(), LaunchOutcome::Refused);
    request.labelProgramPath = "";
    EXPECT_EQ(launch(), LaunchOutcome::Refused);
    request.labelProgramPath = folder.file("quorvi32");
    request.entry.definitionPath = folder.file("gone.qvd");
    EXPECT_EQ(launch(), LaunchOutcome::Refused);
    EXPECT_EQ(
        messages.texts(),
        (std::vector<std::string>{folder.file("a b.qvd") + "\n  は正しいﾊﾟｽではありません　！",
                                  "\n  は正しいﾊﾟｽではありません　！",
                                  folder.file("gone.qvd") + "\n  は正しいﾊﾟｽではありません　！"}));
    EXPECT_FALSE(std::filesystem::exists(folder.file("data.csv")));
    EXPECT_TRUE(calls.empty());
}

TEST_F(LabelLaunchTest, UnwritableDataFileAndFailedStartAreReported) {
    request.entry.dataPath = folder.file("missing/data.csv");
    EXPECT_EQ(launch(), LaunchOutcome::Refused);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{
                  folder.file("missing/data.csv") +
                  " の Open に失敗しました　！\nCannot create a temporary file for " +
                  folder.file("missing/data.csv") + ": No such file or directory"});

    messages.clear();
    request.entry.dataPath = folder.file("data.csv");
    startSucceeds = false;
    EXPECT_EQ(launch(), LaunchOutcome::StartFailed);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{folder.file("quorvi32") + " " + folder.file("a b.qvd") +
                                       "\nを起動できませんでした　！"});
}

TEST_F(LabelLaunchTest, ReadOnlyFolderRefusesTheWrite) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    std::filesystem::create_directory(folder.file("ro"));
    test::writeBytes(folder.file("ro/data.csv"), "");
    chmod(folder.file("ro").c_str(), 0555);
    request.entry.dataPath = folder.file("ro/data.csv");
    EXPECT_EQ(launch(), LaunchOutcome::Refused);
    chmod(folder.file("ro").c_str(), 0755);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(test::readBytes(folder.file("ro/data.csv")), "");
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(
        messages.texts()[0].rfind(folder.file("ro/data.csv") + " の Open に失敗しました　！\n", 0),
        0u);
}

TEST_F(LabelLaunchTest, CommandLineTextAndHeaderComparison) {
    EXPECT_EQ(launchCommandLine("/q/quorvi32", "/l/a.qvd"), "/q/quorvi32 /l/a.qvd");
    EXPECT_TRUE(headersMatch({"A", "B"}, "A,B,C"));
    EXPECT_TRUE(headersMatch({"A", "B"}, "\"A\"\tB"));  // split as a record
    EXPECT_FALSE(headersMatch({"A", "B"}, "A,X"));
    EXPECT_FALSE(headersMatch({"A", "B"}, "A"));
}

}  // namespace
}  // namespace qv
