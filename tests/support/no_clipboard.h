// A clipboard that holds nothing and takes every text, for tests that never paste.
#pragma once

#include <string>

#include "common/clipboard_port.h"

namespace qv::test {

class NoClipboard : public ClipboardPort {
  public:
    bool hasText() const override { return false; }
    Read read(std::string&) override { return Read::Empty; }
    bool write(const std::string&, bool& opened) override {
        opened = true;
        return true;
    }
};

}  // namespace qv::test
