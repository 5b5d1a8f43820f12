// The start-up print mode when it cannot print: without a print service nobody would find a PDF,
// and without its data file it would print empty labels. Either is told in one message and the
// program ends with status 1, printing nothing.
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "label/app/main_frame.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "tests/label_app/main_frame_parts.h"

namespace qv {
namespace {

LabelDefinition startUpDefinition() {
    LabelDefinition d = newLabelDefinition();
    d.printOnStart = 1;
    d.dataFile.dataFilePath = "data.csv";
    d.dataFile.fieldNames = {"NAME"};
    d.dataFile.fieldLengths = {10};
    d.fields[0] = {5, 5, kDefaultFaceName, 10, 0, 0, 0, 0, 0};
    return d;
}

TEST(StartUpPrintTest, WithoutPrintServiceTheFailureIsToldAndNoPdfWritten) {
    test::MainFrameParts parts;
    setenv("CUPS_SERVER", parts.folder.file("no-service.sock").c_str(), 1);
    ASSERT_EQ(saveDefinitionFile(parts.folder.file("sheet.qvd"), startUpDefinition(), nullptr),
              DefinitionFileStatus::Ok);
    test::writeBytes(parts.folder.file("data.csv"), "APPLE\r\n");
    ASSERT_TRUE(parts.document.openDocument(parts.folder.file("sheet.qvd")));
    const std::unique_ptr<CMainFrame> frame = parts.makeFrame();
    RecordingMessageService& messages = parts.messages;
    test::TempFolder& folder = parts.folder;
    frame->show();
    frame->printAtStartup();

    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0].rfind(
                  "印刷サービス（CUPS）に接続できないため、プリンタ「既定のプリンタ」"
                  "に印刷できませんでした。",
                  0),
              0u)
        << messages.texts()[0];
    EXPECT_FALSE(std::filesystem::exists(folder.file("sheet.pdf")));
    EXPECT_EQ(frame->exitStatus(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&frame] { return !frame->isVisible(); }, 3000));  // it ends
}

TEST(StartUpPrintTest, AMissingDataFileIsToldOnceAndNothingPrints) {
    test::MainFrameParts parts;
    setenv("CUPS_SERVER", parts.folder.file("no-service.sock").c_str(), 1);
    ASSERT_EQ(saveDefinitionFile(parts.folder.file("sheet.qvd"), startUpDefinition(), nullptr),
              DefinitionFileStatus::Ok);
    RecordingMessageService& messages = parts.messages;
    parts.document.addOpenStep(
        [&messages](CQuorviDoc& opened) { checkDataFileOnOpen(opened, messages, true, nullptr); });
    ASSERT_TRUE(parts.document.openDocument(parts.folder.file("sheet.qvd")));
    const std::unique_ptr<CMainFrame> frame = parts.makeFrame();
    frame->show();
    frame->printAtStartup();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kDataFileMissingMessage});
    EXPECT_EQ(frame->exitStatus(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&frame] { return !frame->isVisible(); }, 3000));
}

}  // namespace
}  // namespace qv
