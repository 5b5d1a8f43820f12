// The data editor's passes over one field of one million records of about 60 bytes: a search
// that finds nothing (a whole pass), a replace-all, and the JAN adding pass.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "editor/model/barcode_field_form.h"
#include "editor/model/rowsmith_doc.h"
#include "editor/model/search_replace_form.h"

namespace {

constexpr int kRecords = 1000000;

// JAN code (12 or 13 digits), a Shift-JIS name, price, item code and shop: about 60 bytes.
std::vector<std::string> makeLines() {
    std::vector<std::string> lines{"JAN,NAME,PRICE,CODE,SHOP"};
    lines.reserve(kRecords + 1);
    char line[96];
    for (int i = 0; i < kRecords; ++i) {
        const char* jan = i % 2 == 0 ? "491234%07d" : "49123%07d";
        char code[16];
        std::snprintf(code, sizeof code, jan, i % 10000000);
        std::snprintf(line, sizeof line,
                      "%s,\x8f\xa4\x95\x69\x96\xbc %07d,%05d,ITEM-%07d,TOKYO-SHOP", code, i,
                      100 + i % 900, i);
        lines.emplace_back(line);
    }
    return lines;
}

const std::vector<std::string>& sourceLines() {
    static const std::vector<std::string> lines = makeLines();
    return lines;
}

// A fresh document for each iteration; copying it is not timed.
class Fixture {
  public:
    Fixture() {
        document.lines = sourceLines();
        document.splitHeader();
    }
    qv::StderrMessageService messages;
    qv::CROWSMITHDoc document{messages};
};

// Times `pass` over a fresh document in each iteration; the document and the form, set up by
// `prepare`, are made untimed.
template <typename Form, typename Prepare, typename Pass>
void timePass(benchmark::State& state, Prepare prepare, Pass pass) {
    for (auto _ : state) {
        state.PauseTiming();
        Fixture fixture;
        Form form(fixture.document, fixture.messages);
        prepare(form);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pass(form));
    }
}

// A pass of the search over the SHOP field for `searchText`; with `replaceAllWith`, a
// replace-all by that text.
void timeShopSearch(benchmark::State& state, const char* searchText, const char* replaceAllWith) {
    timePass<qv::SearchReplaceForm>(
        state,
        [&](qv::SearchReplaceForm& form) {
            form.setFieldName("SHOP");
            form.setSearchText(searchText);
            if (replaceAllWith == nullptr) return;
            form.setReplaceText(replaceAllWith);
            form.setMode(qv::SearchReplaceForm::Mode::Replace);
            form.setReplaceAll(true);
        },
        [](qv::SearchReplaceForm& form) { return form.step(); });
}

void SearchFindingNothing(benchmark::State& state) {
    timeShopSearch(state, "OSAKA-SHOP", nullptr);
}
BENCHMARK(SearchFindingNothing)->Unit(benchmark::kMillisecond)->Iterations(3);

void ReplaceAllOverOneField(benchmark::State& state) {
    timeShopSearch(state, "TOKYO-SHOP", "OSAKA-SHOP");
}
BENCHMARK(ReplaceAllOverOneField)->Unit(benchmark::kMillisecond)->Iterations(3);

void JanAddingPass(benchmark::State& state) {
    timePass<qv::BarcodeFieldForm>(
        state,
        [](qv::BarcodeFieldForm& form) {
            form.setFieldName("JAN");
            form.setAction(qv::BarcodeAction::Jan);
        },
        [](qv::BarcodeFieldForm& form) { return form.addPass(); });
}
BENCHMARK(JanAddingPass)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
