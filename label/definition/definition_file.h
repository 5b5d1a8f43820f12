// Reading and writing definition files, and the steps that follow a load.
#pragma once

#include <string>

#include "common/file_io.h"
#include "label/definition/label_definition.h"
#include "label/definition/paper_table.h"

namespace qv {

enum class DefinitionFileStatus { Ok, CannotOpen, UnexpectedFormat, CannotWrite };

// Far beyond any real definition; a larger file is refused as one that cannot be opened.
constexpr size_t kLargestDefinitionFile = 16 * kMiB;

// Loads `path` into `definition`; anything but Ok leaves `definition` as it was. The steps after
// a load (applyLoadedSheet) are the caller's.
DefinitionFileStatus loadDefinitionFile(const std::string& path, LabelDefinition& definition);

// Writes the definition to `path` through a temporary file, so a failed save leaves the old file
// whole. `error` receives the reason of a failure.
DefinitionFileStatus saveDefinitionFile(const std::string& path, const LabelDefinition& definition,
                                        std::string* error);

// After a load: the free size of the table takes the file's paper size when the file uses the
// free size, and a zero column or row limit becomes the number of labels that fit.
void applyLoadedSheet(LabelDefinition& definition, PaperTable& papers);

// True when the last three characters of `path` are "QVD" in any case.
bool isDefinitionFileName(const std::string& path);

// The texts the user sees for a definition file that is refused (UTF-8).
std::string notADefinitionFileMessage(const std::string& path);
extern const char* const kUnexpectedFormatMessage;
extern const char* const kCannotOpenDocumentMessage;
extern const char* const kCannotSaveDocumentMessage;

}  // namespace qv
