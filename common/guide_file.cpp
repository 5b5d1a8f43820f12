#include "common/guide_file.h"

#include <filesystem>
#include <system_error>

namespace qv {

namespace {

// Where the package puts the guide, seen from the folder of the programs (packaging/linux
// installs the programs to bin/ and the README to share/doc/quorvi/).
constexpr const char* kInstalledGuide = "../share/doc/quorvi/README.md";
// The checkout's README, seen from a program built in build/editor/app/ or build/label/app/.
constexpr const char* kCheckoutGuide = "../../../README.md";

}  // namespace

std::vector<std::string> guideCandidates(const std::string& programFolder) {
    const std::filesystem::path folder(programFolder);
    return {(folder / kInstalledGuide).lexically_normal().string(),
            (folder / kCheckoutGuide).lexically_normal().string()};
}

std::string findGuide(const std::string& programFolder) {
    for (const std::string& candidate : guideCandidates(programFolder)) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(candidate, error)) continue;
        const std::filesystem::path found = std::filesystem::canonical(candidate, error);
        if (!error) return found.string();
    }
    return std::string();
}

}  // namespace qv
