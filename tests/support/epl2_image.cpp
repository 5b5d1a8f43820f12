#include "tests/support/epl2_image.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include <QImage>

namespace qv::test {
namespace {

// Larger than any label a 203 or 300 dpi printer takes, small enough to allocate safely.
constexpr long kMaxDots = 30000;
constexpr long kMaxArea = 50L * 1000 * 1000;

struct Placed {
    int x = 0;
    int y = 0;
    int bytesPerRow = 0;
    int rows = 0;
    std::string data;
};

bool fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

// Splits "12,34,5" into numbers; false unless every field is a plain number within range.
bool parseNumbers(const std::string& text, std::vector<long>& numbers) {
    numbers.clear();
    size_t start = 0;
    while (true) {
        size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        if (end == start || end - start > 6) return false;
        long value = 0;
        for (size_t i = start; i < end; ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            value = value * 10 + (text[i] - '0');
        }
        numbers.push_back(value);
        if (end == text.size()) return true;
        start = end + 1;
    }
}

// Commands that draw something this reader cannot render; refusing them keeps a label from
// looking emptier than it would print.
bool isDrawingCommand(const std::string& line) {
    static const char* const kDrawing[] = {"LO", "LE", "LS", "LW", "GG", "A", "B", "b", "X"};
    for (const char* prefix : kDrawing) {
        const std::string p(prefix);
        if (line.compare(0, p.size(), p) != 0) continue;
        // Single-letter commands take their parameters right after the letter.
        if (p.size() > 1 || line.size() == 1 || (line[1] >= '0' && line[1] <= '9')) return true;
    }
    return false;
}

bool render(const std::vector<Placed>& placed, long width, long length, int copies,
            Epl2Label& label, std::string* error) {
    long right = 0;
    long bottom = 0;
    for (const Placed& p : placed) {
        right = std::max(right, static_cast<long>(p.x) + 8L * p.bytesPerRow);
        bottom = std::max(bottom, static_cast<long>(p.y) + p.rows);
    }
    label.width = static_cast<int>(width > 0 ? width : std::min(right, kMaxDots));
    label.height = static_cast<int>(length > 0 ? length : std::min(bottom, kMaxDots));
    label.copies = copies;
    if (static_cast<long>(label.width) * label.height > kMaxArea)
        return fail(error, "label too large: " + std::to_string(label.width) + " x " +
                               std::to_string(label.height) + " dots");
    label.dots.assign(static_cast<size_t>(label.width) * static_cast<size_t>(label.height), 0);
    for (const Placed& p : placed) {
        for (int row = 0; row < p.rows; ++row) {
            const int y = p.y + row;
            if (y >= label.height) break;
            for (int byte = 0; byte < p.bytesPerRow; ++byte) {
                const auto bits = static_cast<unsigned char>(
                    p.data[static_cast<size_t>(row) * static_cast<size_t>(p.bytesPerRow) +
                           static_cast<size_t>(byte)]);
                for (int bit = 0; bit < 8; ++bit) {
                    const int x = p.x + 8 * byte + bit;
                    if (x >= label.width) break;
                    // The printer clips what lies past the label; a 0 bit is a printed dot.
                    if ((bits & (0x80 >> bit)) == 0)
                        label.dots[static_cast<size_t>(y) * static_cast<size_t>(label.width) +
                                   static_cast<size_t>(x)] = 1;
                }
            }
        }
    }
    return true;
}

}  // namespace

bool decodeEpl2(const std::string& bytes, std::vector<Epl2Label>& labels, std::string* error) {
    labels.clear();
    std::vector<Placed> placed;
    bool unprinted = false;  // graphics placed since the last P
    long width = 0;
    long length = 0;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        const size_t lineStart = pos;
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        for (unsigned char c : line) {
            if (c < 0x20 || c > 0x7E)
                return fail(error, "binary bytes where a command should be, at offset " +
                                       std::to_string(lineStart));
        }
        std::vector<long> numbers;
        if (line.compare(0, 2, "GW") == 0) {
            if (!parseNumbers(line.substr(2), numbers) || numbers.size() != 4)
                return fail(error, "bad GW command: " + line);
            if (numbers[0] >= kMaxDots || numbers[1] >= kMaxDots || numbers[2] == 0 ||
                numbers[2] * 8 > kMaxDots || numbers[3] == 0 || numbers[3] > kMaxDots)
                return fail(error, "GW out of range: " + line);
            const size_t size = static_cast<size_t>(numbers[2]) * static_cast<size_t>(numbers[3]);
            if (end >= bytes.size() || bytes.size() - pos < size)
                return fail(error, "GW data cut short: " + line);
            placed.push_back({static_cast<int>(numbers[0]), static_cast<int>(numbers[1]),
                              static_cast<int>(numbers[2]), static_cast<int>(numbers[3]),
                              bytes.substr(pos, size)});
            unprinted = true;
            pos += size;
        } else if (line == "N") {
            placed.clear();
            unprinted = false;
        } else if (line[0] == 'q') {
            if (!parseNumbers(line.substr(1), numbers) || numbers.size() != 1 || numbers[0] == 0 ||
                numbers[0] > kMaxDots)
                return fail(error, "bad q command: " + line);
            width = numbers[0];
        } else if (line[0] == 'Q') {
            // Q length,gap[,offset]; the gap may be given as B (black line) followed by a number.
            const size_t comma = line.find(',');
            if (comma == std::string::npos || !parseNumbers(line.substr(1, comma - 1), numbers) ||
                numbers[0] == 0 || numbers[0] > kMaxDots)
                return fail(error, "bad Q command: " + line);
            length = numbers[0];
        } else if (line[0] == 'P') {
            if (!parseNumbers(line.substr(1), numbers) || numbers.size() > 2 || numbers[0] == 0 ||
                (numbers.size() == 2 && numbers[1] == 0))
                return fail(error, "bad P command: " + line);
            const long copies = numbers[0] * (numbers.size() == 2 ? numbers[1] : 1);
            if (copies > 99999) return fail(error, "bad P command: " + line);
            Epl2Label label;
            if (!render(placed, width, length, static_cast<int>(copies), label, error))
                return false;
            labels.push_back(std::move(label));
            unprinted = false;
        } else if (isDrawingCommand(line)) {
            return fail(error, "drawing command that cannot be read back: " + line);
        }
        // Everything else sets up the printer (darkness, speed, media, cutter) and draws nothing.
    }
    if (unprinted) return fail(error, "graphics after the last P are never printed");
    return true;
}

std::optional<DotBox> printedBox(const Epl2Label& label, std::optional<DotBox> area) {
    const DotBox within = area.value_or(DotBox{0, 0, label.width, label.height});
    std::optional<DotBox> box;
    for (int y = std::max(0, within.top); y < std::min(label.height, within.bottom); ++y) {
        for (int x = std::max(0, within.left); x < std::min(label.width, within.right); ++x) {
            if (!label.printed(x, y)) continue;
            if (!box) {
                box = DotBox{x, y, x + 1, y + 1};
            } else {
                box->left = std::min(box->left, x);
                box->right = std::max(box->right, x + 1);
                box->bottom = y + 1;
            }
        }
    }
    return box;
}

std::vector<DotRun> printedRuns(const Epl2Label& label, int y) {
    std::vector<DotRun> runs;
    for (int x = 0; x < label.width; ++x) {
        if (!label.printed(x, y)) continue;
        if (!runs.empty() && runs.back().start + runs.back().length == x)
            ++runs.back().length;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

bool saveEpl2LabelPng(const Epl2Label& label, const std::string& path) {
    if (label.width <= 0 || label.height <= 0) return false;
    QImage image(label.width, label.height, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < label.height; ++y)
        for (int x = 0; x < label.width; ++x) image.setPixel(x, y, label.printed(x, y) ? 1 : 0);
    return image.save(QString::fromStdString(path), "PNG");
}

}  // namespace qv::test
