// The list of recently used files both programs keep in their settings file, section
// "Recent File List", keys File1, File2, ... (paths stored in Shift-JIS).
#pragma once

#include <string>
#include <vector>

#include "common/profile_file.h"

namespace qv {

// The stored paths as local (UTF-8) paths, most recent first, empty keys left out.
std::vector<std::string> readRecentFiles(const ProfileFile& file, int count);

// Puts `localPath` first (removing it further down) and keeps at most `count` entries.
void rememberRecentFile(ProfileFile& file, int count, const std::string& localPath);

}  // namespace qv
