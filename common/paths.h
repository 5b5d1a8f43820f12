// Paths as the programs use them. Stored paths (inside definitions and settings) are Shift-JIS
// and may come from Windows; paths handed to the file system are the local (UTF-8) form.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The part after the last "/" or "\".
std::string baseName(std::string_view path);

// Everything before the last "/" or "\" ("/" for a file in the root, empty when there is none).
std::string folderOf(std::string_view path);

// `path` with the extension of its file name replaced by `extension` ("SHOP.CSV" + "CSL" ->
// "SHOP.CSL"); a file name without a dot gets it appended ("proj.v2/items" -> "proj.v2/items.CSL").
// A dot in a folder name is no extension: the companion always stays beside its own file.
std::string companionPath(std::string_view path, std::string_view extension);

// A stored (Shift-JIS) path as a local path: converted to UTF-8, "\" taken as a separator, and a
// relative path resolved against `baseFolder` (the definition's folder). A Windows drive path
// ("C:\L\SHOP.CSV") cannot be reached here, so its file name is looked for in `baseFolder`.
std::string localFromStoredPath(std::string_view storedPath, std::string_view baseFolder);

// A local path in its stored form (Shift-JIS).
std::string storedFromLocalPath(std::string_view localPath);

}  // namespace qv
