// Shift-JIS (code page 932) text routines.
//
// The core keeps every text that a file holds as CP932 bytes; lengths and limits count bytes.
// Conversion to Unicode happens only where text meets the screen, a font or the terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv::sjis {

// First byte of a double-byte character: 0x81-0x9F or 0xE0-0xFC.
bool isLeadByte(unsigned char byte);

// Bytes that may follow a lead byte: 0x40-0x7E or 0x80-0xFC.
bool isTrailByte(unsigned char byte);

// True when byte `index` of `text` is the second byte of a double-byte character (scanning from
// the start, so a lead byte that ends the text or is followed by no valid trail stands alone).
bool isTrailAt(std::string_view text, size_t index);

// CP932 to UTF-8. A byte that starts no valid character is shown as U+FFFD and the conversion
// goes on with the next byte, so nothing is dropped silently and nothing crashes. A code that
// fromUtf8Keeping gave out becomes its character again.
std::string toUtf8(std::string_view cp932);

// UTF-8 to CP932. A character without a CP932 form, or a malformed UTF-8 byte, becomes '?';
// `lossless` (when given) tells whether that happened.
std::string fromUtf8(std::string_view utf8, bool* lossless = nullptr);

// UTF-8 to CP932 with every character that CP932 has no form for kept: it becomes a code of the
// user-defined area (lead bytes F0-F9), remembered for the rest of the run, which toUtf8 turns
// back into that character. A malformed UTF-8 byte becomes '?', and so does a character once the
// area's 1,870 codes are used up.
std::string fromUtf8Keeping(std::string_view utf8);
// The kept code of one UTF-8 character ("?" once the area is used up).
std::string keptCode(std::string_view character);
// The code of a UTF-8 character whose own CP932 code `form` lies in the user-defined area: that
// code, unless a kept character holds it (then a kept code of its own), so the two never meet.
std::string userDefinedCode(std::string_view character, std::string_view form);

// The characters of `utf8` that CP932 cannot hold, each once, in order of appearance (UTF-8);
// empty when the whole text converts.
std::string unencodableCharacters(std::string_view utf8);

// UTF-16LE code units (as bytes) to CP932, with the same replacement rule as fromUtf8.
std::string fromUtf16Le(std::string_view utf16le);

// Upper-cases the ASCII letters of a CP932 text, leaving both bytes of every double-byte
// character alone (a trail byte may fall in the range of the ASCII letters).
std::string asciiUpper(std::string_view cp932);

// The last three bytes of `path`, upper-cased as ASCII: the extension check that the programs use
// ("QVD", "CSV", "CSZ", "TXT"). Shorter paths give what they have.
std::string upperLastThree(std::string_view path);

// The number of characters of a CP932 text: a lead byte followed by a valid trail byte is one.
size_t characterCount(std::string_view cp932);

// The longest prefix of at most `maxBytes` bytes that does not split a double-byte character.
size_t safePrefixLength(std::string_view cp932, size_t maxBytes);

// `cp932` cut to at most `maxBytes` bytes without splitting a double-byte character.
std::string truncateBytes(std::string_view cp932, size_t maxBytes);

// `cp932` cut as truncateBytes does and then padded with blanks to exactly `width` bytes (a cut
// that would have split a character leaves one more blank).
std::string fitBytes(std::string_view cp932, size_t width);

}  // namespace qv::sjis
