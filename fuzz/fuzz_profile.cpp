// Settings files: any bytes are read as an INI file, keys looked up, and a key written back; the
// value written reads back, and the other keys keep their values.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/profile_file.h"
#include "editor/model/rowsmith_settings.h"
#include "fuzz/fuzz_temp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzz::writeInput(bytes, "SETTINGS.INI");
    qv::ProfileFile file(path);
    (void)qv::readRowsmithSettings(file);
    const std::string before = file.readString("Recent Use", "LComp", "none");
    if (file.writeString("FUZZ", "Key", "value 1")) {
        if (file.readString("FUZZ", "Key", "") != "value 1") __builtin_trap();
        if (file.readString("Recent Use", "LComp", "none") != before) __builtin_trap();
    }
    std::remove(path.c_str());
    return 0;
}
