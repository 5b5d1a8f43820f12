#include "platform/qt_text.h"

#include "common/sjis_text.h"

namespace qv {

QString fromSjis(std::string_view cp932) {
    return fromUtf8(sjis::toUtf8(cp932));
}

std::string toSjis(const QString& text) {
    return sjis::fromUtf8(toUtf8(text));
}

QString fromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

std::optional<int> numberIn(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString shownNumber(std::optional<int> value) {
    return value ? QString::number(*value) : QString();
}

}  // namespace qv
