// The clipboard as both programs' commands use it: Shift-JIS text in and out. The platform layer
// provides the system clipboard; tests provide their own.
#pragma once

#include <string>

#include "common/sjis_text.h"

namespace qv {

class ClipboardPort {
  public:
    // Unencodable: the text holds characters Shift-JIS cannot store; `text` then names them
    // (UTF-8) instead of holding the text.
    enum class Read { Text, NotText, CannotOpen, Empty, Unencodable };
    virtual ~ClipboardPort() = default;
    // Whether the clipboard holds text at all.
    virtual bool hasText() const = 0;
    virtual Read read(std::string& text) = 0;
    // The text as UTF-8 with every character kept, for a document that can hold them all
    // (never Unencodable). By default read()'s Shift-JIS text as UTF-8.
    virtual Read readUtf8(std::string& text) {
        const Read result = read(text);
        if (result == Read::Text) text = sjis::toUtf8(text);
        return result;
    }
    // False when the clipboard cannot be opened (`opened` false) or does not take the text.
    virtual bool write(const std::string& text, bool& opened) = 0;
};

}  // namespace qv
