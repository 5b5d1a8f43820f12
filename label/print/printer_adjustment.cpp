#include "label/print/printer_adjustment.h"

#include <cstdlib>

#include "common/profile_file.h"
#include "label/definition/tenths_of_mm.h"
#include "label/print/quorvi_settings_keys.h"

namespace qv {

namespace {

using namespace quorvi_keys;

std::string sectionOf(std::string_view printer) {
    return kPrinterSectionPrefix + std::string(printer);
}

int withinOrZero(int value, int least, int most) {
    return value < least || value > most ? 0 : value;
}

}  // namespace

// A name that a "[...]" line can hold and read back the same.
bool printerNameStorable(std::string_view printer) {
    if (printer.empty()) return false;
    for (const char c : printer) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '[' || c == ']') return false;
    }
    return printer.front() != ' ' && printer.back() != ' ';
}

PrinterAdjustment readPrinterAdjustment(const ProfileFile& settings, std::string_view printer) {
    PrinterAdjustment a;
    if (!printerNameStorable(printer)) return a;
    const std::string section = sectionOf(printer);
    a.offsetXTenths =
        withinOrZero(settings.readInt(section, kOffsetX, 0), -kMostOffsetTenths, kMostOffsetTenths);
    a.offsetYTenths =
        withinOrZero(settings.readInt(section, kOffsetY, 0), -kMostOffsetTenths, kMostOffsetTenths);
    a.wholeDotModules = settings.readInt(section, kWholeDots, 0) == 1;
    a.barWidthReductionDots =
        withinOrZero(settings.readInt(section, kBarReduction, 0), 0, kMostBarWidthReductionDots);
    return a;
}

bool writePrinterAdjustment(ProfileFile& settings, std::string_view printer,
                            const PrinterAdjustment& a) {
    if (!printerNameStorable(printer)) return false;
    const std::string section = sectionOf(printer);
    return settings.writeInt(section, kOffsetX, a.offsetXTenths) &&
           settings.writeInt(section, kOffsetY, a.offsetYTenths) &&
           settings.writeInt(section, kWholeDots, a.wholeDotModules ? 1 : 0) &&
           settings.writeInt(section, kBarReduction, a.barWidthReductionDots);
}

std::optional<int> parseOffsetMm(std::string_view text) {
    size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) at = 1;
    int whole = 0;
    int digits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits) {
        whole = whole * 10 + (text[at] - '0');
        if (whole > kMostOffsetTenths) return std::nullopt;
    }
    int tenth = 0;
    if (at < text.size() && text[at] == '.') {
        ++at;
        if (at >= text.size() || text[at] < '0' || text[at] > '9') return std::nullopt;
        tenth = text[at++] - '0';
    }
    if (digits == 0 || at != text.size()) return std::nullopt;
    const int tenths = tenthsFromWholeMm(whole) + tenth;
    if (tenths > kMostOffsetTenths) return std::nullopt;
    return negative ? -tenths : tenths;
}

std::string offsetMmText(int tenths) {
    const int size = std::abs(tenths);
    std::string digits =
        std::to_string(size / kTenthsPerMm) + "." + std::to_string(size % kTenthsPerMm);
    if (tenths == 0) return digits;
    return (tenths < 0 ? "-" : "+") + digits;
}

std::optional<PrinterOffset> parseOffsetPair(std::string_view text) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<int> x = parseOffsetMm(text.substr(0, comma));
    const std::optional<int> y = parseOffsetMm(text.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return PrinterOffset{*x, *y};
}

}  // namespace qv
