#include "platform/page_check.h"

#include <QImage>
#include <QPainter>
#include <atomic>
#include <cmath>
#include <memory>
#include <mutex>
#include <thread>

#include "label/definition/tenths_of_mm.h"
#include "platform/barcode_reader.h"

namespace qv {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kThreads = 2;
constexpr int kCropMargin = 2;  // device dots around the quiet zones

// The device dots of a logical rectangle (0.1 mm, y upward).
QRect dotsOf(const LogicalRect& r, double dpi) {
    const double k = dpi / kTenthsPerInch;
    const int left = static_cast<int>(std::floor(r.left * k)) - kCropMargin;
    const int top = static_cast<int>(std::floor(-r.top * k)) - kCropMargin;
    const int right = static_cast<int>(std::ceil(r.right * k)) + kCropMargin;
    const int bottom = static_cast<int>(std::ceil(-r.bottom * k)) + kCropMargin;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// One thread: takes the next page, draws it while it holds the painter, reads it without.
class PageChecker {
  public:
    PageChecker(const QSize& pixels, const SurfaceDevice& device, const PlannedPagePainter& paint,
                std::mutex& painting)
        : image_(pixels, QImage::Format_Grayscale8),
          device_(device),
          paint_(paint),
          painting_(painting) {}

    bool ready() const { return !image_.isNull(); }

    void run(std::atomic<int>& next, int last) {
        for (int page = next++; page <= last; page = next++) check(page);
    }

    VerifyReport report;

  private:
    void check(int page) {
        std::vector<BarcodeToRead> planned;
        image_.fill(Qt::white);
        {
            const std::lock_guard<std::mutex> lock(painting_);
            QPainter painter(&image_);
            QPainterSurface surface(painter, device_);
            planned = paint_(surface, page);
        }
        for (const BarcodeToRead& b : planned) {
            if (!b.drawable) {
                report.add(b, std::nullopt);
                continue;
            }
            const QRect area = dotsOf(b.crop, device_.dpi);
            report.add(b, readBarcode(image_, area, b.kind, b.ean13, b.vertical));
        }
    }

    QImage image_;
    SurfaceDevice device_;
    const PlannedPagePainter& paint_;
    std::mutex& painting_;
};

}  // namespace

SurfaceDevice checkDevice(int dpi, int verticalSizeMm) {
    SurfaceDevice device;
    device.dpi = dpi;
    device.colourCount = 2;
    device.wholeDots = true;
    device.verticalSizeMm = verticalSizeMm;
    return device;
}

bool checkPages(const PageFormat& format, const SurfaceDevice& device, int first, int last,
                const PlannedPagePainter& paint, VerifyReport& report, std::string& error) {
    const int dpi = static_cast<int>(std::lround(device.dpi));
    error = pngPageTooLarge(format, dpi);
    if (!error.empty()) return false;
    const QSize pixels(qRound(format.widthMm / kMmPerInch * device.dpi),
                       qRound(format.heightMm / kMmPerInch * device.dpi));
    std::mutex painting;
    std::vector<std::unique_ptr<PageChecker>> checkers;
    for (int k = 0; k < kThreads; ++k) {
        checkers.push_back(std::make_unique<PageChecker>(pixels, device, paint, painting));
        if (!checkers.back()->ready()) {
            error = "the page is too large for an image at this resolution";
            return false;
        }
    }
    std::atomic<int> next(first);
    std::vector<std::thread> threads;
    threads.reserve(checkers.size());
    for (auto& checker : checkers) {
        threads.emplace_back([&checker, &next, last] { checker->run(next, last); });
    }
    for (std::thread& thread : threads) thread.join();
    for (auto& checker : checkers) report.merge(std::move(checker->report));
    return true;
}

}  // namespace qv
