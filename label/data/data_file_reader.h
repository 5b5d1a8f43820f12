// DataFileReader: reads the records of a definition's data file for one print run.
//
// Open, then BuildPageIndex once, then LoadPage for each page to print and Record / Field for
// each label, then Close. Only the index (at most kMaxIndexedPages entries) and the page being
// printed are held, so memory does not grow with the file. A CSZ file is read whole instead and
// its pages come from the mono-pattern selection.
#pragma once

#include <string>
#include <vector>

#include "common/message_service.h"
#include "common/record_line.h"
#include "label/data/line_reader.h"
#include "label/data/record_split.h"

namespace qv {

constexpr int kMaxIndexedPages = 1000;  // pages that can print; the message names 1001
constexpr int kPageLimitInMessage = 1001;
constexpr int kMaxCszRecordLines = 500;  // a CSZ file keeps one line more, after the message

struct DataReaderSettings {
    FieldLengths fieldLengths{};  // of fixed-length text
    int pageBreakField = 0;       // 1-based; 0: no page break by field
    std::string subtitleOpen;     // "PB1", Shift-JIS
    std::string subtitleClose;    // "PB2"
    int firstPageSkipped = 0;     // labels left blank at the start of the first page
    int copiesPerRecord = 1;      // labels printed for each record
    int copiesField = 0;          // 1-based: the field that holds each record's copies; 0: none
    EncodingChoice encoding = EncodingChoice::Auto;  // of the data file
};

constexpr int kMostCopiesPerRecord = 9999;

// One indexed page: where its first line starts and how many labels it prints (a record with
// copies prints several, and may go on over the next page).
struct PageIndexEntry {
    int64_t start = 0;
    int recordCount = 0;   // labels
    int copiesBefore = 0;  // copies of the first record printed on the pages before
    int groupPage = 1;     // 1 at the start of a page-break group, counting up within it
    std::string subtitle;  // the page's sub-title while pages break by field or marker line
};

// A CSZ file held in memory.
struct CszContent {
    std::string nameLine;            // the header line when the first line is skipped, else empty
    std::string templateLine;        // the first record line
    std::vector<std::string> lines;  // the record lines, beginning with the template line
    int lineCount = 0;
};

class DataFileReader {
  public:
    DataFileReader(DataReaderSettings settings, MessageService& messages);

    // Opens `path` (a local path). With `readHeader` the first line is read at once and split
    // as the current record. A CSZ file is read whole. On failure the user is told.
    bool Open(const std::string& path, bool readHeader);

    // Scans the file once from its start and indexes its pages of at most `labelsPerPage`
    // records, with page breaks by field or by marker line. Returns the number of record lines
    // read plus one; the file position is restored.
    int BuildPageIndex(int labelsPerPage, bool skipFirstLine);

    // Reads the records of `page` (from 1) into the page lines. True when the end of the file
    // was met (or the page is not in the index).
    bool LoadPage(int page, int labelsPerPage);

    // Splits line `k` of the page into the current record; false when the page has no such line.
    bool Record(size_t k);
    // Field `n` (from 0) of the current record, or the empty string.
    const std::string& Field(size_t n) const;
    const DataRecord& recordFields() const { return recordFields_; }

    void Close();

    bool isOpen() const { return lines_.isOpen() || cszOpen_; }
    bool isComma() const { return isComma_; }
    // The encoding the file is read in, from the choice or the guess (see common/text_encoding.h).
    TextEncoding encoding() const { return encoding_; }
    bool cszMode() const { return cszMode_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    int lineCount() const { return lineCount_; }
    bool pageBreakActive() const { return pageBreakActive_; }
    const std::string& pageSubtitle() const { return pageSubtitle_; }
    int groupPageNumber(int page) const;
    const std::vector<PageIndexEntry>& pageIndex() const { return pages_; }

    const std::vector<std::string>& pageLines() const { return pageLines_; }
    // The mono-pattern selection puts its chosen lines here in CSZ mode.
    void setPageLines(std::vector<std::string> lines) { pageLines_ = std::move(lines); }
    const CszContent& csz() const { return csz_; }

  private:
    class Indexer;

    void release();
    void readCsz();
    void splitLine(std::string_view line, DataRecord& fields);
    std::string breakValue(std::string_view line) const;
    // The labels `line` prints. A copies field that holds no count from 0 to
    // kMostCopiesPerRecord gives 1, and its text in `badValue` (when given).
    int copiesOf(std::string_view line, std::string* badValue = nullptr, bool* bad = nullptr) const;
    std::string bracketed(std::string_view text) const;
    // The next line as the reader works on it: a UTF-8 file's byte-order mark left out, a
    // comma-separated UTF-8 line brought to the core's text (fixed-length lines are sliced as
    // UTF-8 first). While indexing, every UTF-8 line is checked.
    bool nextLine(std::string& line);
    void chooseEncoding();
    std::string markerOf(std::string_view line) const;

    DataReaderSettings settings_;
    MessageService& messages_;
    LineReader lines_;
    std::string path_;
    bool isComma_ = true;
    bool cszMode_ = false;
    bool cszOpen_ = false;
    char lastSeparator_ = kComma;
    TextEncoding encoding_ = TextEncoding::ShiftJis;
    bool guessedUtf8_ = false;  // taken for UTF-8 by its first bytes alone
    bool checking_ = false;
    Utf8Check wholeFile_;

    std::vector<PageIndexEntry> pages_;
    int lineCount_ = 0;
    bool pageBreakActive_ = false;
    std::string pageSubtitle_;

    std::vector<std::string> pageLines_;
    DataRecord recordFields_;
    CszContent csz_;
};

// True for a marker line (its first byte is "@"); its text is the rest without the line end.
bool isMarkerLine(std::string_view line);
std::string markerText(std::string_view line);

}  // namespace qv
