#include "platform/qpainter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "label/definition/tenths_of_mm.h"
#include "platform/bitmap_decoding.h"
#include "platform/font_mapping.h"
#include "platform/qt_text.h"
#include "platform/vertical_text.h"

namespace qv {
namespace {

constexpr double kLogicalPerInch = kTenthsPerInch;
constexpr int kVerticalEscapement = 900;  // tenths of a degree: a line reading upward
constexpr int kMaxColourBits = 24;

FontSpec systemFont() {
    FontSpec font;
    font.faceName = "System";
    return font;
}

QRectF rectOf(const CanvasRect& rect) {
    return QRectF(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

SurfaceDevice describeDevice(const QPaintDevice& device) {
    SurfaceDevice described;
    described.dpi = device.logicalDpiX();
    described.verticalSizeMm = device.heightMM();
    bool monochrome = device.depth() == 1;
    if (const auto* printer = dynamic_cast<const QPrinter*>(&device)) {
        monochrome = printer->colorMode() == QPrinter::GrayScale;
    }
    described.colourCount = monochrome ? 2 : 1 << std::clamp(device.depth(), 1, kMaxColourBits);
    return described;
}

QColor colourOf(Rgb colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QPainterSurface::QPainterSurface(QPainter& painter, const SurfaceDevice& device)
    : painter_(painter),
      device_(device),
      scale_(device.dpi / kLogicalPerInch),
      fontSpec_(systemFont()),
      font_(fontFor(fontSpec_, scale_)),
      pen_(Qt::black, 0) {
    // Aliased fills keep raster bar edges clean; text stays smooth.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QPainterSurface::QPainterSurface(QPainter& painter)
    : QPainterSurface(painter, describeDevice(*painter.device())) {}

int QPainterSurface::horizontalDpi() const {
    return static_cast<int>(std::lround(device_.dpi));
}

QPointF QPainterSurface::toDevice(int x, int y) const {
    return QPointF(x * scale_, -y * scale_);
}

QRectF QPainterSurface::toDevice(const LogicalRect& rect) const {
    return QRectF(toDevice(rect.left, rect.top), toDevice(rect.right, rect.bottom)).normalized();
}

// ---- Pens, lines and rectangles

void QPainterSurface::selectSolidPen(int width, Rgb colour) {
    // A pen never gets thinner than one device pixel; width 0 is the thinnest pen.
    const double pixels = width > 0 ? std::max(1.0, width * scale_) : 0.0;
    pen_ = QPen(colourOf(colour), pixels, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void QPainterSurface::selectBlackPen() {
    pen_ = QPen(Qt::black, 0);  // cosmetic: one device pixel
}

void QPainterSurface::selectDottedPen(Rgb colour) {
    pen_ = QPen(colourOf(colour), 0, Qt::DotLine);
}

void QPainterSurface::rectangle(const LogicalRect& rect) {
    painter_.save();
    painter_.setPen(pen_);
    painter_.setBrush(Qt::white);
    painter_.drawRect(toDevice(rect));
    painter_.restore();
}

void QPainterSurface::moveTo(int x, int y) {
    current_ = toDevice(x, y);
}

void QPainterSurface::lineTo(int x, int y) {
    const QPointF to = toDevice(x, y);
    painter_.save();
    painter_.setPen(pen_);
    painter_.drawLine(QLineF(current_, to));
    painter_.restore();
    current_ = to;
}

void QPainterSurface::fillRect(const LogicalRect& rect, Rgb colour) {
    const QRectF area = onDots(toDevice(rect));
    if (!area.isEmpty()) painter_.fillRect(area, colourOf(colour));
}

QRectF QPainterSurface::onDots(const QRectF& rect) const {
    if (!device_.wholeDots) return rect;
    // Edges on whole dots, then a quarter dot inside them: a rasteriser that fills every dot a
    // shape touches (Ghostscript) and one that fills the dots whose centre it covers (poppler)
    // then both fill exactly the dots between the edges, whatever rounding the PDF numbers got.
    constexpr double kInset = 0.25;
    const double left = std::round(rect.left());
    const double top = std::round(rect.top());
    const double right = std::round(rect.right());
    const double bottom = std::round(rect.bottom());
    if (right <= left || bottom <= top) return QRectF();
    return QRectF(QPointF(left + kInset, top + kInset), QPointF(right - kInset, bottom - kInset));
}

// ---- Text

FontSpec QPainterSurface::selectFont(const FontSpec& font) {
    FontSpec previous = fontSpec_;
    fontSpec_ = font;
    font_ = fontFor(font, scale_);
    return previous;
}

void QPainterSurface::setTextColor(Rgb colour) {
    textColour_ = colourOf(colour);
}

void QPainterSurface::setBackgroundTransparent(bool transparent) {
    transparent_ = transparent;
}

bool QPainterSurface::vertical() const {
    return isVerticalFace(fontSpec_.faceName) && fontSpec_.escapement == kVerticalEscapement;
}

double QPainterSurface::lineAngle() const {
    // Escapement turns counter-clockwise; a vertical face writes its line down the page.
    return vertical() ? 90.0 : -fontSpec_.escapement / 10.0;
}

QRectF QPainterSurface::footprint(const QString& text) const {
    const QFontMetricsF metrics(font_, painter_.device());
    const QRectF cell(0, 0, metrics.horizontalAdvance(text), metrics.height());
    return QTransform().rotate(lineAngle()).mapRect(cell);
}

void QPainterSurface::paintText(QPointF anchor, std::string_view text, const QRectF& clip) {
    const QString line = fromSjis(text);
    const QFontMetricsF metrics(font_, painter_.device());
    painter_.save();
    if (!clip.isNull()) painter_.setClipRect(clip, Qt::IntersectClip);
    painter_.translate(anchor);
    painter_.rotate(lineAngle());
    if (!transparent_) {
        painter_.fillRect(QRectF(0, 0, metrics.horizontalAdvance(line), metrics.height()),
                          Qt::white);
    }
    painter_.setFont(font_);
    painter_.setPen(textColour_);
    if (vertical()) {
        paintVerticalLine(painter_, metrics, text);
    } else {
        painter_.drawText(QPointF(0, metrics.ascent()), line);
    }
    painter_.restore();
}

void QPainterSurface::textOut(int x, int y, std::string_view text) {
    paintText(toDevice(x, y), text, QRectF());
}

void QPainterSurface::drawTextInRect(const LogicalRect& rect, std::string_view text, HAlign h,
                                     VAlign v) {
    const QRectF box = toDevice(rect);
    const QRectF area = footprint(fromSjis(text));
    double left = box.left();
    if (h == HAlign::Centre) left = box.center().x() - area.width() / 2;
    if (h == HAlign::Right) left = box.right() - area.width();
    double top = box.top();
    if (v == VAlign::Middle) top = box.center().y() - area.height() / 2;
    if (v == VAlign::Bottom) top = box.bottom() - area.height();
    paintText(QPointF(left, top) - area.topLeft(), text, box);
}

void QPainterSurface::textOutClipped(int x, int y, const LogicalRect& clip, std::string_view text) {
    paintText(toDevice(x, y), text, toDevice(clip));
}

TextSize QPainterSurface::textExtent(std::string_view text, size_t characters) {
    // Every CP932 character, single or double byte, is one UTF-16 unit.
    constexpr size_t kLongest = 1 << 16;  // far beyond any label line
    // Padding beyond this many blanks is measured as blanks times their count, so that a field
    // length of 65535 costs no more than a short one; shorter padding is measured as laid out.
    constexpr qsizetype kMeasuredPadding = 256;
    const auto count = static_cast<qsizetype>(std::min(characters, kLongest));
    QString measured = fromSjis(text).left(count);
    const qsizetype padding = count - measured.size();
    measured.append(QString(std::min(padding, kMeasuredPadding), QChar(u' ')));
    const QFontMetricsF metrics(font_, painter_.device());
    qreal width = metrics.horizontalAdvance(measured);
    if (padding > kMeasuredPadding) {
        width += static_cast<qreal>(padding - kMeasuredPadding) * metrics.horizontalAdvance(u' ');
    }
    return {static_cast<int>(std::lround(width / scale_)),
            static_cast<int>(std::lround(metrics.height() / scale_))};
}

// ---- Barcode canvas

// The image is stretched with smooth scaling off, so a logo's pixels stay crisp when enlarged.
void QPainterSurface::drawBitmap(const BitmapImage& image, const LogicalRect& target) {
    const QImage decoded = decodedBitmap(image);
    if (decoded.isNull()) return;
    const QRectF area =
        QRectF(toDevice(target.left, target.top), toDevice(target.right, target.bottom))
            .normalized();
    if (area.isEmpty()) return;
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(area, decoded);
    painter_.restore();
}

void QPainterSurface::drawCanvas(const BarCanvas& canvas, const CanvasRect& source,
                                 const LogicalRect& target) {
    if (source.width == 0 || source.height == 0) return;
    const QPointF from = toDevice(target.left, target.top);
    const QPointF to = toDevice(target.right, target.bottom);
    const double sx = (to.x() - from.x()) / source.width;  // negative: mirrored
    const double sy = (to.y() - from.y()) / source.height;
    const QTransform canvasToDevice(sx, 0, 0, sy, from.x() - source.left * sx,
                                    from.y() - source.top * sy);
    const QRectF area = onDots(QRectF(from, to).normalized());

    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setClipRect(area, Qt::IntersectClip);
    painter_.fillRect(area, Qt::white);  // the canvas is white under its shapes
    paintFills(canvas, canvasToDevice);
    for (const CanvasText& text : canvas.texts) paintCanvasText(text, canvasToDevice);
    painter_.restore();
}

// Canvas units are dots here: the region goes onto whole dots, centred in the field, one unit
// on one dot, so the layout's whole-dot widths reach the device unchanged.
void QPainterSurface::drawDotCanvas(const BarCanvas& canvas, const CanvasRect& source,
                                    const LogicalRect& target) {
    if (source.width <= 0 || source.height <= 0) return;
    const QPointF from = toDevice(target.left, target.top);
    const QPointF to = toDevice(target.right, target.bottom);
    const QRectF field = QRectF(from, to).normalized();
    const double left = std::round(field.left() + (field.width() - source.width) / 2);
    const double top = std::round(field.top() + (field.height() - source.height) / 2);
    const bool turned = to.x() < from.x();
    const double s = turned ? -1 : 1;
    const double dx = turned ? left + source.left + source.width : left - source.left;
    const double dy = turned ? top + source.top + source.height : top - source.top;
    const QTransform canvasToDevice(s, 0, 0, s, dx, dy);
    const QRectF area = onDots(QRectF(left, top, source.width, source.height));

    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setClipRect(area, Qt::IntersectClip);
    painter_.fillRect(area, Qt::white);
    paintFills(canvas, canvasToDevice);
    for (const CanvasText& text : canvas.texts) paintCanvasText(text, canvasToDevice);
    painter_.restore();
}

void QPainterSurface::paintFills(const BarCanvas& canvas, const QTransform& canvasToDevice) {
    painter_.setPen(Qt::NoPen);
    if (device_.wholeDots) {
        // One fill per bar: a rasteriser fills a path of many rectangles by other rules than
        // a single one, and would widen the bars.
        for (const CanvasFill& fill : canvas.fills) {
            const QRectF bar = onDots(canvasToDevice.mapRect(rectOf(fill.rect)));
            if (!bar.isEmpty()) painter_.fillRect(bar, colourOf(fill.colour));
        }
        return;
    }
    // Runs of fills in one colour go out in one drawRects call: on a PDF a symbol's bars become
    // one fill operation instead of one each, which keeps pages small and quick to write.
    std::vector<QRectF> run;
    for (size_t first = 0; first < canvas.fills.size();) {
        const uint32_t colour = canvas.fills[first].colour;
        run.clear();
        size_t next = first;
        for (; next < canvas.fills.size() && canvas.fills[next].colour == colour; ++next) {
            run.push_back(canvasToDevice.mapRect(rectOf(canvas.fills[next].rect)));
        }
        painter_.setBrush(colourOf(colour));
        painter_.drawRects(run.data(), static_cast<int>(run.size()));
        first = next;
    }
}

void QPainterSurface::paintCanvasText(const CanvasText& text, const QTransform& canvasToDevice) {
    const double acrossScale = std::abs(canvasToDevice.m11());
    const double downScale = std::abs(canvasToDevice.m22());
    FontSpec request;
    request.faceName = text.faceName;
    request.height = text.height;
    request.width = text.width;
    request.weight = text.weight;
    // An upward line is as high as the device is wide, and runs along the device's height.
    const QFont font = text.upward ? fontFor(request, downScale, acrossScale)
                                   : fontFor(request, acrossScale, downScale);

    const QRectF box = canvasToDevice.mapRect(rectOf(text.box));
    QSizeF size = box.size();
    painter_.save();
    painter_.translate(box.center());
    // Mirrored as the canvas is, so the text turns with the bars as a bitmap copy would.
    painter_.scale(canvasToDevice.m11() < 0 ? -1 : 1, canvasToDevice.m22() < 0 ? -1 : 1);
    if (text.upward) {
        painter_.rotate(-90);
        size.transpose();
    }
    painter_.setFont(font);
    painter_.setPen(colourOf(text.colour));
    painter_.drawText(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size),
                      Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, fromSjis(text.text));
    painter_.restore();
}

}  // namespace qv
