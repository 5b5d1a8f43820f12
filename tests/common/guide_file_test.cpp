// Finding the README from the folder a program runs in: installed by the package, in the build
// folder of a checkout, or nowhere.
#include "common/guide_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace qv {
namespace {

TEST(GuideFile, FoundInstalledOrFromTheBuildFolderOfACheckout) {
    test::TempFolder folder;
    const struct {
        const char* guide;
        const char* programFolder;
        const char* why;
    } cases[] = {
        {"usr/share/doc/quorvi/README.md", "usr/bin", "installed by the package"},
        {"repo/README.md", "repo/build/editor/app", "rowsmith in a build folder"},
        {"repo/README.md", "repo/build/label/app", "quorvi32 in a build folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::filesystem::create_directories(folder.file(c.programFolder));
        std::filesystem::create_directories(
            std::filesystem::path(folder.file(c.guide)).parent_path());
        test::writeBytes(folder.file(c.guide), "# Quorvi\n");
        EXPECT_EQ(findGuide(folder.file(c.programFolder)),
                  std::filesystem::canonical(folder.file(c.guide)).string());
    }
}

TEST(GuideFile, NoneFoundGivesNothingAndTellsWhereItLooked) {
    test::TempFolder folder;
    const std::string programFolder = folder.file("build/editor/app");
    std::filesystem::create_directories(programFolder);
    std::filesystem::create_directories(
        folder.file("build/editor/share/doc/quorvi/README.md"));  // a folder
    EXPECT_EQ(findGuide(programFolder), "");
    EXPECT_EQ(guideCandidates(programFolder),
              (std::vector<std::string>{folder.file("build/editor/share/doc/quorvi/README.md"),
                                        folder.file("README.md")}));
}

}  // namespace
}  // namespace qv
