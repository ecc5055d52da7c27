// The main window in-process: creation to its first paint, and one whole question (a new
// question shown, then the answers pressed until the right one). Runs from the program folder
// with a store of its own on the offscreen platform; sounds are off so that only the window is
// measured.

#include "ConfigNames.h"
#include "ConfigStore.h"
#include "MenuWindows.h"
#include "ProgramBench.h"
#include "ProgramServices.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

void mainWindowCreationToFirstPaint(benchmark::State& state, const ProgramServices& services)
{
    for (auto _ : state) {
        TForm1 window(mainWindowServices(services));
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

void oneWholeQuestion(benchmark::State& state, const ProgramServices& services)
{
    TForm1 window(mainWindowServices(services));
    window.show();
    const auto button = [&](const char* name) { return window.findChild<QPushButton*>(name); };
    QPushButton* const answers[] = {button("Button8"), button("Button9"), button("Button10"), button("Button11")};
    QPushButton* next = button("Button12");
    button("Button4")->click();
    button("Button7")->click();
    for (auto _ : state) {
        for (QPushButton* answer : answers) {
            answer->click();
            if (next->isEnabled())
                break;
        }
        next->click();
        QApplication::processEvents();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return runProgramBenchmarks(argc, argv, [](const ProgramServices& services) {
        services.store.WriteString(config::kInterface, config::kPlaySounds, config::kNo);
        services.store.WriteString(config::kInterface, config::kAnimatedButtons, config::kNo);
        benchmark::RegisterBenchmark("BM_MainWindowCreationToFirstPaint", mainWindowCreationToFirstPaint, services)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_OneWholeQuestion", oneWholeQuestion, services)->Unit(benchmark::kMicrosecond);
    });
}
