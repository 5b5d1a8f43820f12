// The input fields ("\@" items of the first record) of a CSZ file: any file read as the label
// program reads a CSZ file, its input fields filled with fuzzed values or a record chosen, the
// preview drawn, the fields edited, and the page's records composed. Every label of the page
// gets the same record, and a plain value typed into an input field reads back from its place.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "common/record_line.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_temp_file.h"
#include "label/data/data_file_reader.h"
#include "label/definition/label_definition.h"
#include "label/editor/forms/mono_pattern_form.h"
#include "tests/support/recording_surface.h"

namespace {

// A value that the record line keeps as it is when split again: printable ASCII without the
// bytes that quote, escape or separate.
bool plain(const std::string& value) {
    for (unsigned char c : value) {
        if (c < 0x20 || c > 0x7e || c == '"' || c == '\\' || c == ',' || c == '\'') return false;
    }
    return true;
}

// A record line of printable ASCII, its line end aside.
bool plainLine(const std::string& line) {
    for (unsigned char c : line) {
        if ((c < 0x20 && c != '\r' && c != '\n') || c > 0x7e) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const uint8_t flags = input.byte();
    const uint8_t kinds = input.byte();
    // A signed byte, so that negative record numbers are tried too.
    const int record = static_cast<int8_t>(input.byte());  // NOLINT(bugprone-signed-char-misuse)
    const int copies = input.int32();
    std::vector<std::string> values;
    values.reserve(static_cast<size_t>(qv::kMonoPatternInputs));
    for (int k = 0; k < qv::kMonoPatternInputs; ++k) values.emplace_back(input.until('\n'));
    std::vector<std::string> edits;
    for (std::string_view rest = input.until('\n'); !rest.empty();) {
        const size_t tab = rest.find('\t');
        edits.emplace_back(rest.substr(0, tab));
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    }
    const std::string path = fuzz::writeInput(input.rest(), "data.csz");

    qv::LabelDefinition definition = qv::newLabelDefinition();
    definition.sheet.maxColumns = 1 + flags % 3;
    definition.sheet.maxRows = 1 + (flags >> 2) % 3;
    static const int kKinds[] = {0, 8, 16, 32, 64};
    for (size_t k = 0; k < 4; ++k) {
        qv::FieldPlacement& field = definition.fields[k];
        field.xMm = 2;
        field.yMm = 2 + 10 * static_cast<int>(k);
        field.barWidthMm = 40;
        field.barHeightMm = 8;
        field.attributes = kKinds[(kinds >> (2 * k)) % 5] | ((flags >> 4) & 3);
    }

    qv::RecordingMessageService messages;
    qv::DataFileReader reader(qv::DataReaderSettings{}, messages);
    if (reader.Open(path, (flags >> 6) & 1) && reader.cszMode()) {
        qv::MonoPatternForm form(definition, reader.csz(), messages);
        (void)form.openingPreview();
        for (int k = 0; k <= form.inputCount() + 1; ++k) {
            const std::string& value = values[static_cast<size_t>(k) % values.size()];
            (void)form.valueValid(k, value);
            form.setInput(k, value);
        }
        if (form.recordListMode()) (void)form.chooseRecord(record);
        qv::RecordingSurface preview;
        form.drawPreview(preview, {0, 0, 600, -300}, qv::BarcodeTextFont{});
        (void)form.editFields();
        if ((flags >> 7) & 1) form.applyEdit(edits);
        (void)form.setCopies(copies);
        const std::optional<qv::MonoPatternPrint> page = form.startPrinting();
        if (page) {
            for (const std::string& line : page->lines) {
                if (line != page->lines.front()) __builtin_trap();
            }
            if (page->copies < qv::kMinCopies || page->copies > qv::kMaxCopies) __builtin_trap();
            // Bytes that are no valid Shift-JIS (a lead byte before a quote) can make a quoted
            // value read differently; only plain records and values are checked.
            bool allPlain = !page->lines.empty() && !form.recordListMode() &&
                            plainLine(reader.csz().templateLine);
            for (const qv::MonoPatternInput& field : form.inputs()) {
                allPlain = allPlain && plain(field.value);
            }
            for (const std::string& edit : edits) allPlain = allPlain && plain(edit);
            if (allPlain) {
                const qv::DataRecord items = qv::SplitRecordLine(page->lines.front());
                for (const qv::MonoPatternInput& field : form.inputs()) {
                    if (field.position >= items.size() || items[field.position] != field.value) {
                        __builtin_trap();
                    }
                }
            }
        }
        reader.Close();
    }
    std::remove(path.c_str());
    return 0;
}
