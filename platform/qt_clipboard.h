// The system clipboard as the data editor's record commands use it: Shift-JIS text in and out,
// held on the clipboard as Unicode plain text so other programs can paste it.
#pragma once

#include "common/clipboard_port.h"

namespace qv {

class QtClipboardPort : public ClipboardPort {
  public:
    bool hasText() const override;
    Read read(std::string& text) override;
    Read readUtf8(std::string& text) override;
    bool write(const std::string& text, bool& opened) override;
};

}  // namespace qv
