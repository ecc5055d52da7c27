// The about window's credits: one frame of its 31 lines on the 200 x 73 panel, plain and in the
// gradient, and what the open window costs the processor while the credits scroll by
// themselves. Runs from the program folder with a store of its own; the offscreen platform
// unless QT_QPA_PLATFORM says otherwise (for example xcb under Xvfb).

#include "CRPanel.h"
#include "ConfigStore.h"
#include "LanguagePack.h"
#include "ProgramServices.h"
#include "ProgramBench.h"
#include "about.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

TForm6::Services aboutServices(const ProgramServices& services)
{
    return {.store = services.store, .pack = services.pack, .dialogs = services.dialogs, .sounds = services.sounds};
}

void creditsFrame(benchmark::State& state, const ProgramServices& services)
{
    TForm6 window(aboutServices(services));
    window.show();
    TCRPanel& panel = *window.CRPanel1;
    panel.setInterval(0); // frames only from the loop below
    panel.setUseGradient(state.range(0) != 0);
    for (auto _ : state) {
        panel.ScrollTimerTimer();
        panel.repaint();
    }
    state.SetItemsProcessed(state.iterations());
}

// The window open for a few seconds with its own timer running the credits: the share of one
// processor it takes, and the frames it shows per second.
void openAboutWindowProcessorShare(benchmark::State& state, const ProgramServices& services)
{
    constexpr int kOpenMilliseconds = 4000;
    for (auto _ : state) {
        TForm6 window(aboutServices(services));
        window.show();
        int frames = 0;
        const auto* timer = window.CRPanel1->findChild<QTimer*>("ScrollTimer");
        QObject::connect(timer, &QTimer::timeout, [&frames] { ++frames; });

        QEventLoop loop;
        QTimer::singleShot(kOpenMilliseconds, &loop, &QEventLoop::quit);
        QElapsedTimer wall;
        wall.start();
        const std::clock_t processorStart = std::clock();
        loop.exec();
        const double processorSeconds = static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
        const double wallSeconds = wall.nsecsElapsed() / 1e9;

        state.counters["processor_%"] = 100.0 * processorSeconds / wallSeconds;
        state.counters["frames_per_s"] = frames / wallSeconds;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    return runProgramBenchmarks(argc, argv, [](const ProgramServices& services) {
        services.pack.Reload(services.store);
        benchmark::RegisterBenchmark("BM_CreditsFrame", creditsFrame, services)
            ->ArgName("gradient")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("BM_OpenAboutWindowProcessorShare", openAboutWindowProcessorShare, services)
            ->Iterations(1)->Unit(benchmark::kMillisecond);
    });
}
