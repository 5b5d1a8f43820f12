#include "common/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/temp_folder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(folder_.empty()); }
    void TearDown() override { ::chmod(folder_.c_str(), 0755); }  // so the folder can go
    std::string at(const std::string& name) const { return folder_ + "/" + name; }
    long entries() const {
        return std::distance(fs::directory_iterator(folder_), fs::directory_iterator());
    }

    test::TempFolder temp_;
    std::string folder_ = temp_.path();
};

TEST_F(FileIoTest, WrittenBytesReadBackWithPermissionsKept) {
    std::string bytes(200000, 'x');  // larger than one read buffer, with a NUL and a CR
    bytes[7] = '\0';
    bytes.back() = '\r';
    ASSERT_TRUE(writeFileAtomically(at("data"), bytes));
    std::string read;
    EXPECT_EQ(readWholeFile(at("data"), read), ReadStatus::Ok);
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(fs::status(at("data")).permissions(), fs::perms(0644));
    fs::permissions(at("data"), fs::perms(0600));
    ASSERT_TRUE(writeFileAtomically(at("data"), "new"));
    EXPECT_EQ(fs::status(at("data")).permissions(), fs::perms(0600));
    EXPECT_EQ(entries(), 1);  // no temporary file left
}

TEST_F(FileIoTest, ReadFailuresLeaveTheBufferAlone) {
    std::string read = "before";
    EXPECT_EQ(readWholeFile(at("missing"), read), ReadStatus::CannotOpen);
    EXPECT_NE(readWholeFile(folder_, read), ReadStatus::Ok);  // a folder is no file
    EXPECT_EQ(read, "before");
}

TEST_F(FileIoTest, WriteFailuresExplainAndLeaveNoTemporaryFile) {
    std::string error;
    EXPECT_FALSE(writeFileAtomically(at("no/such/folder/file"), "x", &error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    ASSERT_TRUE(fs::create_directory(at("target")));
    EXPECT_FALSE(writeFileAtomically(at("target"), "x", &error));  // cannot replace a folder
    EXPECT_EQ(entries(), 1);
}

TEST_F(FileIoTest, ReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores permissions";
    std::string error;
    ASSERT_TRUE(writeFileAtomically(at("keep"), "old"));
    ::chmod(folder_.c_str(), 0555);
    EXPECT_FALSE(writeFileAtomically(at("keep"), "new", &error));
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    std::string read;
    ASSERT_EQ(readWholeFile(at("keep"), read), ReadStatus::Ok);
    EXPECT_EQ(read, "old");
}

TEST_F(FileIoTest, MakeFoldersCreatesParents) {
    EXPECT_TRUE(makeFolders(at("a/b/c")));
    EXPECT_TRUE(fs::is_directory(at("a/b/c")));
    EXPECT_TRUE(makeFolders(at("a/b/c/")));  // existing, trailing slash
    ASSERT_TRUE(writeFileAtomically(at("file"), "x"));
    EXPECT_FALSE(makeFolders(at("file/sub")));  // a file is in the way
    EXPECT_FALSE(makeFolders(at("file")));
    EXPECT_FALSE(makeFolders(""));
}

}  // namespace
}  // namespace qv
