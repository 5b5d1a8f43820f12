// An independent writer of definition files for tests: it lays the items down one by one as the
// file format table lists them, without using the program's own writer.
#pragma once

#include <cstdint>
#include <string>

namespace qv::test {

class QvdBytes {
  public:
    QvdBytes& w(unsigned value) {
        put(value & 0xFF);
        put((value >> 8) & 0xFF);
        return *this;
    }
    QvdBytes& d(int32_t value) {
        const auto bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) put((bits >> shift) & 0xFF);
        return *this;
    }
    // The short form of the string prefix (one length byte).
    QvdBytes& s(const std::string& text) {
        put(static_cast<unsigned>(text.size()));
        bytes += text;
        return *this;
    }
    QvdBytes& raw(const std::string& text) {
        bytes += text;
        return *this;
    }
    QvdBytes& words(int count, unsigned value) {
        for (int i = 0; i < count; ++i) w(value);
        return *this;
    }
    QvdBytes& strings(int count, const std::string& text) {
        for (int i = 0; i < count; ++i) s(text);
        return *this;
    }

    std::string bytes;

  private:
    void put(unsigned byte) { bytes.push_back(static_cast<char>(byte)); }
};

}  // namespace qv::test
