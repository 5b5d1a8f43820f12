// QPainterSurface: the drawing surface on a QPainter, for every device the programs draw on
// (QPdfWriter, QImage, QPrinter, a widget).
//
// Logical (x, y) in 0.1 mm, y upward, lands at device (x, -y) x dpi / 254 in floating point, so
// PDF output keeps full precision. The mapping is composed with the painter's own transform: a
// caller that translates or scales the painter first moves or zooms the whole page. The
// painter must be active; the surface sets aliased filling and antialiased text on it.
//
// Use, one surface per page (a fresh one starts with the fresh device state):
//   PDF:     QPdfWriter writer(path); writer.setResolution(1200); page size, zero margins;
//            QPainter painter(&writer); { QPainterSurface surface(painter); draw(surface); }
//            writer.newPage(); ...
//   Image:   QImage image(w, h, QImage::Format_ARGB32); image.fill(Qt::white); set its dots
//            per metre to the dpi (dpi / 0.0254) so describeDevice reads it, or pass a
//            SurfaceDevice; QPainter painter(&image); QPainterSurface surface(painter);
//   Printer: QPainter painter(&printer); QPainterSurface surface(painter): the painter's origin
//            is the printable area's top-left corner and heightMM() its height, as wanted.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "label/surface/draw_surface.h"

class QPainter;
class QPaintDevice;
class QTransform;

namespace qv {

// What the drawing code asks of the device.
struct SurfaceDevice {
    double dpi = 300;        // logical dots per inch (the same across and down)
    int colourCount = 256;   // 2 for a monochrome device
    int verticalSizeMm = 0;  // height of the printable area
    // A raster printer's page: filled rectangles (bars, spaces, bands) get their edges on whole
    // device dots and each bar is its own fill, as a stretched canvas gives on the printer, so a
    // rasteriser neither widens nor narrows them.
    bool wholeDots = false;
    // What the printer asks of barcodes; only a printer's page asks anything.
    BarRaster barRaster;
};

// The description of a device as Qt reports it: logical dpi across, height in mm, and 2 colours
// for a 1-bit image or a printer set to greyscale (otherwise 2 to the power of the depth,
// at most 2^24).
SurfaceDevice describeDevice(const QPaintDevice& device);

// 0x00BBGGRR as a QColor.
QColor colourOf(Rgb colour);

class QPainterSurface : public DrawSurface {
  public:
    QPainterSurface(QPainter& painter, const SurfaceDevice& device);
    // The device described by describeDevice(*painter.device()).
    explicit QPainterSurface(QPainter& painter);

    void selectSolidPen(int width, Rgb colour) override;
    void selectBlackPen() override;
    void selectDottedPen(Rgb colour) override;
    void rectangle(const LogicalRect& rect) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(const LogicalRect& rect, Rgb colour) override;

    // The first font is "System", 20 units high; text is black on an opaque white background
    // until told otherwise, as on a fresh Windows device context.
    FontSpec selectFont(const FontSpec& font) override;
    void setTextColor(Rgb colour) override;
    void setBackgroundTransparent(bool transparent) override;
    void textOut(int x, int y, std::string_view text) override;
    void drawTextInRect(const LogicalRect& rect, std::string_view text, HAlign h,
                        VAlign v) override;
    void textOutClipped(int x, int y, const LogicalRect& clip, std::string_view text) override;
    TextSize textExtent(std::string_view text, size_t characters) override;

    int colourCount() const override { return device_.colourCount; }
    int verticalSizeMm() const override { return device_.verticalSizeMm; }
    int horizontalDpi() const override;

    void drawCanvas(const BarCanvas& canvas, const CanvasRect& source,
                    const LogicalRect& target) override;
    void drawDotCanvas(const BarCanvas& canvas, const CanvasRect& source,
                       const LogicalRect& target) override;
    BarRaster barRaster() const override { return device_.barRaster; }
    void drawBitmap(const BitmapImage& image, const LogicalRect& target) override;

    // Device pixels per logical unit.
    double scale() const { return scale_; }
    QPointF toDevice(int x, int y) const;
    QRectF toDevice(const LogicalRect& rect) const;  // normalised

  private:
    // A device rectangle, on whole dots when the device asks for it.
    QRectF onDots(const QRectF& rect) const;
    void paintFills(const BarCanvas& canvas, const QTransform& canvasToDevice);
    // True when the current font writes top to bottom (an "@" face turned by 900).
    bool vertical() const;
    // Clockwise turn on the device of the current font's line about its anchor, in degrees.
    double lineAngle() const;
    // The device area the text's cells cover when its anchor (the top-left corner of its first
    // cell, turned with the line) is at (0, 0).
    QRectF footprint(const QString& text) const;
    // Draws `text` in the current font with its anchor at `anchor`, cut at `clip` unless null.
    void paintText(QPointF anchor, std::string_view text, const QRectF& clip);
    void paintCanvasText(const CanvasText& text, const QTransform& canvasToDevice);

    QPainter& painter_;
    SurfaceDevice device_;
    double scale_;
    FontSpec fontSpec_;
    QFont font_;
    QPen pen_;
    QColor textColour_ = Qt::black;
    bool transparent_ = false;
    QPointF current_;  // the pen position of moveTo and lineTo, in device units
};

}  // namespace qv
