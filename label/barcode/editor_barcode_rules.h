// The data editor's barcode validators. They follow the label program's character sets, lengths
// and modulus rules, but JAN and ITF write the check digit instead of reporting a wrong one,
// there is no fixed-length rule, and failures come with the editor's own messages.
#pragma once

#include <string>

#include "label/definition/barcode_kind.h"

namespace qv {

class MessageService;

// Each returns 0 when the value is valid and otherwise the label program's code for the same
// failure. `message` is cleared, then given the failure's text where the editor has one.

// JAN: 1 length not 8 or 13, 2 non-digit; on success the last digit becomes the check digit.
int EditorValidateJan(std::string& value, std::string& message);
// ITF: 1 empty (no message) or odd length, 2 non-digit; on success the last digit becomes the
// check digit.
int EditorValidateItf(std::string& value, std::string& message);
// NW7, lower-cased: 1 shorter than 3, 2 start, 3 stop, 4 start/stop letter inside, 5 character
// outside the NW7 set. A "#" just before the stop becomes the check character; when it cannot be
// computed the "#" stays and the value is accepted.
int EditorValidateNw7(std::string& value, std::string& message);
// CODE 39, upper-cased: 1 shorter than 3, 2 start or stop not "*", 4 "*" inside, 5 character
// outside the set, 9 "#" elsewhere or in a value shorter than 4. The start/stop failure is shown
// at once through `messages` and leaves `message` empty.
int EditorValidateCode39(std::string& value, std::string& message, MessageService& messages);

// The validator of `kind`; plain text and CODE 128 are not checked and give 0.
int EditorValidateBarcode(BarcodeKind kind, std::string& value, std::string& message,
                          MessageService& messages);

}  // namespace qv
