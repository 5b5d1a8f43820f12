#include "label/app/listing_command.h"

#include "label/app/command_line.h"
#include "label/definition/definition_file.h"
#include "label/definition/definition_listing.h"
#include "label/definition/quorvi_doc.h"

namespace qv {

int runListingCommand(const std::string& path, std::ostream& out, MessageService& messages) {
    if (!isDefinitionFileName(path)) {
        messages.exclamation(notADefinitionFileMessage(path));
        return kExitRefused;
    }
    CQuorviDoc document(messages);
    if (!document.openDocument(path)) return kExitRefused;
    out << listingText(buildDefinitionListing(document.definition()));
    out.flush();
    return out ? kExitSuccess : kExitFailure;
}

}  // namespace qv
