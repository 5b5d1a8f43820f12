// Bar and space runs of JAN, ITF, NW7 and CODE 39 symbols on the drawing canvas.
#include "label/barcode/bar_encoding.h"

#include <algorithm>
#include <array>

#include "label/barcode/bar_patterns.h"
#include "label/barcode/barcode_charsets.h"

namespace qv {
namespace {

// JAN, in modules: quiet zones 11 + 95 symbol modules + 11 = end position 117 for EAN-13,
// 7 + 67 + 11 = 85 for EAN-8.
constexpr int kEan13LeftMargin = 11;
constexpr int kEan8LeftMargin = 7;
constexpr int kJanRightMargin = 11;
constexpr int kEan8End = 85;
constexpr int kJanRegionModules = 107;  // copied region: 107·X + 11 units
constexpr int kJanRegionExtra = 11;

constexpr int kItfNarrow = 3;  // ratio 1 : 3, times k
constexpr int kItfWide = 9;
constexpr int kItfMargin = 20;  // times k

constexpr int kWideNarrowNarrow = 3;  // NW7 and CODE 39: ratio 3 : 7, times k
constexpr int kWideNarrowWide = 7;
constexpr int kWideNarrowGap = 4;      // inter-character gap, times k
constexpr int kWideNarrowMargin = 20;  // not scaled by k

// Writes the runs of one symbol into `out`, joining a run to the previous one when both have the
// same colour. The storage is sized once for `maxAdds` (the most add() calls the symbol can make),
// so adding a run never allocates; finish() trims it to the runs written.
class RunWriter {
  public:
    RunWriter(BarSymbol& out, int firstBarX, size_t maxAdds) : out_(out) {
        out.firstBarX = firstBarX;
        out.runs.resize(maxAdds);
        first_ = next_ = out.runs.data();
    }

    void add(bool bar, int width) {
        if (next_ != first_ && next_[-1].bar == bar) {
            next_[-1].width += width;
        } else {
            *next_++ = BarRun{bar, width};
        }
        length_ += width;
    }
    // EAN modules: '1' = dark, each `moduleWidth` units.
    void modules(std::string_view flags, int moduleWidth) {
        for (char f : flags) add(f == '1', moduleWidth);
    }
    // Elements alternating bar and space from a bar: '1' = wide.
    void elements(std::string_view flags, int narrow, int wide) {
        bool bar = true;
        for (char f : flags) {
            add(bar, f == '1' ? wide : narrow);
            bar = !bar;
        }
    }
    // A trailing space run becomes part of the right margin, which reaches `rightMargin` beyond.
    void finish(int rightMargin) {
        if (next_ != first_ && !next_[-1].bar) --next_;
        out_.runs.resize(static_cast<size_t>(next_ - first_));
        out_.canvasWidth = out_.firstBarX + length_ + rightMargin;
    }

  private:
    BarSymbol& out_;
    BarRun* first_;
    BarRun* next_;
    int length_ = 0;
};

// Position of every byte in a character set, or -1.
using PositionTable = std::array<signed char, 256>;

constexpr PositionTable positionTable(std::string_view set) {
    PositionTable table{};
    for (auto& position : table) position = -1;
    for (size_t i = 0; i < set.size(); ++i) {
        table[static_cast<unsigned char>(set[i])] = static_cast<signed char>(i);
    }
    return table;
}

constexpr auto kCode39Positions = positionTable(kCode39Characters);
constexpr auto kNw7Positions = positionTable(kNw7PatternCharacters);

int positionIn(const PositionTable& table, char c) {
    return table[static_cast<unsigned char>(c)];
}

// The digit at `index` of `value`, or -1 when there is none.
int digitAt(std::string_view value, size_t index) {
    if (index >= value.size() || value[index] < '0' || value[index] > '9') return -1;
    return value[index] - '0';
}

// NW7 and CODE 39: each character's elements and its gap, between fixed margins.
template <size_t N>
void encodeWideNarrow(std::string_view value, int k, const PositionTable& positions,
                      const std::array<std::string_view, N>& patterns, BarSymbol& out) {
    k = std::max(1, k);
    const size_t addsPerCharacter = patterns[0].size() + 1;  // elements and gap
    RunWriter w(out, kWideNarrowMargin, value.size() * addsPerCharacter);
    for (char c : value) {
        const int position = positionIn(positions, c);
        if (position < 0) continue;
        w.elements(patterns[position], kWideNarrowNarrow * k, kWideNarrowWide * k);
        w.add(false, kWideNarrowGap * k);
    }
    w.finish(kWideNarrowMargin);
}

template <size_t N>
int wideNarrowLength(std::string_view value, const PositionTable& positions,
                     const std::array<std::string_view, N>& patterns) {
    int m = 0;
    for (char c : value) {
        const int position = positionIn(positions, c);
        if (position < 0) continue;
        for (char f : patterns[position]) m += f == '1' ? kWideNarrowWide : kWideNarrowNarrow;
        m += kWideNarrowGap;
    }
    return m;
}

}  // namespace

int BarSymbol::symbolEnd() const {
    int x = firstBarX;
    for (const BarRun& run : runs) x += run.width;
    return x;
}

void EncodeJan(std::string_view value, bool isEan13, int moduleWidth, BarSymbol& out) {
    static constexpr std::string_view kNoDigit = "0000000";
    const int x = std::max(1, moduleWidth);
    const int halfDigits = isEan13 ? 6 : 4;
    const size_t firstLeft = isEan13 ? 1 : 0;  // an EAN-13's first digit is in the left parity
    const size_t firstRight = firstLeft + halfDigits;
    const int first = isEan13 ? std::max(0, digitAt(value, 0)) : 0;
    const std::string_view parity = isEan13 ? kEan13LeftParity[first] : "0000";

    const int leftMargin = (isEan13 ? kEan13LeftMargin : kEan8LeftMargin) * x;
    RunWriter w(out, leftMargin, 3 + 7 * halfDigits + 5 + 7 * halfDigits + 3);  // modules
    w.modules(kEanNormalGuard, x);
    for (int i = 0; i < halfDigits; ++i) {
        const int d = digitAt(value, firstLeft + i);
        if (d < 0) {
            w.modules(kNoDigit, x);
        } else {
            w.modules(parity[i] == '1' ? kEanSetB[d] : kEanSetA[d], x);
        }
    }
    w.modules(kEanCentreGuard, x);
    for (int i = 0; i < halfDigits; ++i) {
        const int d = digitAt(value, firstRight + i);
        w.modules(d < 0 ? kNoDigit : kEanSetC[d], x);
    }
    w.modules(kEanNormalGuard, x);
    w.finish(kJanRightMargin * x);
}

int janRegionWidth(bool isEan13, int moduleWidth, bool shortJanNotAligned) {
    const int x = std::max(1, moduleWidth);
    if (!isEan13 && shortJanNotAligned) return kEan8End * x;
    return kJanRegionModules * x + kJanRegionExtra;
}

void EncodeItf(std::string_view value, int k, BarSymbol& out) {
    k = std::max(1, k);
    const int narrow = kItfNarrow * k;
    const int wide = kItfWide * k;
    RunWriter w(out, kItfMargin * k, 4 + value.size() * 5 + 3);  // start, 5 per digit, stop
    w.elements("0000", narrow, wide);  // start: bar, space, bar, space, all narrow
    for (size_t i = 0; i + 1 < value.size(); i += 2) {
        const int barDigit = digitAt(value, i);
        const int spaceDigit = digitAt(value, i + 1);
        if (barDigit < 0 || spaceDigit < 0) continue;
        for (size_t e = 0; e < 5; ++e) {
            w.add(true, kItfDigitPatterns[barDigit][e] == '1' ? wide : narrow);
            w.add(false, kItfDigitPatterns[spaceDigit][e] == '1' ? wide : narrow);
        }
    }
    w.elements("100", narrow, wide);  // stop: wide bar, narrow space, narrow bar
    w.finish(kItfMargin * k);
}

void EncodeNw7(std::string_view value, int k, BarSymbol& out) {
    encodeWideNarrow(value, k, kNw7Positions, kNw7Patterns, out);
}

void EncodeCode39(std::string_view value, int k, BarSymbol& out) {
    encodeWideNarrow(value, k, kCode39Positions, kCode39Patterns, out);
}

int Nw7Length(std::string_view value) {
    return wideNarrowLength(value, kNw7Positions, kNw7Patterns);
}

int Code39Length(std::string_view value) {
    return wideNarrowLength(value, kCode39Positions, kCode39Patterns);
}

BarSymbol EncodeJan(std::string_view value, bool isEan13, int moduleWidth) {
    BarSymbol symbol;
    EncodeJan(value, isEan13, moduleWidth, symbol);
    return symbol;
}

BarSymbol EncodeItf(std::string_view value, int k) {
    BarSymbol symbol;
    EncodeItf(value, k, symbol);
    return symbol;
}

BarSymbol EncodeNw7(std::string_view value, int k) {
    BarSymbol symbol;
    EncodeNw7(value, k, symbol);
    return symbol;
}

BarSymbol EncodeCode39(std::string_view value, int k) {
    BarSymbol symbol;
    EncodeCode39(value, k, symbol);
    return symbol;
}

}  // namespace qv
