// `quorvi32 --export` and `quorvi32 --print`: every page that printing would print, to a PDF,
// PNG files or a printer, without a window. Needs a Qt application object (fonts, printers).
#pragma once

#include "common/message_service.h"
#include "label/app/command_line.h"

namespace qv {

// Returns the exit status: kExitSuccess, kExitFailure when writing or printing failed or there
// was no page to print, kExitRefused for a refused or unreadable definition.
int runOutputCommand(const QuorviCommandLine& commandLine, MessageService& messages);

}  // namespace qv
