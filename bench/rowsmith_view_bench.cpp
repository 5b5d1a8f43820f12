// Drawing one screen of the data editor's grid over a million records: it must cost the same
// at the top, in the middle and at the end of the file.
#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <cstdio>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"
#include "editor/widgets/rowsmith_view.h"
#include "platform/qt_clipboard.h"

namespace {

constexpr int kRecords = 1000000;
constexpr size_t kRecordBytes = 60;

// Records of 60 bytes: a code, a Shift-JIS name (商品), a price, a stock count and a note.
std::string Record(int k) {
    char line[kRecordBytes + 1];
    std::snprintf(line, sizeof line, "%08d,\x8f\xa4\x95\x69%07d,%6d,%5d,", k, k, k % 99991,
                  k % 997);
    std::string record(line);
    record.resize(kRecordBytes, 'x');
    return record;
}

struct Screen {
    qv::RecordingMessageService messages;
    qv::CROWSMITHDoc document{messages};
    qv::QtClipboardPort clipboard;
    std::unique_ptr<qv::CROWSMITHView> view;

    Screen() {
        document.lines.reserve(kRecords + 1);
        document.lines.push_back("CODE,NAME,PRICE,STOCK,NOTE");
        for (int k = 1; k <= kRecords; ++k) document.lines.push_back(Record(k));
        document.splitHeader();
        document.columnWidths = {10, 16, 8, 8, 30};
        view = std::make_unique<qv::CROWSMITHView>(document, clipboard, messages);
        view->resize(1000, 700);
        view->show();
        view->refreshView();
        view->scrollToRecord(2);  // a highlighted row costs its bar too
    }
};

Screen& TheScreen() {
    static Screen screen;
    return screen;
}

// Argument: 0 the top, 1 the middle, 2 the end of the file.
void BM_RenderScreen(benchmark::State& state) {
    Screen& screen = TheScreen();
    QScrollBar* vertical = screen.view->verticalScrollBar();
    vertical->setValue(
        static_cast<int>(static_cast<long long>(vertical->maximum()) * state.range(0) / 2));
    QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        screen.view->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(state.range(0) == 0 ? "top" : state.range(0) == 1 ? "middle" : "end");
}
BENCHMARK(BM_RenderScreen)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
