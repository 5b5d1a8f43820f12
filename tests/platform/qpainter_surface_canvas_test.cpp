#include <QByteArray>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qpainter_surface.h"
#include "surface_test_support.h"

namespace qv {
namespace {

using test::ImageSurface;
using test::inkBounds;
using test::px;
using test::sj;

// A canvas 100 x 50 with `fill` in black.
BarCanvas canvasWith(const CanvasRect& fill) {
    BarCanvas canvas;
    canvas.width = 100;
    canvas.height = 50;
    canvas.fill(fill, kBlack);
    return canvas;
}

const CanvasRect kWholeCanvas{0, 0, 100, 50};

// ---- Stretching and mirroring: a target 10 mm from the top-left corner, 20 x 10 mm, covers
// pixels 118..354 across and 118..236 down.

struct StretchCase {
    const char* what;
    CanvasRect black;  // of the 100 x 50 canvas
    CanvasRect source;
    LogicalRect target;
    QRect ink;  // expected, to a pixel
};

TEST(SurfaceCanvas, StretchesAndMirrorsTheSourceOntoTheTarget) {
    const StretchCase cases[] = {
        {"left half, stretched",
         {0, 0, 50, 50},
         kWholeCanvas,
         {100, -100, 300, -200},
         QRect(QPoint(118, 118), QPoint(236, 236))},
        {"negative width: the left half lands on the right",
         {0, 0, 50, 50},
         kWholeCanvas,
         {300, -100, 100, -200},
         QRect(QPoint(236, 118), QPoint(354, 236))},
        {"negative height: the top half lands at the bottom",
         {0, 0, 100, 25},
         kWholeCanvas,
         {100, -200, 300, -100},
         QRect(QPoint(118, 177), QPoint(354, 236))},
        {"both negative: the top-left quarter ends bottom right",
         {0, 0, 50, 25},
         kWholeCanvas,
         {300, -200, 100, -100},
         QRect(QPoint(236, 177), QPoint(354, 236))},
        {"only the source part: from x = 25, half of it black",
         {0, 0, 50, 50},
         {25, 0, 50, 50},
         {100, -100, 300, -200},
         QRect(QPoint(118, 118), QPoint(236, 236))},
    };
    for (const StretchCase& c : cases) {
        SCOPED_TRACE(c.what);
        ImageSurface s;
        s.surface.drawCanvas(canvasWith(c.black), c.source, c.target);
        const QRect ink = inkBounds(s.result());
        EXPECT_NEAR(ink.left(), c.ink.left(), 1);
        EXPECT_NEAR(ink.right(), c.ink.right(), 1);
        EXPECT_NEAR(ink.top(), c.ink.top(), 1);
        EXPECT_NEAR(ink.bottom(), c.ink.bottom(), 1);
    }
}

TEST(SurfaceCanvas, ASourcePartWithoutShapesStaysWhite) {
    ImageSurface s;
    s.surface.drawCanvas(canvasWith({0, 0, 50, 50}), {50, 0, 50, 50}, {100, -100, 300, -200});
    EXPECT_TRUE(inkBounds(s.result()).isNull());
}

TEST(SurfaceCanvas, IsWhiteUnderItsShapesAndCutAtTheTarget) {
    ImageSurface s;
    s.surface.fillRect({0, 0, 500, -500}, 0xFF0000);
    BarCanvas canvas = canvasWith({-50, -50, 300, 80});  // reaches beyond the copied part
    s.surface.drawCanvas(canvas, kWholeCanvas, {100, -100, 300, -200});
    const QImage& image = s.result();
    EXPECT_EQ(image.pixel(200, 130), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(200, 230), qRgb(255, 255, 255));  // the canvas's white
    EXPECT_EQ(image.pixel(110, 130), qRgb(0, 0, 255));      // outside: untouched
    EXPECT_EQ(image.pixel(200, 110), qRgb(0, 0, 255));
}

// ---- Canvas text (a 200 x 200 canvas on 20 x 20 mm: 118..354 both ways)

CanvasText digits(const CanvasRect& box, int width, bool upward = false) {
    CanvasText text;
    text.box = box;
    text.text = "4901234";
    text.faceName = "Arial";
    text.height = 40;
    text.width = width;
    text.upward = upward;
    return text;
}

const LogicalRect kSquare{100, -100, 300, -300};

QImage drawnImage(const CanvasText& text, const LogicalRect& target) {
    ImageSurface s(600, 900);
    BarCanvas canvas;
    canvas.width = 200;
    canvas.height = 200;
    canvas.texts.push_back(text);
    s.surface.drawCanvas(canvas, {0, 0, 200, 200}, target);
    return s.result();
}

QRect drawnText(const CanvasText& text, const LogicalRect& target = kSquare) {
    return inkBounds(drawnImage(text, target));
}

// The share of the dark pixels of `a`'s ink that are not dark in `b`'s ink turned over across.
double mirrorMismatch(const QImage& a, const QImage& b) {
    const QImage inkA = a.copy(inkBounds(a));
    const QImage inkB = b.copy(inkBounds(b)).mirrored(true, false);
    const auto dark = [](const QImage& image, int x, int y) {
        return x < image.width() && y < image.height() && qGray(image.pixel(x, y)) < 128;
    };
    int inked = 0;
    int missed = 0;
    for (int y = 0; y < inkA.height(); ++y) {
        for (int x = 0; x < inkA.width(); ++x) {
            if (!dark(inkA, x, y)) continue;
            ++inked;
            if (!dark(inkB, x, y)) ++missed;
        }
    }
    return inked == 0 ? 1.0 : static_cast<double>(missed) / inked;
}

TEST(SurfaceCanvasText, IsCentredInItsBox) {
    const QRect ink = drawnText(digits({0, 160, 200, 40}, 20));  // the bottom band
    EXPECT_TRUE(QRect(118, 307, 237, 48).contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_NEAR(ink.center().x(), 236, 2);
    EXPECT_NEAR(ink.center().y(), 331, 3);
}

TEST(SurfaceCanvasText, UpwardTextReadsAlongTheLeftBand) {
    const QRect ink = drawnText(digits({0, 0, 40, 200}, 20, true));
    EXPECT_TRUE(QRect(118, 118, 48, 237).contains(ink));
    EXPECT_GT(ink.height(), 2 * ink.width());
    // Mirrored across, the band and its text are on the right.
    const QRect mirrored = drawnText(digits({0, 0, 40, 200}, 20, true), {300, -100, 100, -300});
    EXPECT_TRUE(QRect(307, 118, 48, 237).contains(mirrored));
}

TEST(SurfaceCanvasText, MirroredCanvasMirrorsItsText) {
    const CanvasText band = digits({0, 160, 200, 40}, 20);
    const QImage plain = drawnImage(band, kSquare);
    const QImage mirrored = drawnImage(band, {300, -100, 100, -300});
    EXPECT_LT(mirrorMismatch(plain, mirrored), 0.1);
    EXPECT_GT(mirrorMismatch(plain, plain), 0.3);  // the digits are not symmetric themselves
}

TEST(SurfaceCanvasText, CharacterWidthIsHonoured) {
    const QRect wide = drawnText(digits({0, 160, 200, 40}, 20));
    const QRect narrow = drawnText(digits({0, 160, 200, 40}, 10));
    EXPECT_NEAR(static_cast<double>(narrow.width()) / wide.width(), 0.5, 0.05);
    EXPECT_NEAR(narrow.height(), wide.height(), 1);
}

TEST(SurfaceCanvasText, HeightFollowsTheStretch) {
    const QRect normal = drawnText(digits({0, 160, 200, 40}, 20));
    // The same canvas on a target twice as high: twice the text height, the same width.
    const QRect tall = drawnText(digits({0, 160, 200, 40}, 20), {100, -100, 300, -500});
    EXPECT_NEAR(static_cast<double>(tall.height()) / normal.height(), 2.0, 0.1);
    EXPECT_NEAR(tall.width(), normal.width(), 2);
}

// ---- PDF output

class SurfacePdf : public ::testing::Test {
  protected:
    // Draws with `paint` on an A4 page of a new PDF and gives back its bytes.
    template <typename Paint>
    QByteArray pdf(Paint paint) {
        QPdfWriter writer(path());
        writer.setResolution(600);
        QPainter painter(&writer);
        QPainterSurface surface(painter);
        paint(surface, painter);
        painter.end();
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // The PDF's text as pdftotext (poppler-utils) reads it.
    QString textOfPdf() {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        EXPECT_FALSE(tool.isEmpty()) << "pdftotext is missing: apt-get install poppler-utils";
        QProcess process;
        process.start(
            tool, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path(), QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QString path() const { return folder_.filePath(QStringLiteral("page.pdf")); }

  private:
    QTemporaryDir folder_;
};

BarCanvas barsWithText() {
    BarCanvas canvas;
    canvas.width = 200;
    canvas.height = 200;
    for (int x = 10; x < 190; x += 12) canvas.fill({x, 0, 5, 160}, kBlack);
    canvas.texts.push_back(digits({0, 160, 200, 40}, 20));
    return canvas;
}

TEST_F(SurfacePdf, BarsAreVectorShapesNotAnImage) {
    const QByteArray bars = pdf([](QPainterSurface& surface, QPainter&) {
        surface.drawCanvas(barsWithText(), {0, 0, 200, 200}, {100, -100, 500, -300});
    });
    EXPECT_FALSE(bars.contains("/Subtype /Image"));
    // The marker looked for is what an image in the same kind of file carries.
    const QByteArray image = pdf([](QPainterSurface&, QPainter& painter) {
        painter.drawImage(QPointF(0, 0), test::whiteImage(20, 20));
    });
    EXPECT_TRUE(image.contains("/Subtype /Image"));
}

TEST_F(SurfacePdf, TextIsRealText) {
    pdf([](QPainterSurface& surface, QPainter&) {
        FontSpec mincho;
        mincho.faceName = sj("ＭＳ 明朝");
        mincho.height = 50;
        surface.selectFont(mincho);
        surface.textOut(100, -100, sj("商品"));
        surface.drawCanvas(barsWithText(), {0, 0, 200, 200}, {100, -300, 500, -500});
    });
    const QString text = textOfPdf();
    EXPECT_TRUE(text.contains(QStringLiteral("商品"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("4901234"))) << text.toStdString();
}

}  // namespace
}  // namespace qv
