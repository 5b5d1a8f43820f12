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

// --verify alone checks and takes the options of an output; with --export or --print it checks
// first. It has no meaning beside a listing, and --printer needs --print.
TEST(QuorviCommandLineTest, VerifyAloneOrBeforeAnOutput) {
    const QuorviCommandLine alone =
        parseQuorviCommandLine({"--verify", "--dpi", "203", "--data", "d.csv", "a.qvd"});
    EXPECT_EQ(alone.mode, Mode::Verify);
    EXPECT_EQ(alone.dpi, 203);
    const QuorviCommandLine print = parseQuorviCommandLine({"--print", "--verify", "a.qvd"});
    EXPECT_EQ(print.mode, Mode::Print);
    EXPECT_TRUE(print.verify);
    EXPECT_FALSE(parseQuorviCommandLine({"--print", "a.qvd"}).verify);
    EXPECT_EQ(parseQuorviCommandLine({"--verify", "--listing", "a.qvd"}).error,
              "--verify goes with --export or --print, or alone");
    EXPECT_EQ(parseQuorviCommandLine({"--verify", "--printer", "P", "a.qvd"}).error,
              "--printer goes with --print");
    EXPECT_EQ(parseQuorviCommandLine({"--verify"}).mode, Mode::Invalid);
}

TEST(QuorviCommandLineTest, ExportAndPrintOptions) {
    const QuorviCommandLine e = parseQuorviCommandLine(
        {"--export", "out.PDF", "--dpi", "600", "--time", "2026-12-08 09:30:00", "--start", "100",
         "--data", "today.csv", "--first-label", "7", "shop.qvd"});
    EXPECT_EQ(e.mode, Mode::Export);
    EXPECT_EQ(e.outputPath, "out.PDF");
    EXPECT_EQ(e.dpi, 600);
    EXPECT_EQ(e.timestamp, "2026-12-08 09:30:00");
    EXPECT_EQ(e.startNumber, 100);
    EXPECT_EQ(e.firstLabel, 7);
    EXPECT_EQ(e.dataPath, "today.csv");
    EXPECT_EQ(e.definitionPath, "shop.qvd");
    const QuorviCommandLine p = parseQuorviCommandLine({"--print", "--printer", "Zebra", "a.qvd"});
    EXPECT_EQ(p.mode, Mode::Print);
    EXPECT_EQ(p.printerName, "Zebra");
    EXPECT_EQ(p.startNumber, -1);
    EXPECT_EQ(p.firstLabel, 1);
}

TEST(QuorviCommandLineTest, MonoPatternOptions) {
    const QuorviCommandLine inputs =
        parseQuorviCommandLine({"--export", "o.png", "--input", "4901234567894", "--input", "A,B",
                                "--copies", "3", "a.qvd"});
    EXPECT_EQ(inputs.mode, Mode::Export);
    EXPECT_EQ(inputs.monoInputs, (std::vector<std::string>{"4901234567894", "A,B"}));
    EXPECT_EQ(inputs.monoCopies, 3);
    EXPECT_EQ(inputs.monoRecord, 0);
    EXPECT_TRUE(inputs.monoPatternGiven());
    const QuorviCommandLine record =
        parseQuorviCommandLine({"--print", "--record", "501", "a.qvd"});
    EXPECT_EQ(record.monoRecord, 501);
    EXPECT_EQ(record.monoCopies, 1);
    EXPECT_FALSE(parseQuorviCommandLine({"--export", "o.pdf", "a.qvd"}).monoPatternGiven());
}

TEST(QuorviCommandLineTest, BadExportArgumentsAreRefused) {
    const std::vector<std::vector<std::string>> refused = {
        {"--export", "out.jpg", "a.qvd"},  // neither .pdf nor .png
        {"--export", "pdf", "a.qvd"},      // no extension at all
        {"--export", "out.pdf"},           // no definition
        {"--export", "out.pdf", "--dpi", "0", "a.qvd"},
        {"--export", "out.pdf", "--dpi", "x", "a.qvd"},
        {"--export", "out.pdf", "--time", "2026-02-30 10:00:00", "a.qvd"},
        {"--export", "out.pdf", "--start", "65536", "a.qvd"},
        {"--export", "out.pdf", "--start"},  // a value is missing
        {"--export", "out.pdf", "--first-label", "0", "a.qvd"},
        {"--first-label", "2", "a.qvd"},  // only with --export or --print
        {"--export", "out.pdf", "--copies-per-record", "0", "a.qvd"},
        {"--copies-field", "N", "a.qvd"},  // only with --export or --print
        {"--export", "out.pdf", "--copies-per-record", "2", "--copies-field", "N", "a.qvd"},
        {"--dpi", "300", "a.qvd"},  // only with --export or --print
        {"--export", "out.pdf", "--print", "a.qvd"},
        {"--export", "out.pdf", "--record", "0", "a.qvd"},
        {"--export", "out.pdf", "--record", "502", "a.qvd"},
        {"--export", "out.pdf", "--copies", "0", "a.qvd"},
        {"--export", "out.pdf", "--copies", "10000", "a.qvd"},
        {"--export", "out.pdf", "--record", "2", "--input", "1", "a.qvd"},
        {"--export", "out.pdf", "--input", "1", "--input", "2", "--input", "3", "--input", "4",
         "a.qvd"},
        {"--copies", "2", "a.qvd"},  // only with --export or --print
    };
    for (const std::vector<std::string>& arguments : refused) {
        const QuorviCommandLine c = parseQuorviCommandLine(arguments);
        EXPECT_EQ(c.mode, Mode::Invalid) << arguments[1];
        EXPECT_FALSE(c.error.empty());
    }
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
