// The data editor's files: open and save round trips, the layout and backup companions, and
// files that are empty, folders, FIFOs, unwritable or full of odd bytes.
#include "editor/model/rowsmith_doc.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "editor/model/line_files.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class RowsmithDocTest : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) {
        test::writeBytes(folder.file(name), bytes);
        return folder.file(name);
    }
    test::TempFolder folder;
    RecordingMessageService messages;
    CROWSMITHDoc document{messages};
};

TEST_F(RowsmithDocTest, OpenAndSaveKeepEveryLineAsItWas) {
    // LF and CR LF lines, a TAB record, a quoted comma, an empty line, no line end at the end.
    const std::string path =
        write("SHOP.CSV", "CODE,NAME\r\nA1,\"x,y\"\nA2\tTAB\r\n\r\n\x95\x5C,\\\"q\\\"");
    ASSERT_TRUE(document.open(path, false));
    EXPECT_EQ(document.lines, (std::vector<std::string>{"CODE,NAME", "A1,\"x,y\"", "A2\tTAB", "",
                                                        "\x95\x5C,\\\"q\\\""}));
    EXPECT_EQ(document.headerNames, (std::vector<std::string>{"CODE", "NAME"}));
    EXPECT_EQ(document.recordCount(), 4);
    EXPECT_EQ(document.columnWidths[0], 0);  // no layout file yet
    document.columnWidths[0] = 8;
    document.columnWidths[1] = 12;
    document.setModified();
    ASSERT_TRUE(document.save(path));
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(test::readBytes(path),
              "CODE,NAME\r\nA1,\"x,y\"\r\nA2\tTAB\r\n\x95\x5C,\\\"q\\\"\r\n");  // empty line gone
    EXPECT_EQ(test::readBytes(folder.file("SHOP.CSL")), "   8  12\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("SHOP.CSB")));

    CROWSMITHDoc again(messages);
    ASSERT_TRUE(again.open(path, true));
    EXPECT_EQ(again.columnWidths[1], 12);
    EXPECT_EQ(again.columnWidths[2], 0);
    EXPECT_EQ(test::readBytes(folder.file("SHOP.CSB")), test::readBytes(path));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(RowsmithDocTest, LongLinesNulBytesAndInvalidShiftJisSurviveASave) {
    const std::string odd = std::string(100000, 'x') + std::string("\0\x81\xFF,\x82", 5);
    const std::string path = write("odd.csv", "H1,H2\r\n" + odd + "\r\n");
    ASSERT_TRUE(document.open(path, false));
    ASSERT_EQ(document.lines.size(), 2u);
    EXPECT_EQ(document.lines[1], odd);
    ASSERT_TRUE(document.save(path));
    EXPECT_EQ(test::readBytes(path), "H1,H2\r\n" + odd + "\r\n");
}

// A file without an extension in a dotted folder keeps its companions beside it, and the
// companions of a file named like that folder ("proj.CSV") are not touched.
TEST_F(RowsmithDocTest, CompanionsOfAFileWithoutAnExtensionStayBesideIt) {
    std::filesystem::create_directory(folder.file("proj.v2"));
    const std::string others = "OTHER\r\n";
    write("proj.CSB", others);
    write("proj.CSL", others);
    const std::string path = write("proj.v2/items", "A,B\r\n1,2\r\n");
    ASSERT_TRUE(document.open(path, true));
    EXPECT_EQ(document.backupPath(), path + ".CSB");
    EXPECT_EQ(document.layoutPath(), path + ".CSL");
    document.columnWidths[0] = 5;
    ASSERT_TRUE(document.save(path));
    EXPECT_EQ(test::readBytes(path + ".CSB"), "A,B\r\n1,2\r\n");
    EXPECT_EQ(test::readBytes(path + ".CSL"), "   5\r\n");
    EXPECT_EQ(test::readBytes(folder.file("proj.CSB")), others);
    EXPECT_EQ(test::readBytes(folder.file("proj.CSL")), others);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(RowsmithDocTest, EmptyFilesAndFoldersAreNotOpened) {
    ASSERT_TRUE(document.open(write("keep.csv", "A,B\r\n1,2\r\n"), false));
    EXPECT_FALSE(document.open(write("empty.csv", ""), false));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "このファイルは空のファイルです");
    EXPECT_EQ(messages.messages()[0].caption, folder.file("empty.csv"));
    EXPECT_TRUE(messages.messages()[0].beep);
    EXPECT_FALSE(document.open(folder.path(), false));
    EXPECT_FALSE(document.open(folder.file("missing.csv"), false));
    EXPECT_EQ(messages.texts().back(), "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。");
    ASSERT_EQ(::mkfifo(folder.file("fifo.csv").c_str(), 0644), 0);  // would block a plain open
    for (const std::string& path : {folder.file("fifo.csv"), std::string("/dev/zero")}) {
        EXPECT_FALSE(document.open(path, false)) << path;
        EXPECT_EQ(messages.texts().back(), "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。");
    }
    EXPECT_EQ(document.pathName(), folder.file("keep.csv"));  // unchanged by the failures
    EXPECT_EQ(document.recordCount(), 1);
}

TEST_F(RowsmithDocTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const std::string path = write("SHOP.CSV", "A,B\r\n1,2\r\n");
    ASSERT_TRUE(document.open(path, false));
    document.lines.push_back("3,4");
    document.setModified();
    chmod(folder.path().c_str(), 0500);
    EXPECT_FALSE(document.save(path));
    chmod(folder.path().c_str(), 0700);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(test::readBytes(path), "A,B\r\n1,2\r\n");
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0].rfind(path + " の Open に失敗しました　！\n", 0), 0u);
    EXPECT_NE(messages.texts()[0].find("Permission denied"), std::string::npos);
}

TEST_F(RowsmithDocTest, SavingIntoAMissingFolderIsReported) {
    ASSERT_TRUE(document.open(write("SHOP.CSV", "A,B\r\n"), false));
    document.setModified();
    EXPECT_FALSE(document.save(folder.file("gone/SHOP.CSV")));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.pathName(), folder.file("SHOP.CSV"));
    EXPECT_EQ(messages.messages().size(), 1u);
}

TEST_F(RowsmithDocTest, NewDocumentIsEmpty) {
    ASSERT_TRUE(document.open(write("SHOP.CSV", "A,B\r\n1,2\r\n"), false));
    document.newDocument();
    EXPECT_TRUE(document.lines.empty());
    EXPECT_TRUE(document.headerNames.empty());
    EXPECT_EQ(document.recordCount(), 0);
    EXPECT_TRUE(document.pathName().empty());
}

}  // namespace
}  // namespace qv
