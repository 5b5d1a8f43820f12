#include "editor/model/extraction.h"

#include "common/record_line.h"
#include "common/sjis_text.h"
#include "common/text_format.h"

namespace qv {

const char* const kSerialNotNumbersMessage = "From と To には連番を数字で入力して下さい　！";
const char* const kToBeforeFromMessage = "To は From より大きくなければなりません。";
const char* const kRecordOutOfRangeFormat = "From には 1 から %d までの連番を指定して下さい　！";
const char* const kNoFieldNameMessage = "対象のフィールドを指定して下さい　！";
const char* const kNoSuchFieldMessage = "該当するﾌｨｰﾙﾄﾞはありません！";
const char* const kFromLongerThanToMessage = "From の桁数が To の桁数より大きい　！";
const char* const kSwapFromToQuestion =
    "From の値が To の値より大きい\n 文字列を入れ替えますか　？";
const char* const kSwapFromToCaption = "From > To Change ?";

void ExtractionBuffer::clear() {
    records_ = ExtractedRecords{};
    count_ = 0;
    ready_ = false;
}

void ExtractionBuffer::takeHeaderFrom(const CROWSMITHDoc& source) {
    if (ready_ || source.recordCount() < 1) return;
    records_.lines.push_back(source.lines.front());
    records_.headerNames = source.headerNames;
    records_.columnWidths = source.columnWidths;
    ready_ = true;
}

void ExtractionBuffer::append(const std::string& line) {
    records_.lines.push_back(line);
    ++count_;
}

std::optional<ExtractedRecords> ExtractionBuffer::take() {
    if (records_.lines.empty()) return std::nullopt;
    ExtractedRecords taken = std::move(records_);
    clear();
    return taken;
}

bool runSerialExtraction(ExtractionBuffer& buffer, const CROWSMITHDoc& source, int from, int to,
                         MessageService& messages) {
    if (to < from) {
        messages.exclamation(kToBeforeFromMessage);
        return false;
    }
    const int last = source.recordCount();
    if (from < 1 || from > last) {
        messages.exclamation(formatText(kRecordOutOfRangeFormat, last));
        return false;
    }
    buffer.takeHeaderFrom(source);
    if (to > last) to = last;
    for (int record = from; record <= to; ++record) {
        buffer.append(source.lines[static_cast<size_t>(record)]);
    }
    return true;
}

std::optional<SerialInput> runSerialExtractionAsTyped(ExtractionBuffer& buffer,
                                                      const CROWSMITHDoc& source,
                                                      std::optional<int> from,
                                                      std::optional<int> to,
                                                      MessageService& messages) {
    if (!from || !to) {
        messages.exclamation(kSerialNotNumbersMessage);
        return from ? SerialInput::To : SerialInput::From;
    }
    if (runSerialExtraction(buffer, source, *from, *to, messages)) return std::nullopt;
    return *to < *from ? SerialInput::To : SerialInput::From;
}

std::optional<size_t> findFieldByPrefix(const std::vector<std::string>& names,
                                        const std::string& text) {
    const std::string wanted = sjis::asciiUpper(text);
    for (size_t k = 0; k < names.size(); ++k) {
        if (sjis::asciiUpper(names[k]).compare(0, wanted.size(), wanted) == 0) return k;
    }
    return std::nullopt;
}

std::optional<FieldRange> checkFieldRange(const std::vector<std::string>& names,
                                          const std::string& fieldName, std::string& from,
                                          std::string& to, MessageService& messages) {
    if (to.empty()) to = from;
    if (fieldName.empty()) {
        messages.exclamation(kNoFieldNameMessage);
        return std::nullopt;
    }
    const std::optional<size_t> field = findFieldByPrefix(names, fieldName);
    if (!field) {
        messages.exclamation(kNoSuchFieldMessage);
        return std::nullopt;
    }
    if (to.size() < from.size()) {
        messages.exclamation(kFromLongerThanToMessage);
        return std::nullopt;
    }
    if (from > to.substr(0, from.size())) {
        if (!messages.askYesNo(kSwapFromToQuestion, MessageAnswer::No, kSwapFromToCaption,
                               Sound::Beep)) {
            return std::nullopt;
        }
        std::swap(from, to);
    }
    return FieldRange{*field, from, to};
}

int runFieldExtraction(ExtractionBuffer& buffer, const CROWSMITHDoc& source,
                       const FieldRange& range) {
    buffer.takeHeaderFrom(source);
    const size_t n = range.from.size();
    int taken = 0;
    for (size_t k = 1; k < source.lines.size(); ++k) {
        const std::string value = RecordField(source.lines[k], range.field);
        if (value.empty() || value.size() < n) continue;
        const std::string leading = value.substr(0, n);
        if (range.from <= leading && leading <= range.to) {
            buffer.append(source.lines[k]);
            ++taken;
        }
    }
    return taken;
}

}  // namespace qv
