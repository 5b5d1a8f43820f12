// Reading a whole data file for printing: 54,054 records (1,001 pages of 54 labels), indexed
// and then loaded page by page with every record split, as a print run does.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/bench_data_file.h"
#include "common/message_service.h"
#include "label/data/data_file_reader.h"

namespace {

constexpr int kRecords = 54054;
constexpr int kLabelsPerPage = 54;

// A typical record: JAN code, a Shift-JIS product name ("商品" and a number), price, item code.
std::string makeDataFile() {
    std::string bytes = "JAN,NAME,PRICE,CODE\r\n";
    char line[128];
    for (int i = 0; i < kRecords; ++i) {
        std::snprintf(line, sizeof line, "49123451%05d,\x8f\xa4\x95\x69 %d,%d,A-%05d\r\n", i, i,
                      100 + i % 900, i);
        bytes += line;
    }
    return bytes;
}

const std::string& dataFilePath() {
    static const bench::TemporaryDataFile file("records.csv", makeDataFile());
    return file.path();
}

void BM_IndexAndLoadEveryPage(benchmark::State& state) {
    const std::string& path = dataFilePath();
    qv::RecordingMessageService messages;  // takes the page-limit message
    size_t records = 0;
    for (auto _ : state) {
        qv::DataFileReader reader({}, messages);
        reader.Open(path, true);
        reader.BuildPageIndex(kLabelsPerPage, true);
        for (int page = 1; page <= reader.pageCount(); ++page) {
            reader.LoadPage(page, kLabelsPerPage);
            for (size_t k = 0; reader.Record(k); ++k) benchmark::DoNotOptimize(reader.Field(1));
            records += reader.pageLines().size();
        }
        reader.Close();
    }
    state.counters["records"] = static_cast<double>(records) / state.iterations();
}
BENCHMARK(BM_IndexAndLoadEveryPage)->Unit(benchmark::kMillisecond);

void BM_IndexOnly(benchmark::State& state) {
    const std::string& path = dataFilePath();
    qv::RecordingMessageService messages;
    qv::DataFileReader reader({}, messages);
    reader.Open(path, true);
    for (auto _ : state) benchmark::DoNotOptimize(reader.BuildPageIndex(kLabelsPerPage, true));
}
BENCHMARK(BM_IndexOnly)->Unit(benchmark::kMillisecond);

}  // namespace
