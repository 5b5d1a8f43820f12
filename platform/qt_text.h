// Text crossing between the core (Shift-JIS and UTF-8 byte strings) and Qt (QString).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qv {

QString fromSjis(std::string_view cp932);
std::string toSjis(const QString& text);
QString fromUtf8(std::string_view utf8);
std::string toUtf8(const QString& text);

}  // namespace qv
