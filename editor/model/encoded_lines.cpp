#include "editor/model/encoded_lines.h"

#include "common/sjis_text.h"

namespace qv {

std::string encodingLabel(FileEncoding encoding) {
    std::string label = encodingName(encoding.encoding);
    if (encoding.encoding == TextEncoding::Utf8 && encoding.byteOrderMark) label += " (BOM)";
    return label;
}

// The guess looks at the first bytes and, for UTF-8, the whole file must be valid as well.
TextEncoding encodingOfLines(EncodingChoice choice, const std::vector<std::string>& lines,
                             const LineEndings& endings) {
    if (choice != EncodingChoice::Auto) return encodingOf(choice, {}, true);
    const std::string_view end = endings.crLf ? "\r\n" : "\n";
    std::string first;
    Utf8Check whole;
    for (const std::string& line : lines) {
        if (first.size() <= kEncodingGuessBytes) {
            first.append(line, 0, kEncodingGuessBytes + 1 - first.size()).append(end);
        }
        whole.feed(line);
        whole.feed(end);
    }
    const bool all = first.size() <= kEncodingGuessBytes;
    if (guessEncoding(first, all) != TextEncoding::Utf8) return TextEncoding::ShiftJis;
    const bool mark = first.compare(0, kUtf8ByteOrderMark.size(), kUtf8ByteOrderMark) == 0;
    return mark || whole.validToTheEnd() ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}

void EncodedLines::decode(std::vector<std::string>& lines, TextEncoding encoding,
                          const LineEndings& endings) {
    *this = EncodedLines();
    encoding_.encoding = encoding;
    if (encoding != TextEncoding::Utf8) return;
    lineEnd_ = endings.crLf ? "\r\n" : "\n";
    lastLineEnded_ = endings.lastLineEnded;
    if (!lines.empty() && lines[0].compare(0, kUtf8ByteOrderMark.size(), kUtf8ByteOrderMark) == 0) {
        encoding_.byteOrderMark = true;
        lines[0].erase(0, kUtf8ByteOrderMark.size());
    }
    for (std::string& line : lines) {
        std::string core = utf8ToCore(line);
        if (core != line) read_.emplace(core, std::move(line));
        line = std::move(core);
    }
    if (!lastLineEnded_ && !lines.empty()) unendedLastLine_ = lines.back();
}

void EncodedLines::appendUtf8(std::string& bytes, const std::string& line) const {
    const auto asRead = read_.find(line);
    bytes += asRead != read_.end() ? asRead->second : sjis::toUtf8(line);
}

std::string EncodedLines::encode(const std::vector<std::string>& lines, FileEncoding target) const {
    if (target.encoding == TextEncoding::ShiftJis) {
        if (encoding_.encoding == TextEncoding::ShiftJis) return joinLines(lines);
        std::vector<std::string> converted;
        converted.reserve(lines.size());
        for (const std::string& line : lines) converted.push_back(shiftJisLine(line));
        return joinLines(converted);
    }
    const bool same = encoding_.encoding == TextEncoding::Utf8;
    std::string bytes = target.byteOrderMark ? std::string(kUtf8ByteOrderMark) : std::string();
    const std::string* last = nullptr;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        if (same) {
            appendUtf8(bytes, line);
        } else {
            bytes += sjis::toUtf8(line);
        }
        bytes += lineEnd_;
        last = &line;
    }
    if (same && !lastLineEnded_ && last != nullptr && *last == unendedLastLine_) {
        bytes.resize(bytes.size() - lineEnd_.size());
    }
    return bytes;
}

void EncodedLines::adopt(FileEncoding encoding) {
    if (encoding.encoding != encoding_.encoding) {
        read_.clear();
        lastLineEnded_ = true;
    }
    encoding_ = encoding;
}

std::string shiftJisLine(const std::string& line) {
    const std::string utf8 = sjis::toUtf8(line);
    return sjis::unencodableCharacters(utf8).empty() ? line : sjis::fromUtf8(utf8);
}

}  // namespace qv
