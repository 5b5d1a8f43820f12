// The export run against what users and damaged files hand it: data files that are no data
// files, files that are no regular files, a grid of 65535 x 65535, a page too large for an image, a
// full disk and a page file that may not be replaced. Each ends at once with a message and the
// right exit status, and an old output stays whole unless the new one is.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "label/definition/definition_file.h"
#include "tests/programs/program_test_support.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

constexpr int kFailure = 1 << 8;  // what std::system gives for exit status 1
constexpr int kRefused = 2 << 8;

class HostileOutputTest : public ::testing::Test {
  protected:
    // A4 landscape, 2 x 2 labels of 60 x 40 mm with one text field.
    static LabelDefinition sheet() {
        LabelDefinition d = newLabelDefinition();
        d.sheet.labelWidthMm = 60;
        d.sheet.labelHeightMm = 40;
        d.sheet.maxColumns = 2;
        d.sheet.maxRows = 2;
        d.dataFile.dataFilePath = "data.csv";
        d.dataFile.fieldNames = {"NAME"};
        d.dataFile.fieldLengths[0] = 10;
        d.fields[0].xMm = 5;
        d.fields[0].yMm = 5;
        return d;
    }

    void write(const LabelDefinition& d) {
        ASSERT_EQ(saveDefinitionFile(folder.file("sheet.qvd"), d, nullptr),
                  DefinitionFileStatus::Ok);
        test::writeBytes(folder.file("data.csv"), "one\r\ntwo\r\nthree\r\n");
    }

    // quorvi32's exit status as std::system gives it; what it wrote to stderr in err.txt.
    int exportTo(const std::string& output, const std::string& options = "",
                 const std::string& definition = "") {
        const std::string command = "timeout 20 " + std::string(QUORVI32_PATH) + " --export " +
                                    output + " " + options + " " +
                                    (definition.empty() ? folder.file("sheet.qvd") : definition) +
                                    " 2>" + folder.file("err.txt");
        return std::system(command.c_str());
    }
    std::string told() const { return test::readBytes(folder.file("err.txt")); }

    test::TempFolder folder;
};

TEST_F(HostileOutputTest, DataFilesThatAreNoDataFilesAreRefused) {
    write(sheet());
    std::filesystem::create_directory(folder.file("folder.csv"));
    ASSERT_EQ(mkfifo(folder.file("pipe.csv").c_str(), 0600), 0);
    test::writeBytes(folder.file("notes.doc"), "one\r\n");
    // The definition's own data file is missing: with --data it is not looked at.
    std::filesystem::remove(folder.file("data.csv"));
    const std::string cases[] = {"notes.doc", "folder.csv", "pipe.csv", "missing.csv"};
    for (const std::string& name : cases) {
        EXPECT_EQ(exportTo(folder.file("out.pdf"), "--data " + folder.file(name)), kRefused)
            << name;
        EXPECT_NE(told().find("--data " + folder.file(name)), std::string::npos) << told();
        EXPECT_FALSE(std::filesystem::exists(folder.file("out.pdf")));
    }
    test::writeBytes(folder.file("other.csv"), "x\r\n");
    EXPECT_EQ(exportTo(folder.file("out.pdf"), "--data " + folder.file("other.csv")), 0);
    EXPECT_EQ(told().find("データファイルが存在しません"), std::string::npos) << told();
}

TEST_F(HostileOutputTest, NonRegularFilesAsDefinitionOrDataAreRefusedAtOnce) {
    write(sheet());
    std::filesystem::create_symlink("/dev/zero", folder.file("zero.qvd"));
    EXPECT_EQ(exportTo(folder.file("out.pdf"), "", folder.file("zero.qvd")), kRefused);
    EXPECT_NE(told().find("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。"), std::string::npos) << told();
    std::filesystem::create_symlink("/dev/zero", folder.file("zero.csv"));
    EXPECT_EQ(exportTo(folder.file("out.pdf"), "--data " + folder.file("zero.csv")), kRefused);
}

// The labels off the paper are not drawn: the export is as quick as that of a small sheet.
TEST_F(HostileOutputTest, AGridOf65535By65535ExportsTheLabelsOnThePaper) {
    LabelDefinition d = sheet();
    d.sheet.maxColumns = 65535;
    d.sheet.maxRows = 65535;
    d.ruledLines[0] = {0, -2000000000, 2000000000, -5};
    write(d);
    ASSERT_EQ(exportTo(folder.file("grid.pdf")), 0) << told();
    const std::string text = test::run("pdftotext " + folder.file("grid.pdf") + " -");
    for (const char* value : {"one", "two", "three"}) {
        EXPECT_NE(text.find(value), std::string::npos) << text;
    }
    const std::string info = test::run("pdfinfo " + folder.file("grid.pdf"));
    EXPECT_NE(info.find("Pages: "), std::string::npos);
    EXPECT_EQ(std::stoi(info.substr(info.find("Pages: ") + 7)), 1) << info;
}

TEST_F(HostileOutputTest, APngPageOverThePixelBoundIsRefused) {
    LabelDefinition d = sheet();
    d.sheet.paperIndex = -1;  // the free size
    d.sheet.paperWidthMm = 5000;
    d.sheet.paperHeightMm = 5000;
    write(d);
    EXPECT_EQ(exportTo(folder.file("big.png"), "--dpi 300"), kFailure);
    EXPECT_NE(told().find("million"), std::string::npos) << told();
    EXPECT_FALSE(std::filesystem::exists(folder.file("big-1.png")));
}

// Page 2's file may not be replaced: no page is, and the old pages keep their bytes.
TEST_F(HostileOutputTest, PngPagesReplaceTheirFilesOnlyWhenAllAreWritten) {
    LabelDefinition d = sheet();
    d.sheet.maxColumns = 1;
    d.sheet.maxRows = 1;
    write(d);
    test::writeBytes(folder.file("out-1.png"), "old page 1");
    test::writeBytes(folder.file("out-2.png"), "old page 2");
    ASSERT_EQ(chmod(folder.file("out-2.png").c_str(), 0444), 0);
    EXPECT_EQ(exportTo(folder.file("out.png"), "--dpi 100"), kFailure);
    EXPECT_EQ(test::readBytes(folder.file("out-1.png")), "old page 1");
    EXPECT_EQ(test::readBytes(folder.file("out-2.png")), "old page 2");
    ASSERT_EQ(chmod(folder.file("out-2.png").c_str(), 0644), 0);
    EXPECT_EQ(exportTo(folder.file("out.png"), "--dpi 100"), 0) << told();
    EXPECT_EQ(test::readBytes(folder.file("out-3.png")).substr(1, 3), "PNG");
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        EXPECT_EQ(entry.path().string().find(".saving-"), std::string::npos) << entry.path();
    }
}

// A full disk: the export fails with the reason and the old PDF keeps its bytes. Needs a tmpfs
// of its own, which only a user who may mount gets.
TEST_F(HostileOutputTest, AFullDiskKeepsTheOldPdf) {
    write(sheet());
    const std::string disk = folder.file("disk");
    std::filesystem::create_directory(disk);
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    test::writeBytes(disk + "/labels.pdf", "%PDF old labels");
    test::writeBytes(disk + "/filler", std::string(static_cast<size_t>(56) * 1024, 'x'));
    const int status = exportTo(disk + "/labels.pdf");
    const std::string old = test::readBytes(disk + "/labels.pdf");
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(disk)) files += entry.exists();
    umount(disk.c_str());
    EXPECT_EQ(status, kFailure);
    EXPECT_NE(told().find("No space left on device"), std::string::npos) << told();
    EXPECT_EQ(old, "%PDF old labels");
    EXPECT_EQ(files, 2u);  // no temporary file left
}

}  // namespace
}  // namespace qv
