#include "platform/vertical_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include "common/sjis_text.h"
#include "platform/qt_text.h"

namespace qv {
namespace {

// How a character is set in a vertical line.
enum class Stance {
    Lying,    // along the line, as horizontal text turned with it
    Upright,  // turned back upright in its place
    Corner,   // upright, moved from the bottom-left of its place to the top-right
};

// Characters whose vertical forms are their horizontal glyphs turned along the line (the IPA
// fonts hold no separate vertical glyphs that Qt could reach).
const QString kLying =
    QStringLiteral(u"（）〔〕［］｛｝〈〉《》「」『』【】＜＞ー―‐－～〜…‥＝：；｜＿");
const QString kCorner = QStringLiteral(u"、。，．");
constexpr double kCornerShift = 0.55;  // of the advance: right and up to the opposite corner

Stance stanceOf(const QString& character) {
    if (kLying.contains(character)) return Stance::Lying;
    if (kCorner.contains(character)) return Stance::Corner;
    return Stance::Upright;
}

// Bytes of the character that starts at `at`: 2 for a lead byte with a valid trail, else 1.
size_t characterBytes(std::string_view text, size_t at) {
    const bool pair =
        at + 1 < text.size() && sjis::isLeadByte(text[at]) && sjis::isTrailByte(text[at + 1]);
    return pair ? 2 : 1;
}

void paintUpright(QPainter& painter, const QString& character, double along, double advance,
                  double lineHeight, Stance stance) {
    painter.save();
    painter.translate(along + advance / 2, lineHeight / 2);
    painter.rotate(-90);  // back to the page's own directions
    if (stance == Stance::Corner)
        painter.translate(kCornerShift * advance, -kCornerShift * advance);
    painter.drawText(QRectF(-lineHeight / 2, -advance / 2, lineHeight, advance),
                     Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, character);
    painter.restore();
}

}  // namespace

void paintVerticalLine(QPainter& painter, const QFontMetricsF& metrics, std::string_view text) {
    double along = 0;  // distance down the column
    size_t at = 0;
    while (at < text.size()) {
        size_t end = at + characterBytes(text, at);
        const bool doubleByte = end - at == 2;
        // Single-byte characters go as one run, so they keep their kerning.
        while (!doubleByte && end < text.size() && characterBytes(text, end) == 1) ++end;
        const QString run = fromSjis(text.substr(at, end - at));
        const double advance = metrics.horizontalAdvance(run);
        const Stance stance = doubleByte ? stanceOf(run) : Stance::Lying;
        if (stance == Stance::Lying) {
            painter.drawText(QPointF(along, metrics.ascent()), run);
        } else {
            paintUpright(painter, run, along, advance, metrics.height(), stance);
        }
        along += advance;
        at = end;
    }
}

}  // namespace qv
