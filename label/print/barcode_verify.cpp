#include "label/print/barcode_verify.h"

#include <algorithm>
#include <cctype>
#include <tuple>

#include "common/sjis_text.h"
#include "common/text_format.h"
#include "label/print/symbol_geometry.h"

namespace qv {

namespace {

std::string fieldName(const LabelDefinition& d, int field) {
    const std::vector<std::string>& names = d.dataFile.fieldNames;
    if (field >= 0 && static_cast<size_t>(field) < names.size()) {
        return sjis::toUtf8(names[static_cast<size_t>(field)]);
    }
    return std::to_string(field + 1);
}

bool inOrder(const BarcodeFinding& a, const BarcodeFinding& b) {
    return std::tie(a.page, a.label, a.field) < std::tie(b.page, b.label, b.field);
}

std::string lineJa(const LabelDefinition& d, const BarcodeFinding& f, bool warning) {
    std::string what;
    if (warning) {
        what = quietZoneMessageJa(f.intruder);
    } else if (!f.drawable) {
        what = f.value + " はバーコードにできません";
    } else if (f.read.empty()) {
        what = f.value + " が読み取れません";
    } else {
        what = f.value + " が " + f.read + " と読まれます";
    }
    return formatText("ページ %d ラベル %d フィールド %s: ", f.page, f.label,
                      fieldName(d, f.field).c_str()) +
           what;
}

std::string lineEn(const LabelDefinition& d, const BarcodeFinding& f, bool warning) {
    std::string what;
    if (warning) {
        what = quietZoneMessageEn(f.intruder);
    } else if (!f.drawable) {
        what = f.value + " cannot be drawn as a barcode";
    } else if (f.read.empty()) {
        what = f.value + " does not read back";
    } else {
        what = f.value + " reads back as " + f.read;
    }
    return formatText("page %d label %d field %s: ", f.page, f.label,
                      fieldName(d, f.field).c_str()) +
           what;
}

template <typename Line>
std::vector<std::string> reportLines(const LabelDefinition& d, const VerifyReport& report,
                                     size_t most, const Line& line, const char* more,
                                     const char* moreEnd) {
    std::vector<std::string> lines;
    for (const BarcodeFinding& f : report.failures) {
        if (lines.size() < most) lines.push_back(line(d, f, false));
    }
    for (const BarcodeFinding& f : report.warnings) {
        if (lines.size() < most) lines.push_back(line(d, f, true));
    }
    const size_t all = report.failures.size() + report.warnings.size();
    if (all > lines.size()) {
        lines.push_back(more + std::to_string(all - lines.size()) + moreEnd);
    }
    return lines;
}

}  // namespace

PlacedBarcode placedBarcode(const DrawnBarcode& drawn) {
    return {drawn.page, drawn.label, drawn.field, std::string(drawn.value), drawn.corner};
}

std::string readerText(BarcodeKind kind, const std::string& value) {
    std::string text = value;
    if (kind == BarcodeKind::Nw7) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    } else if (kind == BarcodeKind::Code39 && text.size() >= 2 && text.front() == '*' &&
               text.back() == '*') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

std::vector<BarcodeToRead> planReading(const LabelDefinition& d,
                                       const std::vector<PlacedBarcode>& page, int dpi) {
    std::vector<BarcodeToRead> planned;
    std::vector<SymbolPlace> places;
    places.reserve(page.size());
    for (const PlacedBarcode& p : page) {
        places.push_back(symbolPlace(d, p.field, p.value, p.corner, dpi));
    }
    for (size_t i = 0; i < page.size(); ++i) {
        const PlacedBarcode& p = page[i];
        const IntendedBarcode intended = intendedBarcode(d, p.field, p.value);
        BarcodeToRead b;
        b.page = p.page;
        b.label = p.label;
        b.field = p.field;
        b.kind = intended.kind;
        b.ean13 = intended.ean13;
        b.drawable = intended.drawable && places[i].drawn;
        b.vertical = !places[i].horizontal;
        b.expected = readerText(intended.kind, intended.value);
        b.shown = sjis::toUtf8(intended.value);
        if (b.drawable) {
            b.crop = unionOf(unionOf(places[i].before, places[i].bars), places[i].after);
            std::vector<std::pair<int, LogicalRect>> others;
            for (size_t j = 0; j < page.size(); ++j) {
                if (j != i && page[j].label == p.label && places[j].drawn) {
                    others.emplace_back(page[j].field, places[j].bars);
                }
            }
            b.intruders = quietZoneIntruders(d, p.field, places[i], p.corner, others);
        }
        planned.push_back(std::move(b));
    }
    return planned;
}

void VerifyReport::add(const BarcodeToRead& b, const std::optional<std::string>& read) {
    ++barcodes;
    BarcodeFinding f;
    f.page = b.page;
    f.label = b.label;
    f.field = b.field;
    f.value = b.shown;
    f.drawable = b.drawable;
    if (!b.drawable || !read || *read != b.expected) {
        if (read) f.read = *read;
        failures.push_back(f);
    }
    for (Intruder item : b.intruders) {
        f.intruder = item;
        warnings.push_back(f);
    }
}

void VerifyReport::merge(VerifyReport other) {
    barcodes += other.barcodes;
    failures.insert(failures.end(), other.failures.begin(), other.failures.end());
    warnings.insert(warnings.end(), other.warnings.begin(), other.warnings.end());
    std::stable_sort(failures.begin(), failures.end(), inOrder);
    std::stable_sort(warnings.begin(), warnings.end(), inOrder);
}

std::vector<std::string> reportLinesJa(const LabelDefinition& d, const VerifyReport& report,
                                       size_t most) {
    return reportLines(d, report, most, lineJa, "ほか ", " 件");
}

std::vector<std::string> reportLinesEn(const LabelDefinition& d, const VerifyReport& report,
                                       size_t most) {
    return reportLines(d, report, most, lineEn, "... and ", " more");
}

std::string reportSummaryJa(const VerifyReport& r) {
    const int warnings = static_cast<int>(r.warnings.size());
    if (!r.passed()) {
        return formatText("検査: バーコード %lld 個のうち %d 個が読み取れません（警告 %d 件）",
                          r.barcodes, static_cast<int>(r.failures.size()), warnings);
    }
    return formatText("検査: バーコード %lld 個をすべて読み取りました（警告 %d 件）", r.barcodes,
                      warnings);
}

std::string reportSummaryEn(const VerifyReport& r) {
    const int warnings = static_cast<int>(r.warnings.size());
    if (!r.passed()) {
        return formatText("%d of %lld barcodes do not read back (%d warnings)",
                          static_cast<int>(r.failures.size()), r.barcodes, warnings);
    }
    return formatText("all %lld barcodes read back (%d warnings)", r.barcodes, warnings);
}

}  // namespace qv
