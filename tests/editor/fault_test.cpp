// Saving when the disk refuses: a full disk, a folder that takes no new file, and a save cut off
// after its temporary file was written. For a definition, a data file and both settings files the
// old file stays whole, the user is told, and a document keeps its modified flag.
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "common/profile_file.h"
#include "editor/model/rowsmith_doc.h"
#include "editor/model/rowsmith_settings.h"
#include "label/definition/definition_file.h"
#include "label/definition/quorvi_doc.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

class FaultTest : public ::testing::TestWithParam<WriteFault> {
  protected:
    void TearDown() override { injectWriteFault(WriteFault::None); }
    // The folder holds only the files the test wrote: no temporary file is left, except after a
    // cut-off save, whose temporary file a crash would leave too.
    size_t filesInFolder() const {
        size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            (void)entry;
            ++count;
        }
        return count;
    }
    // The reason the failure message carries on its second line.
    std::string reason() const {
        switch (GetParam()) {
            case WriteFault::DiskFull:
                return std::strerror(ENOSPC);
            case WriteFault::ReadOnlyFolder:
                return std::strerror(EACCES);
            default:
                return std::strerror(EINTR);
        }
    }
    size_t expectedFiles(size_t written) const {
        return written + (GetParam() == WriteFault::CutBeforeRename ? 1 : 0);
    }
    test::TempFolder folder;
    RecordingMessageService messages;
};

TEST_P(FaultTest, DefinitionKeepsItsOldFile) {
    CQuorviDoc document(messages);
    const std::string path = folder.file("shop.qvd");
    ASSERT_TRUE(document.saveDocument(path));
    const std::string old = test::readBytes(path);
    document.definition().titleText = "changed";
    document.setModified();
    injectWriteFault(GetParam());
    EXPECT_FALSE(document.saveDocument(path));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(test::readBytes(path), old);
    ASSERT_EQ(messages.messages().size(), 1u);
    const std::string text = messages.texts()[0];
    EXPECT_EQ(text.rfind(std::string(kCannotSaveDocumentMessage) + "\n", 0), 0u);
    EXPECT_NE(text.find(reason()), std::string::npos) << text;
    EXPECT_EQ(filesInFolder(), expectedFiles(1));
}

TEST_P(FaultTest, DataFileKeepsItsOldFile) {
    test::writeBytes(folder.file("SHOP.CSV"), "A,B\r\n1,2\r\n");
    CROWSMITHDoc document(messages);
    ASSERT_TRUE(document.open(folder.file("SHOP.CSV"), false));
    document.lines.push_back("3,4");
    document.setModified();
    injectWriteFault(GetParam());
    EXPECT_FALSE(document.save(folder.file("SHOP.CSV")));
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(test::readBytes(folder.file("SHOP.CSV")), "A,B\r\n1,2\r\n");
    ASSERT_EQ(messages.texts().size(), 1u);
    const std::string text = messages.texts()[0];
    EXPECT_EQ(text.rfind(folder.file("SHOP.CSV") + " の Open に失敗しました　！\n", 0), 0u);
    EXPECT_NE(text.find(reason()), std::string::npos) << text;
    EXPECT_EQ(filesInFolder(), expectedFiles(1));
}

TEST_P(FaultTest, SettingsFilesKeepTheirOldContent) {
    for (const char* name : {"QUORVI32.INI", "ROWSMITH.INI"}) {
        injectWriteFault(WriteFault::None);
        const std::string old = "[Recent Use]\r\nLComp=5\r\n[FILES MODE]\r\nNewOpen=1\r\n";
        test::writeBytes(folder.file(name), old);
        ProfileFile file(folder.file(name));
        injectWriteFault(GetParam());
        RowsmithSettings settings;
        settings.newOnStart = false;
        EXPECT_FALSE(writeRowsmithSettings(file, settings)) << name;
        EXPECT_FALSE(file.writeInt("Recent Use", "LComp", 7)) << name;
        EXPECT_EQ(test::readBytes(folder.file(name)), old) << name;
        EXPECT_NE(settingsNotSavedMessage(file).find(folder.file(name)), std::string::npos);
        EXPECT_FALSE(file.lastError().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest,
                         ::testing::Values(WriteFault::DiskFull, WriteFault::ReadOnlyFolder,
                                           WriteFault::CutBeforeRename));

}  // namespace
}  // namespace qv
