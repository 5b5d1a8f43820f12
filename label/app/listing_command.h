// `quorvi32 --listing`: the definition listing of a definition file on stdout.
#pragma once

#include <ostream>
#include <string>

#include "common/message_service.h"

namespace qv {

// Writes the listing of `path` to `out` and returns the exit status: kExitSuccess, or
// kExitRefused for a name that does not end in QVD or a file that cannot be read or is refused
// (the user is told through `messages`).
int runListingCommand(const std::string& path, std::ostream& out, MessageService& messages);

}  // namespace qv
