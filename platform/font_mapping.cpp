#include "platform/font_mapping.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "platform/qt_text.h"

namespace qv {
namespace {

constexpr int kReferencePixels = 1000;  // large enough that the line height ratio is exact
constexpr int kBoldFrom = 600;          // Windows' FW_SEMIBOLD: from here on a face is bold

// Proportional variants carry a "P" (or are the UI faces) just before the family word:
// "ＭＳ Ｐ明朝", "MS PGothic", "ＭＳ ＵＩ ゴシック".
bool isProportional(const QString& face, qsizetype keywordAt) {
    const QString before = face.left(keywordAt).trimmed();
    return before.endsWith(QChar(u'P'), Qt::CaseInsensitive) || before.endsWith(QChar(u'Ｐ')) ||
           before.endsWith(QStringLiteral("UI")) || before.endsWith(QStringLiteral("ＵＩ"));
}

// The position of the first of `words` in `face`, or -1.
qsizetype find(const QString& face, std::initializer_list<const char16_t*> words) {
    for (const char16_t* word : words) {
        const qsizetype at = face.indexOf(QString::fromUtf16(word), 0, Qt::CaseInsensitive);
        if (at >= 0) return at;
    }
    return -1;
}

// The fixed Windows faces of the Latin world and their metric twins.
QString latinTwin(const QString& face) {
    struct Twin {
        const char* windows;
        const char* installed;
    };
    static const Twin kTwins[] = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const Twin& twin : kTwins) {
        if (face.compare(QLatin1String(twin.windows), Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(twin.installed);
        }
    }
    return {};
}

// The average character width as Windows takes it from a TrueType font (the OS/2 table's
// xAvgCharWidth of its time): the lower-case letters and the space weighted by their frequency in
// English text. Qt's own average of all glyphs makes Liberation Sans about a third wider than
// Arial, whose widths it shares, so stretched text would come out narrower than on Windows.
double windowsAverageWidth(const QFontMetricsF& metrics) {
    static const int kWeights[26] = {
        64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,  // a-m
        56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2,   // n-z
    };
    constexpr int kSpaceWeight = 166;
    constexpr double kWeightTotal = 1000.0;  // the weights above and the space's add up to this
    double sum = kSpaceWeight * metrics.horizontalAdvance(QChar(u' '));
    for (int i = 0; i < 26; ++i) {
        sum += kWeights[i] * metrics.horizontalAdvance(QChar(static_cast<char16_t>(u'a' + i)));
    }
    return sum / kWeightTotal;
}

// Stretches `font` across so that its Windows average width becomes `averageWidth` pixels.
void stretchTo(QFont& font, double averageWidth) {
    constexpr int kMaxStretch = 4000;  // QFont's limit
    const double natural = windowsAverageWidth(QFontMetricsF(font));
    if (natural <= 0) return;
    const auto percent = static_cast<int>(std::lround(100.0 * averageWidth / natural));
    font.setStretch(std::clamp(percent, 1, kMaxStretch));
}

bool hasNonAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    }
    return false;
}

}  // namespace

bool isVerticalFace(std::string_view faceCp932) {
    return !faceCp932.empty() && faceCp932.front() == '@';
}

QString familyForFace(std::string_view faceCp932) {
    if (isVerticalFace(faceCp932)) faceCp932.remove_prefix(1);
    QString face = fromSjis(faceCp932).trimmed();

    if (const qsizetype at = find(face, {u"明朝", u"Mincho"}); at >= 0) {
        return isProportional(face, at) ? QStringLiteral("IPAPMincho")
                                        : QStringLiteral("IPAMincho");
    }
    if (const qsizetype at = find(face, {u"ゴシック", u"Gothic"}); at >= 0) {
        return isProportional(face, at) ? QStringLiteral("IPAPGothic")
                                        : QStringLiteral("IPAGothic");
    }
    if (QString twin = latinTwin(face); !twin.isEmpty()) return twin;
    if (face.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0) {
        return QFontInfo(QGuiApplication::font()).family();
    }
    if (!face.isEmpty() && QFontDatabase::hasFamily(face)) return face;
    return hasNonAscii(faceCp932) ? QStringLiteral("IPAGothic") : QStringLiteral("Liberation Sans");
}

QFont fontFor(const FontSpec& request, double pixelsPerUnitX, double pixelsPerUnitY) {
    QFont font(familyForFace(request.faceName));
    font.setWeight(request.weight >= kBoldFrom ? QFont::Bold : QFont::Normal);
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    // Outlines as designed: the same glyphs and advances on paper, in PDF and on screen.
    font.setHintingPreference(QFont::PreferNoHinting);

    // The line height scales with the pixel size, so one measurement at a large size gives the
    // ratio of line height to pixel size for this face and style.
    QFont reference = font;
    reference.setPixelSize(kReferencePixels);
    const double lineHeightPerPixel = QFontMetricsF(reference).height() / kReferencePixels;
    const double wantedHeight = std::abs(request.height) * pixelsPerUnitY;
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(wantedHeight / lineHeightPerPixel))));

    if (request.width > 0) stretchTo(font, request.width * pixelsPerUnitX);
    return font;
}

}  // namespace qv
