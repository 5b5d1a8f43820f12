#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "common/sjis_text.h"
#include "platform/qt_text.h"

namespace qv {

bool QtClipboardPort::hasText() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data != nullptr && data->hasText();
}

ClipboardPort::Read QtClipboardPort::read(std::string& text) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return Read::CannotOpen;
    const QMimeData* data = clipboard->mimeData();
    if (data == nullptr || !data->hasText()) return Read::NotText;
    const QString unicode = data->text();
    if (unicode.isEmpty()) return Read::Empty;
    const std::string missing = sjis::unencodableCharacters(unicode.toStdString());
    if (!missing.empty()) {
        text = missing;
        return Read::Unencodable;
    }
    text = toSjis(unicode);
    return Read::Text;
}

// The clipboard is read back: a platform that refuses the text leaves something else there.
bool QtClipboardPort::write(const std::string& text, bool& opened) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    opened = clipboard != nullptr;
    if (!opened) return false;
    const QString unicode = fromSjis(text);
    clipboard->setText(unicode);
    return clipboard->text() == unicode;
}

}  // namespace qv
