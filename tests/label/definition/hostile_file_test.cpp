// Definition files that are cut short, random or hostile: they fail cleanly or load, never crash
// and never read past their data.
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include <gtest/gtest.h>

#include "label/definition/bar_serial.h"
#include "label/definition/definition_file.h"
#include "label/definition/quorvi_doc.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

std::string validFile() {
    LabelDefinition d;
    d.titleText = "TITLE";
    d.dataFile.fieldNames = {"CODE", "NAME"};
    d.literals[0].entry = "abc,,1";
    d.bitmaps[1] = {"logo.bmp", 1, 2, 3, 4};
    CBarSerial writer;
    return writer.Store(d);
}

// Files that are no regular files, and oversized ones, are refused as files that cannot be opened.
TEST(HostileDefinitionFile, AFifoADeviceOrAHugeFileIsNotOpened) {
    test::TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo.qvd").c_str(), 0644), 0);
    test::writeBytes(folder.file("huge.qvd"), validFile());
    ASSERT_EQ(::truncate(folder.file("huge.qvd").c_str(), kLargestDefinitionFile + 1), 0);
    RecordingMessageService messages;
    CQuorviDoc doc(messages);
    for (const std::string& path :
         {folder.file("fifo.qvd"), std::string("/dev/zero"), folder.file("huge.qvd")}) {
        EXPECT_FALSE(doc.openDocument(path)) << path;
        EXPECT_EQ(messages.messages().back().text, kCannotOpenDocumentMessage) << path;
    }
    EXPECT_EQ(messages.messages().size(), 3u);
}

TEST(HostileDefinitionFile, EveryPrefixFailsWithTheMessageAndChangesNothing) {
    test::TempFolder folder;
    RecordingMessageService messages;
    CQuorviDoc doc(messages);
    LabelDefinition previous;
    previous.titleText = "previous";
    ASSERT_EQ(saveDefinitionFile(folder.file("previous.qvd"), previous, nullptr),
              DefinitionFileStatus::Ok);
    ASSERT_TRUE(doc.openDocument(folder.file("previous.qvd")));

    const std::string bytes = validFile();
    for (size_t length = 0; length < bytes.size(); ++length) {
        test::writeBytes(folder.file("cut.qvd"), bytes.substr(0, length));
        ASSERT_FALSE(doc.openDocument(folder.file("cut.qvd"))) << length;
        ASSERT_EQ(messages.messages().back().text, kUnexpectedFormatMessage);
        ASSERT_EQ(doc.definition().titleText, "previous") << length;
        ASSERT_EQ(doc.pathName(), folder.file("previous.qvd"));
    }
    EXPECT_EQ(messages.messages().size(), bytes.size());
    test::writeBytes(folder.file("whole.qvd"), bytes + "trailing bytes are ignored");
    EXPECT_TRUE(doc.openDocument(folder.file("whole.qvd")));
    EXPECT_EQ(doc.definition().titleText, "TITLE");
}

TEST(HostileDefinitionFile, HugeLengthPrefixesFailWithoutReadingPastTheData) {
    const std::string hostile[] = {
        std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7),          // 32-bit length of 2 GiB
        std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7),          // 32-bit length of 4 GiB - 1
        std::string("\xFF\xFD\xFF", 3) + "short",                // 16-bit length, short data
        std::string("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 9),  // 16-bit characters, 2 G of them
        std::string("\xFF\xFE\xFF\xFF\xFE\xFF", 6),              // two wide marks in a row
        std::string("\xFF", 1),                                  // a prefix that is cut itself
    };
    for (const std::string& start : hostile) {
        LabelDefinition d;
        d.titleText = "kept";
        CBarSerial reader;
        EXPECT_FALSE(reader.Load(start, d));
        EXPECT_FALSE(reader.Load(start + validFile(), d));
        EXPECT_EQ(d.titleText, "kept");
    }
}

TEST(HostileDefinitionFile, RandomBytesNeverCrash) {
    std::mt19937 random(20261208);
    const std::string valid = validFile();
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = valid;
        // Flip a few bytes of a valid file, or take random bytes of a random length.
        if (round % 2 == 0) {
            for (int flips = 0; flips < 4; ++flips) {
                bytes[random() % bytes.size()] = static_cast<char>(random() & 0xFF);
            }
        } else {
            bytes.resize(random() % 3000);
            for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
        }
        LabelDefinition d;
        CBarSerial reader;
        if (reader.Load(bytes, d)) {
            ++loaded;
            PaperTable papers;
            applyLoadedSheet(d, papers);  // no division by zero, whatever the sizes
            EXPECT_GE(d.sheet.maxColumns, 0);
            EXPECT_GE(d.sheet.maxRows, 0);
        }
    }
    EXPECT_GT(loaded, 0);  // flipped files of the right length still load
}

}  // namespace
}  // namespace qv
