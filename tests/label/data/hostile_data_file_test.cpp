// Data files that are not what they should be: missing, a folder, unreadable, NUL bytes,
// invalid Shift-JIS, very long lines. The reader says so or reads sensible records.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "label/data/line_reader.h"
#include "tests/label/data/data_test_support.h"

namespace qv {
namespace {

TEST(HostileDataFile, MissingFolderOrUnreadableFileIsReported) {
    test::TempFolder folder;
    RecordingMessageService messages;
    DataFileReader reader(test::readerSettings(), messages);
    EXPECT_FALSE(reader.Open(folder.path(), false));  // a folder
    EXPECT_FALSE(reader.Open(folder.file("missing.csv"), false));
    test::writeBytes(folder.file("locked.csv"), "a\n");
    ::chmod(folder.file("locked.csv").c_str(), 0);
    const bool root = ::geteuid() == 0;  // root reads it anyway
    EXPECT_EQ(reader.Open(folder.file("locked.csv"), false), root);
    EXPECT_EQ(messages.messages().size(), root ? 2u : 3u);
    EXPECT_EQ(messages.texts()[0], folder.path() + " はオープンできませんでした ");
    EXPECT_EQ(reader.BuildPageIndex(6, false), root ? 2 : 1);
    EXPECT_TRUE(reader.LoadPage(2, 6));
}

// A FIFO without a writer would block a plain open; a device never ends.
TEST(HostileDataFile, AFifoOrADeviceIsRefusedAtOnce) {
    test::TempFolder folder;
    const std::string fifo = folder.file("fifo.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        LineReader lines;
        std::string error;
        EXPECT_FALSE(lines.open(path, &error)) << path;
        EXPECT_EQ(error, "not a regular file");
    }
    RecordingMessageService messages;
    DataFileReader reader(test::readerSettings(), messages);
    EXPECT_FALSE(reader.Open(fifo, false));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{fifo + " はオープンできませんでした "});
}

TEST(HostileDataFile, NulBytesInvalidShiftJisAndHugeLinesGiveRecords) {
    test::TempFolder folder;
    RecordingMessageService messages;
    const std::string huge(100000, '\x82');  // 100,000 lead bytes in a row
    const std::string bytes =
        std::string("a\0b,c\n", 6) + "\xff\xfe,\x81\n" + huge + "," + huge + "\n\x5c\"\n";
    test::writeBytes(folder.file("bad.csv"), bytes);
    DataFileReader reader(test::readerSettings(), messages);
    ASSERT_TRUE(reader.Open(folder.file("bad.csv"), false));
    EXPECT_EQ(reader.BuildPageIndex(2, false), 5);
    reader.LoadPage(1, 2);
    ASSERT_TRUE(reader.Record(0));
    EXPECT_EQ(reader.Field(0), std::string("a\0b", 3));
    ASSERT_TRUE(reader.Record(1));
    EXPECT_EQ(reader.recordFields(), (DataRecord{"\xff\xfe", "\x81"}));
    reader.LoadPage(2, 2);
    ASSERT_TRUE(reader.Record(0));
    EXPECT_EQ(reader.recordFields(), (DataRecord{huge, huge}));
    ASSERT_TRUE(reader.Record(1));
    EXPECT_EQ(reader.recordFields(), (DataRecord{"\""}));
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace qv
