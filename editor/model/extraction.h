// Extraction: copying a range of records of a document into a new one, by record number or by
// the leading characters of one field.
//
// The runs append to one buffer while the extraction dialog is open; when it closes the buffer
// becomes a new untitled document. Records are copied as their lines, never rebuilt.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"

namespace qv {

// What a new document is made of: its lines (header first), field names and column widths.
struct ExtractedRecords {
    std::vector<std::string> lines;
    std::vector<std::string> headerNames;
    ColumnWidths columnWidths{};
};

class ExtractionBuffer {
  public:
    // Emptied each time an extraction dialog opens.
    void clear();
    // Takes the source's header, names and widths, once, when the source has records.
    void takeHeaderFrom(const CROWSMITHDoc& source);
    void append(const std::string& line);

    bool ready() const { return ready_; }
    int count() const { return count_; }
    const std::vector<std::string>& lines() const { return records_.lines; }
    // Hands the contents over and empties the buffer; nothing when it holds no lines.
    std::optional<ExtractedRecords> take();

  private:
    ExtractedRecords records_;
    int count_ = 0;
    bool ready_ = false;
};

// Appends records `from` to `to` (numbers from 1; a `to` beyond the last record stops there).
// A `to` below `from`, or a `from` outside the records, is refused with a message and appends
// nothing. Returns whether the run took place.
bool runSerialExtraction(ExtractionBuffer& buffer, const CROWSMITHDoc& source, int from, int to,
                         MessageService& messages);

// The number a refused serial run sends the user back to.
enum class SerialInput { From, To };

// The serial run on the numbers typed into From and To (nothing for a text that is not a
// number): both are required, refused with a message otherwise, then runSerialExtraction.
// Returns nothing after a run, else the input to correct.
std::optional<SerialInput> runSerialExtractionAsTyped(ExtractionBuffer& buffer,
                                                      const CROWSMITHDoc& source,
                                                      std::optional<int> from,
                                                      std::optional<int> to,
                                                      MessageService& messages);

// The texts a field range run compares with; all Shift-JIS.
struct FieldRange {
    size_t field = 0;  // index of the field
    std::string from;
    std::string to;
};

// The checks before a field range run: the field found by its name's beginning (ignoring
// case), an empty `to` taking `from`, the lengths, and the swap question when `from` sorts after
// `to`. `from` and `to` come back as the run will use them (swapped after Yes); nothing after a
// refusal or No.
std::optional<FieldRange> checkFieldRange(const std::vector<std::string>& names,
                                          const std::string& fieldName, std::string& from,
                                          std::string& to, MessageService& messages);

// The index of the first name that begins with `text`, ignoring the case of ASCII letters.
std::optional<size_t> findFieldByPrefix(const std::vector<std::string>& names,
                                        const std::string& text);

// Appends every record whose field value begins with a text between `from` and `to` (the
// leading characters compared as bytes, as long as `from`). Returns the number taken.
int runFieldExtraction(ExtractionBuffer& buffer, const CROWSMITHDoc& source,
                       const FieldRange& range);

// The messages of the runs (UTF-8).
extern const char* const kSerialNotNumbersMessage;
extern const char* const kToBeforeFromMessage;
extern const char* const kRecordOutOfRangeFormat;
extern const char* const kNoFieldNameMessage;
extern const char* const kNoSuchFieldMessage;
extern const char* const kFromLongerThanToMessage;
extern const char* const kSwapFromToQuestion;
extern const char* const kSwapFromToCaption;

}  // namespace qv
