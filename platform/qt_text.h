// Text crossing between the core (Shift-JIS and UTF-8 byte strings) and Qt (QString).
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

QString fromSjis(std::string_view cp932);
std::string toSjis(const QString& text);
QString fromUtf8(std::string_view utf8);
std::string toUtf8(const QString& text);

// A whole number typed into an edit; nothing when the edit holds none.
std::optional<int> numberIn(const QString& text);
// The text an edit shows for a number that may be missing.
QString shownNumber(std::optional<int> value);

}  // namespace qv
