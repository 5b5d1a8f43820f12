// Preparing, validating and encoding barcode values, as printing does for every barcode field:
// one million values a run per symbology.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "label/barcode/bar_encoding.h"
#include "label/barcode/barcode_prepare.h"
#include "label/barcode/barcode_rules.h"

namespace {

using qv::BarcodeKind;

constexpr int kValues = 1000000;
constexpr int kDistinct = 1000;  // values cycle through this many, so the data stays in cache

// Values as data files hold them; the forced check character completes them.
std::vector<std::string> valuesOf(BarcodeKind kind) {
    std::vector<std::string> values;
    char text[64];
    for (int i = 0; i < kDistinct; ++i) {
        switch (kind) {
            case BarcodeKind::Jan:
                std::snprintf(text, sizeof text, "4912345%05d", i);
                break;
            case BarcodeKind::Itf:
                std::snprintf(text, sizeof text, "1491234%06d", i);
                break;
            case BarcodeKind::Nw7:
                std::snprintf(text, sizeof text, "%08d-%d", i, i % 10);
                break;
            default:
                std::snprintf(text, sizeof text, "ITEM-%05d", i);
                break;
        }
        values.emplace_back(text);
    }
    return values;
}

void encode(BarcodeKind kind, const qv::PreparedBarcode& prepared, qv::BarSymbol& symbol) {
    switch (kind) {
        case BarcodeKind::Jan:
            qv::EncodeJan(prepared.value, prepared.ean13, 2, symbol);
            break;
        case BarcodeKind::Itf:
            qv::EncodeItf(prepared.value, 1, symbol);
            break;
        case BarcodeKind::Nw7:
            qv::EncodeNw7(prepared.value, 1, symbol);
            break;
        default:
            qv::EncodeCode39(prepared.value, 1, symbol);
            break;
    }
}

void BM_PrepareValidateEncode(benchmark::State& state) {
    const auto kind = static_cast<BarcodeKind>(state.range(0));
    const std::vector<std::string> values = valuesOf(kind);
    qv::BarcodeRules rules{};
    rules.forceCheckCharacter = true;
    rules.addStartStop = true;
    qv::BarSymbol symbol;
    int failures = 0;
    for (auto _ : state) {
        for (int i = 0; i < kValues; ++i) {
            qv::PreparedBarcode prepared =
                qv::PrepareBarcodeValue(kind, values[static_cast<size_t>(i % kDistinct)], rules);
            if (!qv::ValidateBarcode(kind, prepared.value, rules).valid()) ++failures;
            encode(kind, prepared, symbol);
            benchmark::DoNotOptimize(symbol.runs.data());
        }
    }
    if (failures > 0) state.SkipWithError("a value failed validation");
    state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_PrepareValidateEncode)
    ->Arg(static_cast<int>(BarcodeKind::Jan))
    ->Arg(static_cast<int>(BarcodeKind::Itf))
    ->Arg(static_cast<int>(BarcodeKind::Nw7))
    ->Arg(static_cast<int>(BarcodeKind::Code39))
    ->ArgName("kind")
    ->Unit(benchmark::kMillisecond);

}  // namespace
