// A white image with a painter and a QPainterSurface on it, and ways to find where ink landed.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <string>

#include "common/sjis_text.h"
#include "platform/qpainter_surface.h"

namespace qv::test {

constexpr double kTestDpi = 300;

// Device pixels of a logical length at the test resolution.
inline double px(int logical) {
    return logical * kTestDpi / 254.0;
}

// CP932 bytes of a UTF-8 literal.
inline std::string sj(const char* utf8) {
    return sjis::fromUtf8(utf8);
}

inline QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

struct ImageSurface {
    explicit ImageSurface(int width = 600, int height = 600)
        : image(whiteImage(width, height)),
          painter(&image),
          surface(painter, SurfaceDevice{kTestDpi, 256, 100, false, {}}) {}

    // The image with every drawing finished.
    const QImage& result() {
        if (painter.isActive()) painter.end();
        return image;
    }

    QImage image;
    QPainter painter;
    QPainterSurface surface;
};

inline bool isInk(const QImage& image, int x, int y) {
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

// The smallest rectangle holding every pixel that is not white inside `area`; null when none.
inline QRect inkBounds(const QImage& image, QRect area = QRect()) {
    if (area.isNull()) area = image.rect();
    area &= image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(image, x, y)) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

}  // namespace qv::test
