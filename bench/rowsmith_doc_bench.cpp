// The data editor's document with one million records of 60 bytes: opening the file, saving it,
// and the memory the open document holds, against the file's size.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/bench_data_file.h"
#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"

namespace {

constexpr int kRecords = 1000000;

// 60 bytes a record with its CR LF: JAN code, a Shift-JIS name, price, item code.
std::string makeDataFile() {
    std::string bytes = "JAN,NAME,PRICE,CODE,SHOP\r\n";
    bytes.reserve(static_cast<size_t>(kRecords) * 60 + 32);
    char line[96];
    for (int i = 0; i < kRecords; ++i) {
        std::snprintf(line, sizeof line,
                      "491234%07d,\x8f\xa4\x95\x69\x96\xbc %07d,%05d,ITEM-%07d,TOKYO-SHOP\r\n", i,
                      i, 100 + i % 900, i);
        bytes += line;
    }
    return bytes;
}

const bench::TemporaryDataFile& dataFile() {
    static const bench::TemporaryDataFile file("million.csv", makeDataFile());
    return file;
}

// Heap memory in use, in bytes (what the document holds, whatever the allocator keeps cached).
double heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

void BM_OpenMillionRecords(benchmark::State& state) {
    qv::StderrMessageService messages;
    const double fileBytes = static_cast<double>(std::filesystem::file_size(dataFile().path()));
    double heldRatio = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = heapInUse();
        state.ResumeTiming();
        qv::CROWSMITHDoc document(messages);
        if (!document.open(dataFile().path(), false)) state.SkipWithError("cannot open");
        benchmark::DoNotOptimize(document.lines.data());
        state.PauseTiming();
        heldRatio = (heapInUse() - before) / fileBytes;
        state.ResumeTiming();
    }
    state.counters["records"] = kRecords;
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["held_per_file_byte"] = heldRatio;
}
BENCHMARK(BM_OpenMillionRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveMillionRecords(benchmark::State& state) {
    qv::StderrMessageService messages;
    qv::CROWSMITHDoc document(messages);
    if (!document.open(dataFile().path(), false)) state.SkipWithError("cannot open");
    const std::string target = dataFile().file("saved.csv");
    for (auto _ : state) {
        if (!document.save(target)) state.SkipWithError("cannot save");
    }
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_SaveMillionRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
