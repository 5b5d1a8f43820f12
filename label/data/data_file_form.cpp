#include "label/data/data_file_form.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <utility>

#include "common/file_io.h"
#include "common/layout_file.h"
#include "common/paths.h"
#include "common/record_line.h"
#include "common/sjis_text.h"
#include "common/text_format.h"

namespace qv {

namespace {

constexpr size_t kAddedNameBytes = 127;    // the name box of "追加"
constexpr size_t kModifiedNameBytes = 63;  // the name box of "修正"
constexpr int kLengthOfTakenNames = 10;    // given to every empty length by "ﾌｨｰﾙﾄﾞSET"
// The label program reads at most this many bytes of a line; names beyond are never seen.
constexpr size_t kLongestLine = 1022;

const char* const kCommaLengthMissing = "最大ﾌｨｰﾙﾄﾞ長を指定して下さい";
const char* const kFixedLengthMissing = "ﾌｨｰﾙﾄﾞ長を指定して下さい";
const char* const kNameTaken = "%s は既におなじ項目名が登録されています。";
const char* const kListFull = "ﾌｨｰﾙﾄﾞｱｲﾃﾑが %d になりました。";
const char* const kCannotOpenData = "%s はオープンできませんでした ";
// An empty or one-blank name would end the list and hide every later field.
const char* const kNameMissing = "項目名を指定して下さい";

const char* const kCommaFilter = "ｶﾝﾏText (*.CS*)|*.cs*|TextFiles(*.TXT)|*.txt|全て(*.*)|*.*||";
const char* const kFixedFilter = "Text Files (*.TXT)|*.txt|ｶﾝﾏText(*.CS*)|*.cs*|全て(*.*)|*.*||";

// The first line of a file without its line end, read no further than the label program reads.
bool readFirstLine(const std::string& path, std::string& line) {
    const std::unique_ptr<FILE, int (*)(FILE*)> file(openRegularStream(path), std::fclose);
    if (!file) return false;
    std::string read;
    int c = 0;
    while (read.size() < kLongestLine && (c = std::getc(file.get())) != EOF && c != '\n') {
        read += static_cast<char>(c);
    }
    if (std::ferror(file.get())) return false;  // a folder opens, but cannot be read
    if (!read.empty() && read.back() == '\r') read.pop_back();
    line = std::move(read);
    return true;
}

// An extension beginning with "CS" (CSV, CSZ, ...) means comma-separated data.
bool hasCommaExtension(const std::string& localPath) {
    const std::string name = baseName(localPath);
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string extension = sjis::asciiUpper(name.substr(dot + 1));
    return extension.compare(0, 2, "CS") == 0;
}

// The file name of a stored (CP932) path; a separator byte that is the second byte of a
// double-byte character ("表" ends in 0x5C) belongs to the character.
std::string storedBaseName(const std::string& storedPath) {
    size_t start = 0;
    for (size_t i = 0; i < storedPath.size(); ++i) {
        const auto byte = static_cast<unsigned char>(storedPath[i]);
        if (sjis::isLeadByte(byte) && i + 1 < storedPath.size() &&
            sjis::isTrailByte(static_cast<unsigned char>(storedPath[i + 1]))) {
            ++i;  // skip the trail byte
        } else if (byte == '/' || byte == '\\') {
            start = i + 1;
        }
    }
    return storedPath.substr(start);
}

}  // namespace

DataFileForm::DataFileForm(const DataFileSpec& dataFile, std::string baseFolder,
                           MessageService& messages)
    : dataFile_(dataFile), baseFolder_(std::move(baseFolder)), messages_(messages) {
    // The list holds the names up to the first empty one, as the label program counts them.
    dataFile_.fieldNames.resize(static_cast<size_t>(qv::fieldCount(dataFile)));
}

std::vector<std::string> DataFileForm::listLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < fieldCount(); ++i) {
        const int position = isFixedLength() ? bytesBefore(i) + 1 : i + 1;
        lines.push_back(formatText("%s \t %4d \t %4d",
                                   dataFile_.fieldNames[static_cast<size_t>(i)].c_str(),
                                   dataFile_.fieldLengths[static_cast<size_t>(i)], position));
    }
    return lines;
}

// The bytes taken by the fields before `index`, held within int whatever the lengths are.
int DataFileForm::bytesBefore(int index) const {
    long long sum = 0;
    for (int i = 0; i < index; ++i) sum += dataFile_.fieldLengths[static_cast<size_t>(i)];
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN + 1LL, INT_MAX - 1LL));
}

int DataFileForm::recordLength() const {
    return isFixedLength() ? bytesBefore(fieldCount()) : 0;
}

void DataFileForm::select(int index) {
    selected_ = index >= 0 && index < fieldCount() ? index : -1;
}

int DataFileForm::insertionIndex() const {
    if (selected_ >= 0) return addAbove_ ? selected_ : selected_ + 1;
    const int count = fieldCount();
    return addAbove_ ? std::max(count - 1, 0) : count;
}

bool DataFileForm::acceptable(const std::string& name, int length, int ownIndex) {
    if (length <= 0) {
        messages_.exclamation(isFixedLength() ? kFixedLengthMissing : kCommaLengthMissing);
        return false;
    }
    if (!isListEntry(name)) {
        messages_.exclamation(kNameMissing);
        return false;
    }
    for (int i = 0; i < fieldCount(); ++i) {
        if (i != ownIndex && dataFile_.fieldNames[static_cast<size_t>(i)] == name) {
            messages_.exclamation(formatText(kNameTaken, sjis::toUtf8(name).c_str()));
            return false;
        }
    }
    return true;
}

bool DataFileForm::addField(const std::string& name, int length) {
    if (fieldCount() >= kMaxFields) {
        messages_.exclamation(formatText(kListFull, kMaxFields));
        return false;
    }
    const std::string fitted = sjis::truncateBytes(name, kAddedNameBytes);
    if (!acceptable(fitted, length, -1)) return false;
    const int index = insertionIndex();
    dataFile_.fieldNames.insert(dataFile_.fieldNames.begin() + index, fitted);
    insertLength(index, length);
    selected_ = -1;
    if (fieldCount() == kMaxFields) messages_.exclamation(formatText(kListFull, kMaxFields));
    return true;
}

// The later lengths move with their fields, in both file types (the last slot drops off, which
// the 30-field limit keeps free); a length left behind would make a field print cut or not at
// all.
void DataFileForm::insertLength(int index, int length) {
    auto& lengths = dataFile_.fieldLengths;
    std::copy_backward(lengths.begin() + index, lengths.end() - 1, lengths.end());
    lengths[static_cast<size_t>(index)] = length;
}

bool DataFileForm::modifyField(const std::string& name, int length) {
    if (selected_ < 0) return false;
    const std::string fitted = sjis::truncateBytes(name, kModifiedNameBytes);
    if (!acceptable(fitted, length, selected_)) return false;
    dataFile_.fieldNames[static_cast<size_t>(selected_)] = fitted;
    dataFile_.fieldLengths[static_cast<size_t>(selected_)] = length;
    return true;
}

bool DataFileForm::deleteField() {
    if (selected_ < 0) return false;
    dataFile_.fieldNames.erase(dataFile_.fieldNames.begin() + selected_);
    removeLength(selected_);
    selected_ = -1;
    return true;
}

// The lengths after `index` move up by one slot, as far as the first 0 (which moves up too).
void DataFileForm::removeLength(int index) {
    auto& lengths = dataFile_.fieldLengths;
    size_t next = static_cast<size_t>(index) + 1;
    for (; next < lengths.size() && lengths[next] != 0; ++next) lengths[next - 1] = lengths[next];
    lengths[next - 1] = 0;
}

void DataFileForm::choosePath(const std::string& localPath) {
    if (localPath.empty()) return;
    dataFile_.dataFilePath = sjis::fromUtf8(localPath);
    dataFile_.dataFileType = hasCommaExtension(localPath) ? kCommaSeparated : kFixedLength;
    readLayoutFile(companionPath(localPath, "CSL"), dataFile_.fieldLengths);
}

const char* DataFileForm::browseFilter() const {
    return isFixedLength() ? kFixedFilter : kCommaFilter;
}

const char* DataFileForm::defaultExtension() const {
    return isFixedLength() ? "TXT" : "CSV";
}

std::string DataFileForm::localDataPath() const {
    return localFromStoredPath(dataFile_.dataFilePath, baseFolder_);
}

bool DataFileForm::canTakeNamesFromFile() const {
    return dataFile_.dataFileType == kCommaSeparated && fieldCount() == 0;
}

bool DataFileForm::takeNamesFromFile(const std::string& localPath) {
    if (!canTakeNamesFromFile()) return false;
    std::string line;
    if (!readFirstLine(localPath, line)) {
        messages_.exclamation(formatText(kCannotOpenData, localPath.c_str()));
        return false;
    }
    // The names as the core holds text, from a UTF-8 file too.
    if (encodingOf(encoding_, line, false) == TextEncoding::Utf8) {
        if (line.compare(0, kUtf8ByteOrderMark.size(), kUtf8ByteOrderMark) == 0) {
            line.erase(0, kUtf8ByteOrderMark.size());
        }
        line = utf8ToCore(line);
    }
    DataRecord fields;
    char separator = kComma;
    SplitCommaLine(line, fields, separator);
    for (const std::string& field : fields) {
        if (!isListEntry(field) || fieldCount() == kMaxFields) break;
        dataFile_.fieldNames.push_back(sjis::truncateBytes(field, kAddedNameBytes));
    }
    for (int& length : dataFile_.fieldLengths) {
        if (length == 0) length = kLengthOfTakenNames;
    }
    dataFile_.skipFirstLine = 1;
    selected_ = -1;
    return true;
}

DataFileSpec DataFileForm::result() const {
    DataFileSpec out = dataFile_;
    out.dataFileName = storedBaseName(dataFile_.dataFilePath);
    return out;
}

}  // namespace qv
