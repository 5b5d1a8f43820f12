// Reading back what a label printer would print from EPL2 page-mode output, as the CUPS
// rastertolabel filter writes it for Zebra EPL2 queues: N clears the image buffer, q and Q give
// the label's width and length in dots, GW places raw bitmap rows (a 0 bit is a printed dot) and
// P prints the buffer. rastertolabel sends no Q; the printer keeps the length it has learnt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

// One printed label, row by row; a dot is 1 when printed (black).
struct Epl2Label {
    int width = 0;   // dots across: the q width, else the widest bitmap
    int height = 0;  // dots down: the Q length, else down to the lowest bitmap row
    int copies = 1;  // as the P command asks
    std::vector<uint8_t> dots;

    bool printed(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               dots[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

// A rectangle of dots; right and bottom are one past the last dot.
struct DotBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// A run of printed dots along one row.
struct DotRun {
    int start = 0;
    int length = 0;
};

// The labels the stream prints, one per P command (which, as on the printer, leaves the buffer
// as it is until the next N). Fails with `error` filled (when given) on
// damaged or unsupported input: bitmap data cut short, numbers that are not numbers or are out of
// range, binary bytes where a command should be, drawing commands other than GW (text, barcodes,
// lines), and graphics left unprinted at the end of the stream.
bool decodeEpl2(const std::string& bytes, std::vector<Epl2Label>& labels,
                std::string* error = nullptr);

// The smallest box holding every printed dot inside `area` (the whole label when not given);
// nothing when no dot there is printed.
std::optional<DotBox> printedBox(const Epl2Label& label, std::optional<DotBox> area = {});

// The runs of printed dots along row `y`, left to right.
std::vector<DotRun> printedRuns(const Epl2Label& label, int y);

// Writes the label as a black-and-white PNG file (printed dots black).
bool saveEpl2LabelPng(const Epl2Label& label, const std::string& path);

}  // namespace qv::test
