// Choosing the encoding of "名前を付けて保存", and the question before a UTF-8 document is saved
// in Shift-JIS: every character Shift-JIS cannot hold is named with its record and field, and
// nothing is written unless the user answers Yes (those characters then become '?').
#pragma once

#include <string>
#include <vector>

#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"

namespace qv {

enum class SaveEncoding { Keep, ShiftJis, Utf8, Utf8WithBom };

// The encoding a save with `choice` writes for a document now in `current`.
FileEncoding targetOf(SaveEncoding choice, FileEncoding current);

// Characters of one field that Shift-JIS lacks.
struct LackingCharacters {
    int record = 0;     // 0: the header line
    std::string field;  // the field's name (UTF-8), or its number when the header has none
    std::string text;   // the characters, each once (UTF-8)
};

// Every field of `document` holding characters Shift-JIS lacks, in file order.
std::vector<LackingCharacters> charactersShiftJisLacks(const CROWSMITHDoc& document);

// The question that lists them (at most kListedFields, then how many more).
constexpr size_t kListedFields = 20;
std::string shiftJisQuestion(const std::vector<LackingCharacters>& lacking);

// True when `document` may be written in `target`: nothing is lost, or the user said Yes.
bool mayConvert(const CROWSMITHDoc& document, FileEncoding target, MessageService& messages);

}  // namespace qv
