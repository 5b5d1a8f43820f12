// The data editor's clipboard text: what a copy puts there and how a paste reads it back.
//
// A copy is "@" plus the header line, then the copied records, each followed by LF. A paste
// takes any text whose first line has a comma or a TAB: CR bytes are dropped, LF or 0xFF ends a
// line, a zero byte ends the text, and empty lines are skipped. A line with TABs is taken as
// cells (as spreadsheets copy them): each cell becomes one field, written with QuoteField, so a
// value holding a comma stays one value; the fields are joined with commas.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The marker before the header line in copied text.
constexpr char kHeaderMarker = '@';

// `lines` each followed by LF.
std::string clipboardTextOf(const std::vector<std::string>& lines);

// The lines of pasted text, TAB cells already joined with commas.
std::vector<std::string> pastedLines(std::string_view text);

// Commas and TABs in the first line of the text (up to a zero byte, LF or 0xFF).
size_t separatorsInFirstLine(std::string_view text);

// One TAB-separated line as a comma-separated record line.
std::string commaLineOfCells(std::string_view line);

}  // namespace qv
