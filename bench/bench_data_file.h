// A data file the benchmarks write once into a temporary folder, removed when the program ends.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "common/file_io.h"

namespace bench {

class TemporaryDataFile {
  public:
    TemporaryDataFile(const std::string& name, const std::string& bytes) {
        char pattern[] = "/tmp/quorvi-bench-XXXXXX";
        if (::mkdtemp(pattern) != nullptr) folder_ = pattern;
        path_ = file(name);
        qv::writeFileAtomically(path_, bytes);
    }
    ~TemporaryDataFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TemporaryDataFile(const TemporaryDataFile&) = delete;
    TemporaryDataFile& operator=(const TemporaryDataFile&) = delete;

    const std::string& path() const { return path_; }
    // Another file in the same folder.
    std::string file(const std::string& name) const { return folder_ + "/" + name; }

  private:
    std::string folder_;
    std::string path_;
};

}  // namespace bench
