// The combined entry of a literal: text, face and colour index in one string "text,face,colour",
// read back with the comma-separated splitting of data lines.
#pragma once

#include <string>

namespace qv {

struct LiteralText {
    std::string text;
    std::string fontName;  // empty stands for "ＭＳ 明朝"
    int colourIndex = 0;
};

// The entry for a literal. The text goes through the data-line quoting, so a text with a comma or
// a double quote reads back whole (plain texts are written exactly as "%s,%s,%d" gives them).
std::string makeLiteralEntry(const LiteralText& literal);

// Fields 0, 1 and 2 of the entry.
LiteralText parseLiteralEntry(const std::string& entry);

// The face to draw with: the entry's face, or "ＭＳ 明朝" when it has none.
std::string literalFaceName(const LiteralText& literal);

}  // namespace qv
