// A data file the benchmarks write once into a temporary folder, removed when the program ends.
#pragma once

#include <string>

#include "common/file_io.h"
#include "tests/support/temp_folder.h"

namespace bench {

class TemporaryDataFile {
  public:
    TemporaryDataFile(const std::string& name, const std::string& bytes)
        : path_(folder_.file(name)) {
        qv::writeFileAtomically(path_, bytes);
    }

    const std::string& path() const { return path_; }
    // Another file in the same folder.
    std::string file(const std::string& name) const { return folder_.file(name); }

  private:
    qv::test::TempFolder folder_;
    std::string path_;
};

}  // namespace bench
