#include "label/definition/literal_entry.h"

#include "common/record_line.h"
#include "common/text_format.h"
#include "label/definition/label_definition.h"

namespace qv {

std::string makeLiteralEntry(const LiteralText& literal) {
    return QuoteField(literal.text) + "," + literal.fontName + "," +
           formatText("%d", literal.colourIndex);
}

LiteralText parseLiteralEntry(const std::string& entry) {
    char separator = kComma;
    DataRecord fields;
    SplitCommaLine(entry, fields, separator);
    LiteralText literal;
    if (!fields.empty()) literal.text = fields[0];
    if (fields.size() > 1) literal.fontName = fields[1];
    if (fields.size() > 2) literal.colourIndex = parseLeadingInt(fields[2]);
    return literal;
}

std::string literalFaceName(const LiteralText& literal) {
    return literal.fontName.empty() ? kDefaultFaceName : literal.fontName;
}

}  // namespace qv
