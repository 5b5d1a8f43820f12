// Whole-file reading and safe replacement of files.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace qv {

// NotRegular: a folder, a FIFO, a device or a socket (or a link to one); TooLarge: over the cap.
enum class ReadStatus { Ok, CannotOpen, NotRegular, TooLarge, ReadError };

constexpr size_t kMiB = size_t{1} << 20;

// Opens a regular file for reading (close-on-exec). The open never blocks, so a FIFO without a
// writer or a device cannot hang the caller; anything but a regular file is refused. Returns the
// descriptor, or -1 with the reason in `status` (when given) and, for CannotOpen, in errno.
int openRegularFile(const std::string& path, ReadStatus* status = nullptr);
// The same as a stdio stream for readers that go line by line; null when refused.
std::FILE* openRegularStream(const std::string& path, ReadStatus* status = nullptr);

// Reads the whole regular file into `bytes` (left untouched unless the result is Ok). A file of
// more than `cap` bytes is refused, also one that grows beyond it while being read.
ReadStatus readWholeFile(const std::string& path, std::string& bytes, size_t cap);

// Writes `bytes` to a temporary file in the same folder, flushes it to disk and renames it over
// `path`, so the old file stays intact until the new one is whole. As ReplacementFile does, it
// refuses a read-only target and writes through a symbolic link to the file it names. Returns false
// and fills `error` (when given) with the reason on failure; the temporary file is then removed.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// An output that another writer fills (a PDF or image writer, or writeFileAtomically) and that
// replaces its target only when whole: the writer writes to tempPath(), a temporary file in the
// target's folder; commit() flushes it to disk and renames it over the target. A file that is not
// committed (a failure, an exception, a cancelled run) is removed when this object goes.
//
// A symbolic link is followed to the file it names (which need not exist yet), so the link stays
// and its file is replaced. A target without write permission is refused (EACCES), also for root,
// who could otherwise replace it. Temporary files are named "<target>.saving-XXXXXX"; one that a
// killed save left behind is removed by the next successful commit for the same target.
class ReplacementFile {
  public:
    explicit ReplacementFile(std::string target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when the temporary file could not be made; `error` then tells why.
    bool ready(std::string* error = nullptr) const;
    const std::string& tempPath() const { return temp_; }
    // The file that is replaced: the target given, or the file a symbolic link names.
    const std::string& target() const { return target_; }
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
    void create();
    void discard();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    int openError_ = 0;
    const char* openStep_ = nullptr;  // what failed when fd_ is -1
    bool finished_ = false;
    bool committed_ = false;
};

// Faults the tests put into every following writeFileAtomically and ReplacementFile, until reset
// with None: a full disk (writing, or for another writer committing, fails with ENOSPC), a folder
// that refuses new files (EACCES, as a read-only folder does for everyone but root), and a write
// cut off after its temporary file was written and closed (the rename never happens and the
// temporary file stays, as a crash would leave it).
enum class WriteFault { None, DiskFull, ReadOnlyFolder, CutBeforeRename };
void injectWriteFault(WriteFault fault);

// Creates `folder` and its missing parents. True when it exists afterwards.
bool makeFolders(const std::string& folder);

}  // namespace qv
