// Barcode fields drawn as a label draws them: one field with fuzzed position, bar width and
// height, attribute and layout bits, drawn as every kind, on the canvas and directly, onto a
// colour and a monochrome surface. Every bar laid out on a canvas lies inside it, and the part
// of the canvas copied onto the label lies inside it too.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "label/barcode/barcode_drawer.h"
#include "label/definition/barcode_kind.h"
#include "label/definition/label_definition.h"
#include "tests/support/recording_surface.h"

namespace {

bool inside(const qv::CanvasRect& r, const qv::BarCanvas& canvas) {
    const int64_t right = int64_t{r.left} + r.width;
    const int64_t bottom = int64_t{r.top} + r.height;
    return r.left >= 0 && r.top >= 0 && r.width >= 0 && r.height >= 0 && right <= canvas.width &&
           bottom <= canvas.height;
}

void checkCanvases(const qv::RecordingSurface& surface) {
    for (const qv::RecordingSurface::DrawnCanvas& drawn : surface.canvases()) {
        if (!inside(drawn.source, drawn.canvas)) __builtin_trap();
        for (const qv::CanvasFill& fill : drawn.canvas.fills) {
            if (!inside(fill.rect, drawn.canvas)) __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    qv::LabelDefinition definition = qv::newLabelDefinition();
    qv::FieldPlacement& field = definition.fields[0];
    field.xMm = input.int32();
    field.yMm = input.int32();
    field.barWidthMm = input.int32();
    field.barHeightMm = input.int32();
    field.colourIndex = input.int32();
    const int attributes = input.int32();
    field.layoutFlags = input.int32();
    definition.sheet.labelWidthMm = input.int32();
    definition.sheet.labelHeightMm = input.int32();
    const int originX = input.int32();
    const int originY = input.int32();
    const uint8_t rules = input.byte();
    definition.forceCheckCharacter = rules & 1;
    definition.addStartStop = (rules >> 1) & 1;
    definition.shortJanNotAligned = (rules >> 2) & 1;
    definition.barcodeFixedLength = (rules >> 3) & 15;
    // The file holds the module width as a signed byte.
    definition.moduleWidth =
        static_cast<int8_t>(input.byte());  // NOLINT(bugprone-signed-char-misuse)
    qv::BarcodeTextFont font;
    font.bold = (rules >> 7) & 1;
    font.faceName = std::string(input.until('\n'));
    const std::string_view value = input.rest();

    for (qv::BarcodeKind kind : {qv::BarcodeKind::Jan, qv::BarcodeKind::Itf, qv::BarcodeKind::Nw7,
                                 qv::BarcodeKind::Code39}) {
        field.attributes = (attributes & ~qv::kBarcodeKindMask) | static_cast<int>(kind);
        for (int direct = 0; direct < 2; ++direct) {
            definition.directBarPrinting = direct;
            for (int colours : {256, 2}) {
                qv::RecordingSurface surface(colours);
                qv::drawBarcodeField(surface, definition, 0, value, originX, originY, font);
                checkCanvases(surface);
            }
        }
    }
    return 0;
}
