// Data files as both programs read them: the label program's reader in comma, fixed-length and
// CSZ mode (page index, every page loaded and split), and the data editor's document, each with
// the encoding guessed or chosen as Shift-JIS or UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"
#include "fuzz/fuzz_temp_file.h"
#include "label/data/data_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t mode = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    static const char* const kNames[] = {"data.csv", "data.txt", "data.csz"};
    const std::string path = fuzz::writeInput(bytes, kNames[mode % 3]);
    qv::RecordingMessageService messages;
    qv::DataReaderSettings settings;
    for (int k = 0; k < 6; ++k) settings.fieldLengths[static_cast<size_t>(k)] = 1 + (mode >> 2) % 9;
    settings.pageBreakField = (mode >> 5) % 3;
    settings.subtitleOpen = "<";
    settings.subtitleClose = ">";
    const auto encoding = static_cast<qv::EncodingChoice>((mode >> 6) % 3);
    settings.encoding = encoding;
    qv::DataFileReader reader(settings, messages);
    const int labels = 1 + (mode >> 4) % 6;
    if (reader.Open(path, mode & 2)) {
        reader.BuildPageIndex(labels, mode & 2);
        for (int page = 1; page <= reader.pageCount(); ++page) {
            reader.LoadPage(page, labels);
            for (size_t k = 0; reader.Record(k); ++k) (void)reader.Field(k % 8);
        }
        reader.Close();
    }
    qv::CROWSMITHDoc document(messages);
    document.open(path, false, encoding);
    std::remove(path.c_str());
    return 0;
}
