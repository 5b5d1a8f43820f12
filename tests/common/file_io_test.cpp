#include "common/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(folder_.empty()); }
    void TearDown() override {
        injectWriteFault(WriteFault::None);
        ::chmod(folder_.c_str(), 0755);  // so the folder can go
    }
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
    EXPECT_EQ(readWholeFile(at("data"), read, bytes.size()), ReadStatus::Ok);
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(fs::status(at("data")).permissions(), fs::perms(0644));
    fs::permissions(at("data"), fs::perms(0600));
    ASSERT_TRUE(writeFileAtomically(at("data"), "new"));
    EXPECT_EQ(fs::status(at("data")).permissions(), fs::perms(0600));
    EXPECT_EQ(entries(), 1);  // no temporary file left
}

TEST_F(FileIoTest, ReadFailuresLeaveTheBufferAlone) {
    std::string read = "before";
    EXPECT_EQ(readWholeFile(at("missing"), read, kMiB), ReadStatus::CannotOpen);
    EXPECT_NE(readWholeFile(folder_, read, kMiB), ReadStatus::Ok);  // a folder is no file
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
    ASSERT_EQ(readWholeFile(at("keep"), read, kMiB), ReadStatus::Ok);
    EXPECT_EQ(read, "old");
}

TEST_F(FileIoTest, OnlyRegularFilesAreReadAndNeverWait) {
    ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0644), 0);  // no writer: a blocking open would hang
    fs::create_symlink(at("fifo"), at("link"));
    std::string read = "before";
    for (const std::string& path : {at("fifo"), at("link"), std::string("/dev/zero"), folder_}) {
        EXPECT_EQ(readWholeFile(path, read, kMiB), ReadStatus::NotRegular) << path;
        EXPECT_EQ(openRegularFile(path), -1) << path;
    }
    EXPECT_EQ(read, "before");
    ASSERT_TRUE(writeFileAtomically(at("plain"), "x"));
    const int fd = openRegularFile(at("plain"));
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0);  // reads block again as usual
    EXPECT_NE(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    ::close(fd);
}

TEST_F(FileIoTest, AFileOverTheCapIsRefused) {
    ASSERT_TRUE(writeFileAtomically(at("ten"), "0123456789"));
    std::string read = "before";
    EXPECT_EQ(readWholeFile(at("ten"), read, 9), ReadStatus::TooLarge);
    EXPECT_EQ(read, "before");
    EXPECT_EQ(readWholeFile(at("ten"), read, 10), ReadStatus::Ok);
    EXPECT_EQ(read, "0123456789");
}

std::string contentOf(const std::string& path) {
    std::string read;
    return readWholeFile(path, read, kMiB) == ReadStatus::Ok ? read : "(unreadable)";
}

TEST_F(FileIoTest, AReadOnlyTargetIsRefusedAndKept) {
    ASSERT_TRUE(writeFileAtomically(at("keep"), "old"));
    fs::permissions(at("keep"), fs::perms(0444));
    std::string error;
    EXPECT_FALSE(writeFileAtomically(at("keep"), "new", &error));  // root too
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    EXPECT_EQ(contentOf(at("keep")), "old");
    EXPECT_EQ(entries(), 1);
}

TEST_F(FileIoTest, ALinkIsWrittenThroughToItsFile) {
    ASSERT_TRUE(makeFolders(at("real")));
    ASSERT_TRUE(writeFileAtomically(at("real/file"), "old"));
    fs::create_symlink("real/file", at("link"));  // relative to the link's folder
    fs::create_symlink(at("link"), at("chain"));
    ASSERT_TRUE(writeFileAtomically(at("chain"), "new"));
    EXPECT_TRUE(fs::is_symlink(at("link")));
    EXPECT_TRUE(fs::is_symlink(at("chain")));
    EXPECT_EQ(contentOf(at("real/file")), "new");
    EXPECT_EQ(entries(), 3);  // the temporary file went into real/ and is gone

    fs::create_symlink(at("real/later"), at("dangling"));
    EXPECT_TRUE(writeFileAtomically(at("dangling"), "made"));
    EXPECT_EQ(contentOf(at("real/later")), "made");
    fs::create_symlink(at("none/file"), at("nowhere"));
    EXPECT_FALSE(writeFileAtomically(at("nowhere"), "x"));
    fs::create_symlink(at("loop"), at("loop"));
    std::string error;
    EXPECT_FALSE(writeFileAtomically(at("loop"), "x", &error));
    EXPECT_NE(error.find(std::strerror(ELOOP)), std::string::npos) << error;
}

TEST_F(FileIoTest, TheNextSaveRemovesOnlyWhatKilledSavesOfItsTargetLeft) {
    injectWriteFault(WriteFault::CutBeforeRename);
    EXPECT_FALSE(writeFileAtomically(at("data"), "lost"));
    EXPECT_FALSE(writeFileAtomically(at("data"), "lost again"));
    injectWriteFault(WriteFault::None);
    ASSERT_EQ(entries(), 2);
    const std::vector<std::string> unrelated = {"data.saving-12345",   "data.saving-1234567",
                                                "data.saving-12345!",  "other.saving-123456",
                                                "xdata.saving-123456", "data.saving-"};
    for (const std::string& name : unrelated) ASSERT_TRUE(writeFileAtomically(at(name), "mine"));
    ReplacementFile live(at("data"));  // a save still under way is left alone
    ASSERT_TRUE(live.ready());
    ASSERT_TRUE(writeFileAtomically(at("data"), "saved"));
    EXPECT_EQ(entries(), static_cast<long>(unrelated.size()) + 2);
    EXPECT_TRUE(fs::exists(live.tempPath()));
    for (const std::string& name : unrelated) EXPECT_EQ(contentOf(at(name)), "mine") << name;
    EXPECT_TRUE(live.commit());
    EXPECT_EQ(entries(), static_cast<long>(unrelated.size()) + 1);
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
