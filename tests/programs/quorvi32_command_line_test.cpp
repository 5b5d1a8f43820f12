#include <sstream>

#include <gtest/gtest.h>

#include "label/app/command_line.h"
#include "label/app/listing_command.h"
#include "label/definition/definition_file.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

using Mode = QuorviCommandLine::Mode;

TEST(QuorviCommandLineTest, Modes) {
    EXPECT_EQ(parseQuorviCommandLine({}).mode, Mode::Desktop);
    const QuorviCommandLine open = parseQuorviCommandLine({"/l/SHOP.QVD"});
    EXPECT_EQ(open.mode, Mode::Desktop);
    EXPECT_EQ(open.definitionPath, "/l/SHOP.QVD");
    const QuorviCommandLine listing = parseQuorviCommandLine({"--listing", "a.qvd"});
    EXPECT_EQ(listing.mode, Mode::Listing);
    EXPECT_EQ(listing.definitionPath, "a.qvd");
    EXPECT_EQ(parseQuorviCommandLine({"a.qvd", "--help"}).mode, Mode::Help);
    EXPECT_EQ(parseQuorviCommandLine({"--version"}).mode, Mode::Version);
}

TEST(QuorviCommandLineTest, BadArgumentsAreRefused) {
    EXPECT_EQ(parseQuorviCommandLine({"--listing"}).mode, Mode::Invalid);
    EXPECT_EQ(parseQuorviCommandLine({"--bogus", "a.qvd"}).error, "unknown option: --bogus");
    EXPECT_EQ(parseQuorviCommandLine({"a.qvd", "b.qvd"}).mode, Mode::Invalid);
}

TEST(ListingCommand, PrintsTheListingOrRefuses) {
    test::TempFolder folder;
    LabelDefinition d;
    d.titleText = "Shelf";
    ASSERT_EQ(saveDefinitionFile(folder.file("shelf.QVD"), d, nullptr), DefinitionFileStatus::Ok);
    RecordingMessageService messages;
    std::ostringstream out;
    EXPECT_EQ(runListingCommand(folder.file("shelf.QVD"), out, messages), kExitSuccess);
    EXPECT_EQ(out.str().rfind("Title   \tShelf\n※ファイルの定義\n", 0), 0u);
    EXPECT_TRUE(messages.messages().empty());

    std::ostringstream refused;
    EXPECT_EQ(runListingCommand(folder.file("shelf.txt"), refused, messages), kExitRefused);
    EXPECT_EQ(runListingCommand(folder.file("none.qvd"), refused, messages), kExitRefused);
    test::writeBytes(folder.file("cut.qvd"),
                     "\x03"
                     "abc");
    EXPECT_EQ(runListingCommand(folder.file("cut.qvd"), refused, messages), kExitRefused);
    EXPECT_TRUE(refused.str().empty());
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{
                  folder.file("shelf.txt") + " はQuorviが扱えるファイルではありません",
                  kCannotOpenDocumentMessage, kUnexpectedFormatMessage}));
}

}  // namespace
}  // namespace qv
