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

namespace {

ClipboardPort::Read readUnicode(QString& unicode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return ClipboardPort::Read::CannotOpen;
    const QMimeData* data = clipboard->mimeData();
    if (data == nullptr || !data->hasText()) return ClipboardPort::Read::NotText;
    unicode = data->text();
    return unicode.isEmpty() ? ClipboardPort::Read::Empty : ClipboardPort::Read::Text;
}

}  // namespace

ClipboardPort::Read QtClipboardPort::readUtf8(std::string& text) {
    QString unicode;
    const Read result = readUnicode(unicode);
    if (result == Read::Text) text = toUtf8(unicode);
    return result;
}

ClipboardPort::Read QtClipboardPort::read(std::string& text) {
    QString unicode;
    if (const Read result = readUnicode(unicode); result != Read::Text) return result;
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
