// Whole-file reading and safe replacement of files.
#pragma once

#include <string>
#include <string_view>

namespace qv {

enum class ReadStatus { Ok, CannotOpen, ReadError };

// Reads the whole file into `bytes` (left untouched unless the result is Ok).
ReadStatus readWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to a temporary file in the same folder, flushes it to disk and renames it over
// `path`, so the old file stays intact until the new one is whole. Returns false and fills
// `error` (when given) with the reason on failure; the temporary file is then removed.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// Faults the tests put into every following writeFileAtomically, until reset with None: a full
// disk (writing fails with ENOSPC), a folder that refuses new files (EACCES, as a read-only folder
// does for everyone but root), and a write cut off after its temporary file was written and
// closed (the rename never happens and the temporary file stays, as a crash would leave it).
enum class WriteFault { None, DiskFull, ReadOnlyFolder, CutBeforeRename };
void injectWriteFault(WriteFault fault);

// Creates `folder` and its missing parents. True when it exists afterwards.
bool makeFolders(const std::string& folder);

}  // namespace qv
