#include "label/data/data_file_reader.h"

#include "common/paths.h"
#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/data/csz_conversion.h"

#include <algorithm>

namespace qv {

namespace {

const char* const kCannotOpen = "%s はオープンできませんでした ";
const char* const kNotOpen = "FileClose 有効なファイルではありません！";
const char* const kTooManyPages =
    "印刷可能な最大ページ数は%dページまでです。\n%"
    "dページを越える分はファイルを分割して印刷して下さい。";
const char* const kTooManyCszLines = "一つのＣＳＺファイルで扱える\n最大件数は %d 迄です。";
const char* const kCopiesNotANumber =
    "部数の項目が 0 から %d までの数ではないため、次のレコードは 1 枚ずつ印刷します。\n%s";
constexpr size_t kMostNamedRecords = 10;

// The digits of a count without the blanks around them; -1 for anything else.
int countIn(std::string_view text) {
    const size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) return -1;
    text = text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
    if (text.empty() || text.size() > 4) return -1;
    int count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return -1;
        count = count * 10 + (c - '0');
    }
    return count;
}

const std::string kNoField;

}  // namespace

bool isMarkerLine(std::string_view line) {
    return !line.empty() && line.front() == '@';
}

std::string markerText(std::string_view line) {
    line.remove_prefix(1);
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    return std::string(line);
}

// Builds the page index in one pass. A page ends when it is full, when the page-break field
// changes (the changed line starts the next page) or at a marker line (which is no record and
// starts the next page, giving it its sub-title). Pages started by a change or a marker count
// their group pages from 1 again.
class DataFileReader::Indexer {
  public:
    Indexer(DataFileReader& reader, int labelsPerPage)
        : reader_(reader), labelsPerPage_(labelsPerPage) {}

    void run() {
        LineReader& lines = reader_.lines_;
        current_.start = lines.position();
        std::string line;
        while (true) {
            const int64_t lineStart = lines.position();
            if (!reader_.nextLine(line)) break;
            if (!startsRecord(line, lineStart)) continue;
            ++reader_.lineCount_;
            if (!place(copiesOf(line), lineStart, lines.position())) {
                reader_.messages_.exclamation(
                    formatText(kTooManyPages, kPageLimitInMessage, kPageLimitInMessage));
                break;
            }
        }
        if (current_.recordCount > 0) reader_.pages_.push_back(current_);
        tellBadCopies();
    }

  private:
    // The labels of one record from `lineStart` onto the pages, going on over as many pages as its
    // copies need; false when the page limit is met first.
    bool place(int copies, int64_t lineStart, int64_t nextLine) {
        int placed = 0;
        while (placed < copies) {
            if (static_cast<int>(reader_.pages_.size()) >= kMaxIndexedPages) return false;
            const int take = std::min(copies - placed, capacity() - current_.recordCount);
            current_.recordCount += take;
            placed += take;
            if (current_.recordCount < capacity()) continue;
            if (placed < copies) {
                finishPage(lineStart, current_.groupPage + 1, placed);
            } else {
                finishPage(nextLine, current_.groupPage + 1, 0);
            }
        }
        return true;
    }

    int copiesOf(const std::string& line) {
        std::string value;
        bool bad = false;
        const int copies = reader_.copiesOf(line, &value, &bad);
        if (bad)
            badCopies_.push_back(
                formatText("レコード %d: \"%s\"", reader_.lineCount_, sjis::toUtf8(value).c_str()));
        return copies;
    }

    // One message names the records whose copies field held no count.
    void tellBadCopies() {
        if (badCopies_.empty()) return;
        std::string named;
        for (size_t k = 0; k < badCopies_.size() && k < kMostNamedRecords; ++k) {
            named += badCopies_[k] + "\n";
        }
        if (badCopies_.size() > kMostNamedRecords) {
            named +=
                formatText("ほか %d 件", static_cast<int>(badCopies_.size() - kMostNamedRecords));
        }
        reader_.messages_.exclamation(
            formatText(kCopiesNotANumber, kMostCopiesPerRecord, named.c_str()));
    }

    // The records the current page holds: the first page of a partly used sheet fewer.
    int capacity() const {
        if (!reader_.pages_.empty()) return labelsPerPage_;
        return std::max(1, labelsPerPage_ - reader_.settings_.firstPageSkipped);
    }

    // Handles page breaks before `line` is counted; false for a marker line, which is no record.
    bool startsRecord(const std::string& line, int64_t lineStart) {
        if (reader_.settings_.pageBreakField > 0) {
            reader_.pageBreakActive_ = true;
            const std::string value = reader_.breakValue(line);
            if (!haveValue_ || value != remembered_) {
                if (haveValue_) startGroup(lineStart);
                haveValue_ = true;
                remembered_ = value;
                current_.subtitle = reader_.bracketed(value);
            }
            return true;
        }
        if (!isMarkerLine(line)) return true;
        reader_.pageBreakActive_ = true;
        startGroup(lineStart);
        current_.subtitle = reader_.bracketed(reader_.markerOf(line));
        return false;
    }

    // A new group begins at `lineStart`: the current page ends there unless it is still empty.
    void startGroup(int64_t lineStart) {
        if (current_.recordCount > 0) finishPage(lineStart, 1);
        current_.groupPage = 1;
    }

    void finishPage(int64_t nextStart, int nextGroupPage, int copiesBefore = 0) {
        reader_.pages_.push_back(current_);
        current_.start = nextStart;
        current_.recordCount = 0;
        current_.copiesBefore = copiesBefore;
        current_.groupPage = nextGroupPage;
    }

    DataFileReader& reader_;
    const int labelsPerPage_;
    PageIndexEntry current_;
    bool haveValue_ = false;
    std::string remembered_;
    std::vector<std::string>
        badCopies_;  // "レコード N: "value"" of each copies field without a count
};

DataFileReader::DataFileReader(DataReaderSettings settings, MessageService& messages)
    : settings_(std::move(settings)), messages_(messages) {}

bool DataFileReader::Open(const std::string& path, bool readHeader) {
    release();
    path_ = path;
    const std::string extension = sjis::upperLastThree(baseName(path));
    isComma_ = extension.rfind("CS", 0) == 0;
    cszMode_ = extension == "CSZ";
    if (!lines_.open(path)) {
        messages_.stop(formatText(kCannotOpen, path.c_str()));
        return false;
    }
    chooseEncoding();
    std::string header;
    if (readHeader && nextLine(header)) splitLine(header, recordFields_);
    if (cszMode_) {
        csz_ = CszContent();
        if (readHeader) csz_.nameLine = withoutLineEnd(header);
        readCsz();
    }
    return true;
}

// Reads the record lines of a CSZ file into memory, each without its line end. Up to
// kMaxCszRecordLines are read without a word; a longer file keeps one line more after the
// message.
void DataFileReader::readCsz() {
    std::string line;
    if (!nextLine(line)) return;
    csz_.templateLine = withoutLineEnd(line);
    csz_.lines.push_back(csz_.templateLine);
    int counter = 1;
    while (nextLine(line)) {
        csz_.lines.push_back(withoutLineEnd(line));
        if (counter >= kMaxCszRecordLines) {
            messages_.exclamation(formatText(kTooManyCszLines, kMaxCszRecordLines));
            break;
        }
        ++counter;
    }
    csz_.lineCount = counter;
    lines_.close();
    cszOpen_ = true;
}

int DataFileReader::BuildPageIndex(int labelsPerPage, bool skipFirstLine) {
    pages_.clear();
    lineCount_ = 0;
    pageBreakActive_ = false;
    pageSubtitle_.clear();
    // A grid without labels has no place for a record, so nothing is indexed.
    if (!lines_.isOpen() || labelsPerPage < 1) return 1;
    const int64_t saved = lines_.position();
    lines_.seek(0);
    std::string header;
    wholeFile_ = Utf8Check();
    checking_ = guessedUtf8_;
    if (skipFirstLine) nextLine(header);
    Indexer(*this, labelsPerPage).run();
    checking_ = false;
    lines_.seek(saved);
    // The first bytes looked like UTF-8 and the rest is not: the file is Shift-JIS after all.
    if (guessedUtf8_ && !wholeFile_.validToTheEnd()) {
        encoding_ = TextEncoding::ShiftJis;
        guessedUtf8_ = false;
        return BuildPageIndex(labelsPerPage, skipFirstLine);
    }
    if (!pages_.empty()) pageSubtitle_ = pages_.front().subtitle;
    return lineCount_ + 1;
}

void DataFileReader::chooseEncoding() {
    const std::string first = lines_.firstBytes(kEncodingGuessBytes + 1);
    const bool whole = first.size() <= kEncodingGuessBytes;
    encoding_ = encodingOf(settings_.encoding, first, whole);
    const bool marked = first.compare(0, kUtf8ByteOrderMark.size(), kUtf8ByteOrderMark) == 0;
    guessedUtf8_ =
        settings_.encoding == EncodingChoice::Auto && !marked && encoding_ == TextEncoding::Utf8;
    // A CSZ file is read whole at once, so the rest of it is looked at here.
    if (guessedUtf8_ && cszMode_) {
        Utf8Check check;
        check.feed(lines_.firstBytes(kLargestCszFile));
        if (!check.validToTheEnd()) encoding_ = TextEncoding::ShiftJis;
        guessedUtf8_ = false;
    }
}

bool DataFileReader::nextLine(std::string& line) {
    const bool first = lines_.position() == 0;
    if (!lines_.readLine(line)) return false;
    if (encoding_ != TextEncoding::Utf8) return true;
    if (first && line.compare(0, kUtf8ByteOrderMark.size(), kUtf8ByteOrderMark) == 0) {
        line.erase(0, kUtf8ByteOrderMark.size());
    }
    if (checking_) wholeFile_.feed(line);
    if (isComma_) line = utf8ToCore(line);
    return true;
}

std::string DataFileReader::markerOf(std::string_view line) const {
    const std::string text = markerText(line);
    return encoding_ == TextEncoding::Utf8 && !isComma_ ? utf8ToCore(text) : text;
}

bool DataFileReader::LoadPage(int page, int labelsPerPage) {
    pageLines_.clear();
    if (page < 1 || page > pageCount() || !lines_.isOpen()) return true;
    const PageIndexEntry& entry = pages_[static_cast<size_t>(page - 1)];
    const size_t limit =
        static_cast<size_t>(entry.recordCount > 0 ? entry.recordCount : std::max(labelsPerPage, 0));
    pageSubtitle_ = entry.subtitle;
    if (!lines_.seek(entry.start)) return true;
    std::string line;
    std::string remembered;
    int skip = entry.copiesBefore;  // of the first record, printed on the pages before
    while (pageLines_.size() < limit) {
        if (!nextLine(line)) return true;
        if (settings_.pageBreakField > 0) {
            const std::string value = breakValue(line);
            if (pageLines_.empty()) {
                remembered = value;
                pageSubtitle_ = bracketed(value);
            } else if (value != remembered) {
                break;
            }
        } else if (isMarkerLine(line)) {
            if (!pageLines_.empty()) break;
            pageSubtitle_ = bracketed(markerOf(line));
            continue;
        }
        const int copies = copiesOf(line);
        for (int copy = skip; copy < copies && pageLines_.size() < limit; ++copy) {
            pageLines_.push_back(line);
        }
        skip = 0;
    }
    return false;
}

bool DataFileReader::Record(size_t k) {
    if (k >= pageLines_.size()) {
        recordFields_.clear();
        return false;
    }
    splitLine(pageLines_[k], recordFields_);
    return true;
}

const std::string& DataFileReader::Field(size_t n) const {
    return n < recordFields_.size() ? recordFields_[n] : kNoField;
}

void DataFileReader::Close() {
    if (!isOpen()) messages_.stop(kNotOpen);
    release();
}

void DataFileReader::release() {
    lines_.close();
    cszOpen_ = false;
    pageLines_.clear();
    path_.clear();
}

int DataFileReader::groupPageNumber(int page) const {
    if (page < 1 || page > pageCount()) return 1;
    return pages_[static_cast<size_t>(page - 1)].groupPage;
}

void DataFileReader::splitLine(std::string_view line, DataRecord& fields) {
    if (isComma_) {
        SplitCommaLine(line, fields, lastSeparator_);
    } else if (encoding_ == TextEncoding::Utf8) {
        splitFixedLengthUtf8(line, settings_.fieldLengths, fields);
    } else {
        splitFixedLength(line, settings_.fieldLengths, fields);
    }
}

std::string DataFileReader::breakValue(std::string_view line) const {
    return breakFieldValue(line, isComma_, settings_.fieldLengths, settings_.pageBreakField,
                           encoding_);
}

int DataFileReader::copiesOf(std::string_view line, std::string* badValue, bool* bad) const {
    if (settings_.copiesField < 1)
        return std::clamp(settings_.copiesPerRecord, 0, kMostCopiesPerRecord);
    const std::string value =
        breakFieldValue(line, isComma_, settings_.fieldLengths, settings_.copiesField, encoding_);
    const int count = countIn(value);
    if (count >= 0) return count;
    if (badValue) *badValue = value;
    if (bad) *bad = true;
    return 1;
}

std::string DataFileReader::bracketed(std::string_view text) const {
    return settings_.subtitleOpen + std::string(text) + settings_.subtitleClose;
}

}  // namespace qv
