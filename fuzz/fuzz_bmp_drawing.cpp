// Bitmaps past the header check: any bytes as the file of a bitmap area, picked and placed
// through the bitmap dialog's rules, loaded by the document as an open loads them, and stretched
// onto every label of a small sheet. Every label on the paper gets one picture per loaded area
// (unless the area's rectangle lies beyond any page), of the size its header gives, and an area
// that loaded has a header that stays inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/message_service.h"
#include "common/text_format.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_temp_file.h"
#include "label/definition/quorvi_doc.h"
#include "label/editor/forms/bitmap_form.h"
#include "label/print/label_content.h"
#include "tests/support/recording_surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const uint8_t grid = input.byte();
    const uint8_t choices = input.byte();
    const int x = input.int32();
    const int y = input.int32();
    const int width = input.int32();
    const int height = input.int32();
    qv::BitmapPlacement raw;
    raw.left = input.int32();
    raw.top = input.int32();
    raw.right = input.int32();
    raw.bottom = input.int32();
    const int dpi = 1 + (input.byte() | input.byte() << 8) % 2400;
    const std::string path = fuzz::writeInput(input.rest(), "picture.bmp");

    qv::RecordingMessageService messages;
    qv::CQuorviDoc document(messages);
    qv::LabelDefinition& definition = document.definition();
    definition.sheet.maxColumns = 1 + grid % 4;
    definition.sheet.maxRows = 1 + (grid >> 2) % 4;
    definition.sheet.labelWidthMm = 1 + (grid >> 4) * 10;
    definition.sheet.printDirection = choices & 1;
    const int slot = (choices >> 1) & 1;
    {
        qv::BitmapForm form(definition, "", messages, (choices >> 2) & 1);
        form.showArea(slot);
        if (form.choosePath(path)) {
            form.setValue(qv::BitmapValue::X, x);
            form.setValue(qv::BitmapValue::Y, y);
            form.setValue(qv::BitmapValue::Width, width);
            form.setValue(qv::BitmapValue::Height, height);
            (void)form.setFitToFrame((choices >> 3) & 1);
            (void)form.previewSize(dpi, dpi);
            (void)form.infoTexts(dpi, dpi);
            (void)form.store();
        }
    }
    // The other area as a definition file may hold it: any rectangle.
    if ((choices >> 4) & 1) {
        raw.path = path;
        definition.bitmaps[static_cast<size_t>(1 - slot)] = raw;
    }
    document.loadBitmaps();

    qv::RecordingSurface surface;
    int counter = 0;
    const qv::MacroTimestamp time;
    qv::drawConstants(surface, definition, qv::PagePlacement{}, counter, time, qv::DateSettings{},
                      qv::paintLoadedBitmaps(document.loadedBitmaps()));
    const qv::GridRange shown = qv::visibleGrid(definition.sheet);
    const size_t onPaper = static_cast<size_t>(shown.endColumn - shown.firstColumn) *
                           static_cast<size_t>(shown.endRow - shown.firstRow);
    size_t least = 0;
    size_t most = 0;
    std::vector<std::string> sizes;
    for (size_t k = 0; k < document.loadedBitmaps().size(); ++k) {
        const qv::LoadedBitmap& bitmap = document.loadedBitmaps()[k];
        if (!bitmap.loaded()) continue;
        if (bitmap.info.pixelOffset > bitmap.bytes.size() || bitmap.info.width <= 0) {
            __builtin_trap();
        }
        const qv::BitmapPlacement& area = definition.bitmaps[k];
        const bool near = std::abs(static_cast<long long>(area.left)) < 100000 &&
                          std::abs(static_cast<long long>(area.top)) < 100000 &&
                          std::abs(static_cast<long long>(area.right)) < 100000 &&
                          std::abs(static_cast<long long>(area.bottom)) < 100000;
        most += onPaper;
        if (near) least += onPaper;
        sizes.push_back(qv::formatText("bitmap %dx%d ", bitmap.info.width, bitmap.info.height));
    }
    const std::vector<std::string> drawn = surface.callsStartingWith("bitmap ");
    if (drawn.size() < least || drawn.size() > most) __builtin_trap();
    for (const std::string& call : drawn) {
        bool known = false;
        for (const std::string& prefix : sizes) known = known || call.rfind(prefix, 0) == 0;
        if (!known) __builtin_trap();
    }
    std::remove(path.c_str());
    return 0;
}
