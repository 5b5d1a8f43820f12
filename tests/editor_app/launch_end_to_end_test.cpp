// From the data editor to printed labels: Launch writes the document into the association's
// data file and starts the built quorvi32 on the definition, which prints at once on the default
// printer (a PDF printer of the test's own CUPS) and ends by itself.
#include <signal.h>
#include <QCheckBox>
#include <QThread>

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "editor/dialogs/launch_dialog.h"
#include "label/definition/definition_file.h"
#include "platform/qt_text.h"
#include "tests/label_app/widget_test_support.h"
#include "tests/programs/program_test_support.h"
#include "tests/support/private_cups.h"
#include "tests/support/temp_folder.h"

namespace qv {
namespace {

// Two text fields per label, the data file's header line skipped; printed at start.
LabelDefinition printingDefinition() {
    LabelDefinition d = test::a4Labels(90, 40, 2, 5);
    d.dataFile.dataFilePath = "labels data.csv";
    d.dataFile.skipFirstLine = 1;
    d.dataFile.fieldNames = {"CODE", "NAME"};
    d.dataFile.fieldLengths = {10, 20};
    d.fields[0] = {8, 5, kDefaultFaceName, 12, 0, 0, 0, 0, 0};
    d.fields[1] = {8, 15, kDefaultFaceName, 12, 0, 0, 0, 0, 0};
    d.printOnStart = 1;
    return d;
}

bool waitForFile(const std::string& path, int seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        // The PDF is whole once the program has renamed or closed it; wait for a stable size.
        std::error_code ignored;
        const auto size = std::filesystem::file_size(path, ignored);
        if (!ignored && size > 0) {
            QThread::msleep(500);
            if (std::filesystem::file_size(path, ignored) == size) return true;
        }
        QThread::msleep(200);
    }
    return false;
}

// The processes that have `folder` in their command line.
std::vector<pid_t> runningIn(const std::string& folder) {
    std::vector<pid_t> found;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string cmdline = test::readBytes(entry.path().string() + "/cmdline");
        if (cmdline.find(folder) != std::string::npos) {
            found.push_back(static_cast<pid_t>(std::atoi(entry.path().filename().c_str())));
        }
    }
    return found;
}

// Waits for the started program to end; one that does not is killed, so no test leaves it.
bool waitForExit(const std::string& folder, int seconds) {
    for (int k = 0; k < seconds * 5; ++k) {
        if (runningIn(folder).empty()) return true;
        QThread::msleep(200);
    }
    for (pid_t pid : runningIn(folder)) kill(pid, SIGKILL);
    return false;
}

TEST(LaunchEndToEndTest, LaunchPrintsTheDocumentsRecordsThroughTheLabelProgram) {
    test::TempFolder folder;
    test::PrivateCups cups;
    std::string error;
    ASSERT_TRUE(cups.Start(&error)) << error;
    const std::string printed = cups.outputFile("office.pdf");
    ASSERT_TRUE(cups.addPdfQueue("office", printed, &error)) << error;
    ASSERT_TRUE(cups.setDefaultQueue("office", &error)) << error;
    cups.useForThisProcess();
    ASSERT_EQ(saveDefinitionFile(folder.file("shop labels.qvd"), printingDefinition(), nullptr),
              DefinitionFileStatus::Ok);
    const std::string data = folder.file("labels data.csv");
    test::writeBytes(data, "CODE,NAME\r\nOLD1,STALE\r\n");
    // The started program inherits these: no display, and its settings in the temporary folder.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QUORVI_CONFIG_DIR", folder.path().c_str());

    RecordingMessageService messages;
    CROWSMITHDoc document(messages);
    document.lines = {"CODE,NAME", "X100,ALPHA", "X200,BRAVO", "X300,CHARLIE"};
    document.splitHeader();
    RowsmithSettings settings;
    settings.labelProgramPath = QUORVI32_PATH;
    settings.associations = {formatAssociation({"Shop", folder.file("shop labels.qvd"), data})};
    LaunchDialog dialog(document, QStringLiteral("extract.csv"), settings, fromUtf8(data),
                        messages);
    test::child<QCheckBox>(dialog, "confirm")->setChecked(false);
    dialog.launch();
    ASSERT_EQ(dialog.outcome(), LaunchOutcome::Started) << testing::PrintToString(messages.texts());
    EXPECT_EQ(test::readBytes(data), "CODE,NAME\r\nX100,ALPHA\r\nX200,BRAVO\r\nX300,CHARLIE\r\n");

    const bool ended = waitForExit(folder.path(), 20);
    ASSERT_TRUE(waitForFile(printed, 5)) << "nothing printed\n" << cups.errorLog();
    const std::string text = test::run("pdftotext '" + printed + "' -");
    for (const char* value : {"X100", "ALPHA", "BRAVO", "X300", "CHARLIE"}) {
        EXPECT_NE(text.find(value), std::string::npos) << value;
    }
    EXPECT_EQ(text.find("STALE"), std::string::npos);
    EXPECT_EQ(text.find("NAME"), std::string::npos);  // the header is no label
    EXPECT_TRUE(ended) << "quorvi32 did not end by itself";
    EXPECT_FALSE(std::filesystem::exists(folder.file("shop labels.pdf")));
}

}  // namespace
}  // namespace qv
