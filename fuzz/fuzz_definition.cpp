// The label definition file: any bytes are loaded as a definition; what loads is stored again,
// must load again, and goes through the post-load sheet steps and the listing.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "label/definition/bar_serial.h"
#include "label/definition/definition_file.h"
#include "label/definition/definition_listing.h"
#include "label/definition/paper_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qv::LabelDefinition definition;
    qv::CBarSerial serial;
    if (!serial.Load(bytes, definition)) return 0;
    qv::PaperTable papers;
    qv::applyLoadedSheet(definition, papers);
    (void)qv::buildDefinitionListing(definition);
    qv::CBarSerial again;
    qv::LabelDefinition reloaded;
    if (!again.Load(qv::CBarSerial().Store(definition), reloaded)) __builtin_trap();
    return 0;
}
