// The main window in-process: creation to its first paint, and one whole question (a new
// question shown and one answer judged). Runs from the program folder with a store of its
// own on the offscreen platform; sounds are off so that only the window is measured.

#include "ConfigNames.h"
#include "ConfigStore.h"
#include "ProcessWide.h"
#include "ProgramBench.h"
#include "Unit1.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

void BM_MainWindowCreationToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        TForm1 window;
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_MainWindowCreationToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_OneWholeQuestion(benchmark::State& state)
{
    TForm1 window;
    window.show();
    window.Button4Click();
    window.Button7Click();
    for (auto _ : state) {
        window.SoruGoster();
        window.Button8->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OneWholeQuestion)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    return runProgramBenchmarks(argc, argv, [] {
        auto& store = ProcessWide<ConfigStore>::get();
        store.WriteString(config::kInterface, config::kPlaySounds, config::kNo);
        store.WriteString(config::kInterface, config::kAnimatedButtons, config::kNo);
    });
}
