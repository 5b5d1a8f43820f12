#include "label/print/calibration_sheet.h"

#include <algorithm>
#include <cmath>

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/definition/label_definition.h"
#include "label/definition/tenths_of_mm.h"

namespace qv {

namespace {

constexpr int kLineWidth = 2;       // 0.2 mm: two dots at 203 dpi, sharp at 300
constexpr int kCrossArm = 40;       // 4 mm each way from the crossing
constexpr int kHalfMillimetre = 5;  // logical units
constexpr int kNumberedEvery = 20;  // a number every 2 mm
constexpr int kNumberHeight = 16;   // 1.6 mm

// Lines in page units: x to the right, y down (the surface's y is negated).
void line(DrawSurface& surface, int x1, int y1, int x2, int y2) {
    surface.moveTo(x1, -y1);
    surface.lineTo(x2, -y2);
}

void crosshair(DrawSurface& surface, int x, int y) {
    line(surface, x - kCrossArm, y, x + kCrossArm, y);
    line(surface, x, y - kCrossArm, x, y + kCrossArm);
}

int tickLength(int v) {
    if (v % kNumberedEvery == 0) return 30;
    if (v % kTenthsPerMm == 0) return 20;
    return 10;
}

// The number of tick `v` (in 0.1 mm from the edge) in mm, written beside the long ticks.
void tickNumber(DrawSurface& surface, const LogicalRect& box, int v) {
    const std::string text = std::to_string(v / kTenthsPerMm);
    surface.drawTextInRect(box, text, HAlign::Centre, VAlign::Middle);
}

// A scale across the edge at x = `edgeX` (a vertical edge), at height `y` on the page.
void scaleAcrossVerticalEdge(DrawSurface& surface, int edgeX, int y) {
    const int reach = tenthsFromWholeMm(kScaleReachMm);
    line(surface, edgeX - reach, y, edgeX + reach, y);
    for (int v = -reach; v <= reach; v += kHalfMillimetre) {
        const int x = edgeX + v;
        line(surface, x, y - tickLength(v), x, y);
        if (v % kNumberedEvery == 0) {
            const int half = kNumberHeight;
            tickNumber(surface, {x - half, -(y + 4), x + half, -(y + 4 + kNumberHeight)}, v);
        }
    }
}

// A scale across the edge at y = `edgeY` (a horizontal edge), at `x` across the page.
void scaleAcrossHorizontalEdge(DrawSurface& surface, int x, int edgeY) {
    const int reach = tenthsFromWholeMm(kScaleReachMm);
    line(surface, x, edgeY - reach, x, edgeY + reach);
    for (int v = -reach; v <= reach; v += kHalfMillimetre) {
        const int y = edgeY + v;
        line(surface, x - tickLength(v), y, x, y);
        if (v % kNumberedEvery == 0) {
            const int half = kNumberHeight / 2;
            tickNumber(surface, {x + 4, -(y - half), x + 4 + 2 * kNumberHeight, -(y + half)}, v);
        }
    }
}

// Millimetres as "210" or "50.8".
std::string millimetres(double mm) {
    const int tenths = tenthsFromMm(mm);
    if (tenths % kTenthsPerMm == 0) return std::to_string(tenths / kTenthsPerMm);
    return formatText("%.1f", mmFromTenths(tenths));
}

void text(DrawSurface& surface, int centreX, int top, int height, const std::string& utf8) {
    const int halfWidth = 100000;
    surface.drawTextInRect({centreX - halfWidth, -top, centreX + halfWidth, -(top + height)},
                           sjis::fromUtf8(utf8), HAlign::Centre, VAlign::Middle);
}

// The printer, the paper and the offset the sheet was printed with, in the middle of the page.
void caption(DrawSurface& surface, const CalibrationSheet& sheet, int width, int height) {
    const int lineHeight = std::clamp(std::min(width, height) / 15, 15, 40);
    FontSpec font;
    font.height = lineHeight * 4 / 5;
    font.faceName = kDefaultFaceName;
    const FontSpec previous = surface.selectFont(font);
    const int top = height / 2 - lineHeight * 3 / 2;
    text(surface, width / 2, top, lineHeight, "キャリブレーションシート " + sheet.printerName);
    text(surface, width / 2, top + lineHeight, lineHeight,
         "用紙 " + millimetres(sheet.widthMm) + " × " + millimetres(sheet.heightMm) + " mm");
    text(surface, width / 2, top + 2 * lineHeight, lineHeight,
         "オフセット X " + offsetMmText(sheet.offset.xTenths) + " mm  Y " +
             offsetMmText(sheet.offset.yTenths) + " mm");
    surface.selectFont(previous);
}

}  // namespace

void drawCalibrationSheet(DrawSurface& surface, const CalibrationSheet& sheet) {
    const int width = tenthsFromMm(sheet.widthMm);
    const int height = tenthsFromMm(sheet.heightMm);
    if (width <= 0 || height <= 0) return;
    surface.selectSolidPen(kLineWidth, kBlack);
    surface.setTextColor(kBlack);
    surface.setBackgroundTransparent(true);
    const int d = tenthsFromWholeMm(kCrosshairDistanceMm);
    for (const int x : {d, width - d}) {
        for (const int y : {d, height - d}) crosshair(surface, x, y);
    }
    FontSpec numbers;
    numbers.height = kNumberHeight;
    numbers.faceName = "Arial";
    numbers.charSet = CharacterSet::Ansi;
    const FontSpec previous = surface.selectFont(numbers);
    scaleAcrossVerticalEdge(surface, 0, height / 2);
    scaleAcrossVerticalEdge(surface, width, height / 2);
    scaleAcrossHorizontalEdge(surface, width / 2, 0);
    scaleAcrossHorizontalEdge(surface, width / 2, height);
    surface.selectFont(previous);
    caption(surface, sheet, width, height);
}

}  // namespace qv
