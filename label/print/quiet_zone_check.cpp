#include "label/print/quiet_zone_check.h"

#include <algorithm>

#include "label/definition/definition_bits.h"
#include "label/definition/literal_entry.h"
#include "label/print/font_template.h"

namespace qv {

namespace {

constexpr int kFrameHalfWidth = 2;  // half of the 0.3 mm frame pen, rounded up
constexpr int kLineHalfWidth = 1;   // the thinnest pen

struct Segment {
    double x1, y1, x2, y2;
};

LogicalRect normalised(const LogicalRect& r) {
    return {std::min(r.left, r.right), std::max(r.top, r.bottom), std::max(r.left, r.right),
            std::min(r.top, r.bottom)};
}

bool overlaps(const LogicalRect& a, const LogicalRect& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

LogicalRect widened(const LogicalRect& r, int by) {
    return {r.left - by, r.top + by, r.right + by, r.bottom - by};
}

// Whether the segment passes through the inside of `r` (touching its edge is not enough).
bool crosses(const Segment& s, const LogicalRect& r) {
    double t0 = 0;
    double t1 = 1;
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.x1 - r.left, r.right - s.x1, s.y1 - r.bottom, r.top - s.y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] <= 0) return false;  // parallel and outside or on the edge
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) t0 = std::max(t0, t);
        if (p[k] > 0) t1 = std::min(t1, t);
    }
    return t0 < t1;
}

// A text of `characters` characters at `pointSize` with its top-left corner at `at`.
LogicalRect textBox(LogicalPoint at, int pointSize, size_t characters, bool vertical) {
    const int height = pointsAtScale(pointSize, kLogicalUnitsPerMm);
    const int length = static_cast<int>(std::min<size_t>(characters, 1000)) * height / 2;
    return vertical ? LogicalRect{at.x, at.y, at.x + height, at.y - length}
                    : LogicalRect{at.x, at.y, at.x + length, at.y - height};
}

LogicalPoint inLabel(LogicalPoint corner, int xMm, int yMm) {
    return {corner.x + kLogicalUnitsPerMm * xMm, corner.y - kLogicalUnitsPerMm * yMm};
}

// The parts of `z` outside `c`: up to four strips.
std::vector<LogicalRect> outside(const LogicalRect& z, const LogicalRect& c) {
    if (c.left >= c.right || c.bottom >= c.top || !overlaps(z, c)) return {z};
    std::vector<LogicalRect> parts;
    if (z.left < c.left) parts.push_back({z.left, z.top, c.left, z.bottom});
    if (c.right < z.right) parts.push_back({c.right, z.top, z.right, z.bottom});
    const int left = std::max(z.left, c.left);
    const int right = std::min(z.right, c.right);
    if (c.top < z.top) parts.push_back({left, z.top, right, c.top});
    if (z.bottom < c.bottom) parts.push_back({left, c.bottom, right, z.bottom});
    return parts;
}

// The quiet zones, whole for what is drawn after the symbol, and the parts that stay visible for
// what is drawn before it.
class ZoneTest {
  public:
    explicit ZoneTest(const SymbolPlace& place) {
        whole_ = {place.before, place.after};
        for (const LogicalRect& z : whole_) {
            for (const LogicalRect& part : outside(z, place.cleared)) visible_.push_back(part);
        }
    }
    bool hits(const LogicalRect& box, bool drawnAfter = false) const {
        const LogicalRect b = normalised(box);
        return std::any_of(zones(drawnAfter).begin(), zones(drawnAfter).end(),
                           [&](const LogicalRect& z) { return overlaps(b, z); });
    }
    bool hits(const Segment& s, int halfWidth) const {
        return std::any_of(visible_.begin(), visible_.end(),
                           [&](const LogicalRect& z) { return crosses(s, widened(z, halfWidth)); });
    }

  private:
    const std::vector<LogicalRect>& zones(bool drawnAfter) const {
        return drawnAfter ? whole_ : visible_;
    }
    std::vector<LogicalRect> whole_;
    std::vector<LogicalRect> visible_;
};

bool frameInZone(const LabelDefinition& d, const ZoneTest& zone, LogicalPoint c) {
    if (d.sheet.noFrameLines) return false;
    const double l = c.x;
    const double t = c.y;
    const double r = c.x + kLogicalUnitsPerMm * static_cast<double>(d.sheet.labelWidthMm);
    const double b = c.y - kLogicalUnitsPerMm * static_cast<double>(d.sheet.labelHeightMm);
    const Segment edges[] = {{l, t, r, t}, {r, t, r, b}, {r, b, l, b}, {l, b, l, t}};
    return std::any_of(std::begin(edges), std::end(edges),
                       [&](const Segment& s) { return zone.hits(s, kFrameHalfWidth); });
}

bool ruledLineInZone(const LabelDefinition& d, const ZoneTest& zone, LogicalPoint c) {
    const double s = kLogicalUnitsPerMm;
    return std::any_of(d.ruledLines.begin(), d.ruledLines.end(), [&](const RuledLine& line) {
        if (!isUsed(line)) return false;
        // The stored y values are already negative downward.
        return zone.hits(Segment{c.x + s * line.startX, c.y + s * line.startY, c.x + s * line.endX,
                                 c.y + s * line.endY},
                         kLineHalfWidth);
    });
}

bool textFieldInZone(const LabelDefinition& d, int field, const ZoneTest& zone, LogicalPoint c) {
    for (int k = 0; k < fieldCount(d.dataFile) && k < kMaxFields; ++k) {
        const FieldPlacement& f = d.fields[static_cast<size_t>(k)];
        if (k == field || !isPlaced(f) || f.pointSize <= 0) continue;
        if (barcodeKindOf(f) != BarcodeKind::Text) continue;
        const size_t length = static_cast<size_t>(std::max(d.dataFile.fieldLengths[k], 0));
        const bool vertical = isVerticalText(f);
        if (zone.hits(textBox(inLabel(c, f.xMm, f.yMm), f.pointSize, length, vertical),
                      k > field)) {
            return true;
        }
    }
    return false;
}

bool fixedTextInZone(const LabelDefinition& d, const ZoneTest& zone, LogicalPoint c) {
    for (const LiteralPlacement& literal : d.literals) {
        if (!isPlaced(literal)) continue;
        if (!isUsed(literal)) break;  // the first placed slot without text ends them
        const std::string text = parseLiteralEntry(literal.entry).text;
        if (zone.hits(textBox(inLabel(c, literal.xMm, literal.yMm), literal.pointSize, text.size(),
                              false))) {
            return true;
        }
    }
    return false;
}

bool bitmapInZone(const LabelDefinition& d, const ZoneTest& zone, LogicalPoint c) {
    return std::any_of(d.bitmaps.begin(), d.bitmaps.end(), [&](const BitmapPlacement& b) {
        return isUsed(b) && zone.hits({c.x + b.left, c.y + b.top, c.x + b.right, c.y + b.bottom});
    });
}

}  // namespace

namespace {

const char* intruderNameJa(Intruder item) {
    switch (item) {
        case Intruder::FrameLine:
            return "ラベルの枠線";
        case Intruder::RuledLine:
            return "罫線";
        case Intruder::TextField:
            return "文字フィールド";
        case Intruder::FixedText:
            return "固定文字";
        case Intruder::Bitmap:
            return "ビットマップ";
        case Intruder::Barcode:
            return "別のバーコード";
    }
    return "";
}

const char* intruderNameEn(Intruder item) {
    switch (item) {
        case Intruder::FrameLine:
            return "the label frame";
        case Intruder::RuledLine:
            return "a ruled line";
        case Intruder::TextField:
            return "a text field";
        case Intruder::FixedText:
            return "a fixed text";
        case Intruder::Bitmap:
            return "a bitmap";
        case Intruder::Barcode:
            return "another barcode";
    }
    return "";
}

}  // namespace

std::string quietZoneMessageJa(Intruder item) {
    return std::string(intruderNameJa(item)) + "がクワイエットゾーンに入っています";
}

std::string quietZoneMessageEn(Intruder item) {
    return std::string(intruderNameEn(item)) + " lies in the quiet zone";
}

std::vector<Intruder> quietZoneIntruders(
    const LabelDefinition& d, int field, const SymbolPlace& place, LogicalPoint corner,
    const std::vector<std::pair<int, LogicalRect>>& otherBars) {
    std::vector<Intruder> found;
    if (!place.drawn) return found;
    const ZoneTest zone(place);
    if (frameInZone(d, zone, corner)) found.push_back(Intruder::FrameLine);
    if (ruledLineInZone(d, zone, corner)) found.push_back(Intruder::RuledLine);
    if (textFieldInZone(d, field, zone, corner)) found.push_back(Intruder::TextField);
    if (fixedTextInZone(d, zone, corner)) found.push_back(Intruder::FixedText);
    if (bitmapInZone(d, zone, corner)) found.push_back(Intruder::Bitmap);
    if (std::any_of(otherBars.begin(), otherBars.end(),
                    [&](const std::pair<int, LogicalRect>& other) {
                        return zone.hits(other.second, other.first > field);
                    })) {
        found.push_back(Intruder::Barcode);
    }
    return found;
}

}  // namespace qv
