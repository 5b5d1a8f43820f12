// The open and print path of the label program: a definition file, a data file and a bitmap
// (the input's three parts, split at a separator line) written to disk, the definition opened
// as the program opens one, its data file and bitmaps pointed at the other two files, and the
// first pages of the print run drawn onto a recording surface at a fixed print time, a CSZ run
// with its first record. A coordinate that leaves int stops the sanitized run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/message_service.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_temp_file.h"
#include "label/data/data_file_check.h"
#include "label/definition/definition_file.h"
#include "label/definition/quorvi_doc.h"
#include "label/editor/forms/mono_pattern_form.h"
#include "label/print/print_job.h"
#include "label/print/print_settings.h"
#include "tests/support/recording_surface.h"

namespace {

constexpr std::string_view kPartSeparator = "\n--quorvi-fuzz-part--\n";
constexpr int kMaxPages = 3;

// The mono-pattern choice a user would make: "1" in every input field, or the first record.
int chooseFirstRecord(qv::CQuorviDoc& document, qv::LabelPrintJob& job,
                      qv::MessageService& messages) {
    qv::MonoPatternForm form(document.definition(), *job.cszContent(), messages);
    for (int k = 1; k <= form.inputCount(); ++k) form.setInput(k, "1");
    if (form.recordListMode()) (void)form.chooseRecord(0);
    const std::optional<qv::MonoPatternPrint> chosen = form.startPrinting();
    return chosen ? job.useMonoPattern(chosen->lines, chosen->copies) : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const uint8_t flags = input.byte();
    const std::string_view definitionBytes = input.until(kPartSeparator);
    const std::string_view dataBytes = input.until(kPartSeparator);
    const std::string_view bitmapBytes = input.rest();
    static const char* const kDataNames[] = {"data.csv", "data.txt", "data.csz"};
    const std::string definitionPath = fuzz::writeInput(definitionBytes, "label.qvd");
    const std::string dataPath = fuzz::writeInput(dataBytes, kDataNames[flags % 3]);
    const std::string bitmapPath = fuzz::writeInput(bitmapBytes, "picture.bmp");

    qv::RecordingMessageService messages;
    qv::CQuorviDoc document(messages);
    qv::LabelDefinition& definition = document.definition();
    // The steps of CQuorviDoc::openDocument, with the data file and the bitmaps the definition
    // names replaced by the files of this input, so no other file on the machine is read.
    if (qv::loadDefinitionFile(definitionPath, definition) == qv::DefinitionFileStatus::Ok) {
        qv::applyLoadedSheet(definition, document.papers());
        definition.dataFile.dataFilePath = dataPath;
        for (qv::BitmapPlacement& bitmap : definition.bitmaps) {
            if (!bitmap.path.empty()) bitmap.path = bitmapPath;
        }
        document.loadBitmaps();
        qv::checkDataFileOnOpen(document, messages, true, nullptr);
        if ((flags >> 2) & 1) document.dataFileUsable = false;

        qv::MacroClock clock;
        qv::MacroTimestamp fixed;
        (void)qv::parseTimestamp("2026-12-08 09:05:03", fixed);
        clock.fix(fixed);
        qv::PrintSettings settings;
        settings.pageStyle =
            (flags >> 3) & 1 ? qv::PageStyle::PerGroupAndRunning : qv::PageStyle::PerGroup;
        qv::LabelPrintJob job(document, settings, clock, messages);
        int pages = job.prepare();
        if (job.monoPatternMode()) pages = chooseFirstRecord(document, job, messages);
        for (int page = 1; page <= pages && page <= kMaxPages; ++page) {
            qv::RecordingSurface surface;
            job.printPage(surface, page);
        }
        job.end();
    }
    std::remove(definitionPath.c_str());
    std::remove(dataPath.c_str());
    std::remove(bitmapPath.c_str());
    return 0;
}
