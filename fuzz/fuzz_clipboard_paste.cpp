// Text pasted into the data editor: any clipboard bytes into an empty document and into one with
// records; the document keeps a header and no record with a line end inside it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/message_service.h"
#include "editor/model/clipboard_text.h"
#include "editor/model/record_editing.h"

namespace {

class FuzzClipboard : public qv::ClipboardPort {
  public:
    explicit FuzzClipboard(std::string text) : text_(std::move(text)) {}
    bool hasText() const override { return true; }
    Read read(std::string& text) override {
        text = text_;
        return Read::Text;
    }
    bool write(const std::string& text, bool& opened) override {
        opened = true;
        text_ = text;
        return true;
    }

  private:
    std::string text_;
};

void check(const qv::CROWSMITHDoc& document) {
    for (const std::string& line : document.lines) {
        if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos) {
            __builtin_trap();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FuzzClipboard clipboard(text);
    qv::RecordingMessageService messages;  // answers every question with Yes
    qv::CROWSMITHDoc empty(messages);
    qv::RecordEditor intoEmpty(empty, clipboard, messages);
    intoEmpty.paste();
    check(empty);
    qv::CROWSMITHDoc filled(messages);
    filled.lines = {"A,B", "1,2", "3,4"};
    filled.splitHeader();
    qv::RecordEditor intoFilled(filled, clipboard, messages);
    intoFilled.setCurrentRow(2);
    if (intoFilled.paste()) {
        intoFilled.undo();
        if (filled.lines.size() != 3) __builtin_trap();
    }
    check(filled);
    return 0;
}
