// Splitting speed of data-file lines, the inner loop of printing a large data file.
#include "common/record_line.h"
#include "common/sjis_text.h"
#include "common/text_encoding.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

namespace {

// Product names as CP932 bytes; several end in 0x5C (表, ソ) to exercise the trail-byte check.
const char* const kNames[] = {
    "\x82\xe8\x82\xf1\x82\xb2\x83\x57\x83\x85\x81\x5b\x83\x58",  // りんごジュース
    "\x82\xa8\x82\xa2\x82\xb5\x82\xa2\x8b\x8d\x93\xfb 1000ml",   // おいしい牛乳 1000ml
    "\x8d\x91\x8e\x59 \x8f\x5c\x8f\x9f\x8f\xac\x93\xa4",         // 国産 十勝小豆
    "\x8e\xe6\x92\xf7\x96\xf0\x8e\x77\x92\xe8\x95\x69 \x83\x5c\x81\x5b\x83\x58",  // 取締役指定品
                                                                                  // ソース
};

// One typical record: JAN code, name, a quoted "maker, place" field, prices, dates, an empty
// field, a lot number.
std::string TypicalLine(std::mt19937& random) {
    std::string line = "49";
    for (int i = 0; i < 11; ++i) line += static_cast<char>('0' + random() % 10);
    line += ',';
    line += kNames[random() % 4];
    line += ",\"Quorvi Foods, Sapporo\",";
    line += std::to_string(100 + random() % 9000) + "," + std::to_string(80 + random() % 7000);
    line += ",2024/06/" + std::to_string(10 + random() % 20) + ",2025/01/31,,LOT-";
    line += std::to_string(random() % 100000) + "\r\n";
    return line;
}

// About 20 MB of CR LF lines. Each line goes to the splitter up to its LF, so the splitter drops
// the CR, as it does when reading a data file.
const std::string& DataFile() {
    static const std::string file = [] {
        std::mt19937 random(7);
        std::string text;
        while (text.size() < 20u << 20) text += TypicalLine(random);
        return text;
    }();
    return file;
}

// Every line of `file` up to its LF through `split`, for as long as the benchmark runs.
template <typename Split>
void splitEveryLine(benchmark::State& state, const std::string& file, Split split) {
    size_t lines = 0;
    for (auto _ : state) {
        const char* at = file.data();
        const char* const end = at + file.size();
        while (at < end) {
            const char* lf = static_cast<const char*>(std::memchr(at, '\n', end - at));
            split(std::string_view(at, lf - at));
            at = lf + 1;
            ++lines;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
    state.counters["time_per_line"] = benchmark::Counter(
        static_cast<double>(lines), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_SplitCommaLine(benchmark::State& state) {
    qv::DataRecord fields;
    char separator = ',';
    splitEveryLine(state, DataFile(), [&](std::string_view line) {
        qv::SplitCommaLine(line, fields, separator);
        benchmark::DoNotOptimize(fields.data());
    });
}
BENCHMARK(BM_SplitCommaLine)->Unit(benchmark::kMillisecond);

// The same records in UTF-8, as the label program reads a UTF-8 file: every line brought to the
// core's text, then split.
void BM_SplitCommaLineUtf8(benchmark::State& state) {
    static const std::string file = qv::sjis::toUtf8(DataFile());
    qv::DataRecord fields;
    char separator = ',';
    std::string core;
    splitEveryLine(state, file, [&](std::string_view line) {
        qv::utf8ToCore(line, core);
        qv::SplitCommaLine(core, fields, separator);
        benchmark::DoNotOptimize(fields.data());
    });
}
BENCHMARK(BM_SplitCommaLineUtf8)->Unit(benchmark::kMillisecond);

void BM_SetRecordField(benchmark::State& state) {
    std::mt19937 random(7);
    std::string line = TypicalLine(random);
    line.resize(line.size() - 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(qv::SetRecordField(line, "\x95\x5c\x8e\xa6, 2", 1));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_SetRecordField);

}  // namespace
