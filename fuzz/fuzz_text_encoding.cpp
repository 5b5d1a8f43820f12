// Outside bytes through the encoding rule and the UTF-8 way into the core: the guess, the
// check fed in two pieces, the conversion and its way back, and UTF-8 fixed-length slicing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/sjis_text.h"
#include "common/text_encoding.h"
#include "label/data/record_split.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    (void)qv::guessEncoding(bytes, data[0] & 1);

    // Fed in two pieces, the check says what it says of the whole.
    qv::Utf8Check whole;
    whole.feed(bytes);
    qv::Utf8Check pieces;
    const size_t cut = bytes.empty() ? 0 : data[0] % (bytes.size() + 1);
    pieces.feed(bytes.substr(0, cut));
    pieces.feed(bytes.substr(cut));
    if (whole.validToTheEnd() != pieces.validToTheEnd() || whole.multiByte() != pieces.multiByte())
        std::abort();

    // Valid UTF-8 comes back as itself, as long as the kept codes last.
    const std::string core = qv::utf8ToCore(bytes);
    const auto questionMarks = [](std::string_view s) {
        size_t n = 0;
        for (const char c : s) n += c == '?';
        return n;
    };
    if (whole.validToTheEnd() && questionMarks(core) == questionMarks(bytes) &&
        qv::sjis::toUtf8(core) != bytes)
        std::abort();

    qv::FieldLengths lengths{};
    for (size_t k = 0; k < 6; ++k) lengths[k] = 1 + (data[0] >> (k % 5)) % 7;
    qv::DataRecord fields;
    qv::splitFixedLengthUtf8(bytes, lengths, fields);
    (void)qv::breakFieldValue(bytes, false, lengths, 2, qv::TextEncoding::Utf8);
    return 0;
}
