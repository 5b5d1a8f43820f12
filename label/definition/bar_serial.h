// CBarSerial: the record that carries a label definition through its file.
//
// The file is a flat little-endian record without header or version: three lists of 30 strings
// (field names, field faces, literal entries), then the sheet, title, data file, placement,
// literal, ruled-line, barcode and printing items in a fixed order, then the bitmap slots.
#pragma once

#include <string>
#include <string_view>

#include "label/definition/label_definition.h"

namespace qv {

class CBarSerial {
  public:
    // A record holding the new-definition values.
    explicit CBarSerial(int lastBarcodeKind = 0);

    // Copy-out: takes the current definition into the record, then writes every item.
    std::string Store(const LabelDefinition& current);

    // Reads every item into the record. Only when the last item was read is the record copied
    // into `current` (copy-in); a file that ends early changes nothing and gives false. Bytes
    // after the last item are ignored.
    bool Load(std::string_view bytes, LabelDefinition& current);

    const LabelDefinition& record() const { return record_; }

  private:
    LabelDefinition record_;
};

}  // namespace qv
