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

// An output that another writer fills (a PDF or image writer, or writeFileAtomically) and that
// replaces its target only when whole: the writer writes to tempPath(), a temporary file in the
// target's folder; commit() flushes it to disk and renames it over the target. A file that is not
// committed (a failure, an exception, a cancelled run) is removed when this object goes.
class ReplacementFile {
  public:
    explicit ReplacementFile(std::string target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when the temporary file could not be made; `error` then tells why.
    bool ready(std::string* error = nullptr) const;
    const std::string& tempPath() const { return temp_; }
    // The descriptor of the open temporary file (-1 when not ready), for a writer that writes to
    // it directly; it stays owned by this object.
    int descriptor() const { return fd_; }

    // Flushes the temporary file to disk and closes it, for an output of several files that are
    // all written before any replaces its target. False, with the reason, on failure.
    bool finish(std::string* error = nullptr);
    // Finishes the temporary file (unless done) and renames it over the target. False, with the
    // reason in `error`, when any step fails; the target then keeps its old bytes.
    bool commit(std::string* error = nullptr);

  private:
    void discard();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    int openError_ = 0;
    bool finished_ = false;
    bool committed_ = false;
};

// Faults the tests put into every following writeFileAtomically, until reset with None: a full
// disk (writing fails with ENOSPC), a folder that refuses new files (EACCES, as a read-only folder
// does for everyone but root), and a write cut off after its temporary file was written and
// closed (the rename never happens and the temporary file stays, as a crash would leave it).
enum class WriteFault { None, DiskFull, ReadOnlyFolder, CutBeforeRename };
void injectWriteFault(WriteFault fault);

// Creates `folder` and its missing parents. True when it exists afterwards.
bool makeFolders(const std::string& folder);

}  // namespace qv
