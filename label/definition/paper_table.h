// The nine paper kinds a sheet can use, with the free size that the user enters.
#pragma once

#include <string>

namespace qv {

constexpr int kPaperCount = 9;
constexpr int kFreePaperIndex = 8;

struct PaperSize {
    int widthMm = 0;
    int heightMm = 0;
};

// Windows paper size numbers, as printer set-up hands them on.
constexpr int kPaperCodeCustom = 0;
constexpr int kPaperCodeA3 = 8;
constexpr int kPaperCodeA4 = 9;
constexpr int kPaperCodeB4 = 12;  // JIS B4
constexpr int kPaperCodeB5 = 13;  // JIS B5

// The fixed rows 0-7 and the free size of row 8 (0 x 0 until the user or a loaded definition
// sets it). An index outside 0-8 behaves as the free size, so no lookup leaves the table.
class PaperTable {
  public:
    PaperSize paperSize(int paperIndex) const;
    PaperSize freeSize() const { return free_; }
    void setFreeSize(PaperSize size) { free_ = size; }

    // The name the paper combo box and the listing show (UTF-8), e.g. "Ａ４よこ".
    static const char* displayName(int paperIndex);
    // The index of a display name among the first eight; any other name means the free size.
    static int indexOfDisplayName(const std::string& name);
    static int printerCode(int paperIndex);
    // Odd indexes are the landscape kinds; the free size counts as even.
    static bool isLandscapeKind(int paperIndex) { return paperIndex % 2 == 1; }

  private:
    PaperSize free_;
};

}  // namespace qv
