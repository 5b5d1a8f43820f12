// Loading and saving label definitions: the bundled example, from memory and from its file.
#include <benchmark/benchmark.h>

#include "common/file_io.h"
#include "common/message_service.h"
#include "label/definition/bar_serial.h"
#include "label/definition/definition_file.h"
#include "label/definition/quorvi_doc.h"

namespace {

const std::string kExample = QUORVI_SOURCE_DIR "/examples/shop.qvd";

std::string exampleBytes() {
    std::string bytes;
    qv::readWholeFile(kExample, bytes, qv::kLargestDefinitionFile);
    return bytes;
}

// The record alone: every item read and copied into the definition.
void BM_LoadFromMemory(benchmark::State& state) {
    const std::string bytes = exampleBytes();
    qv::LabelDefinition definition;
    for (auto _ : state) {
        qv::CBarSerial record;
        benchmark::DoNotOptimize(record.Load(bytes, definition));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadFromMemory);

// What opening a definition costs: reading the file, the record, and the steps after a load.
void BM_OpenDocument(benchmark::State& state) {
    qv::RecordingMessageService messages;
    qv::CQuorviDoc document(messages);
    for (auto _ : state) benchmark::DoNotOptimize(document.openDocument(kExample));
}
BENCHMARK(BM_OpenDocument);

void BM_StoreToMemory(benchmark::State& state) {
    qv::LabelDefinition definition;
    qv::CBarSerial reader;
    reader.Load(exampleBytes(), definition);
    for (auto _ : state) {
        qv::CBarSerial record;
        benchmark::DoNotOptimize(record.Store(definition));
    }
}
BENCHMARK(BM_StoreToMemory);

}  // namespace
