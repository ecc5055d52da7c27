// A 10 MB download over loopback into a file, with a progress hand-over per chunk to a
// receiver that does what the update checker does with each: set a progress bar and a label,
// painting the window at most every 20 ms.
// Reports the rate, the hand-overs per download, the GUI thread's time inside the receiver per
// hand-over, and the whole time per hand-over (the transfer waits for the GUI thread each time).
// Run with the window shown (painted as the update checker is painted) and hidden (the
// hand-overs alone).

#include "HTTPGet.h"
#include "HTTPGetSession.h"
#include "LoopbackHttpServer.h"
#include "PaintPacer.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr std::uint64_t kDownloadBytes = 10'000'000;

void BM_DownloadWithProgress(benchmark::State& state)
{
    LoopbackHttpServer server;
    server.serve("/update.bin", HttpAnswer::generated(kDownloadBytes));
    const QTemporaryDir folder;

    QWidget window;
    auto* bar = new QProgressBar(&window);
    bar->setRange(0, 100);
    auto* label = new QLabel(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(bar);
    layout->addWidget(label);
    window.setVisible(state.range(0) != 0);
    PaintPacer pacer(window);

    THTTPGet fetch;
    fetch.Agent = "Calcora 2.01";
    fetch.URL = QString::fromStdString(server.url("/update.bin"));
    fetch.FileName = folder.filePath("update.bin");

    std::chrono::steady_clock::duration inReceiver{};
    std::int64_t handOvers = 0;
    QObject::connect(&fetch, &THTTPGet::OnProgress, &window, [&](QObject*, qint32 totalSize, qint32 readed) {
        const auto start = std::chrono::steady_clock::now();
        pacer.aboutToChange();
        bar->setValue(totalSize ? static_cast<int>(qint64(readed) * 100 / totalSize) : 0);
        label->setText(totalSize == readed ? QString()
                                           : QString("Downloaded: %1 Size: %2").arg(readed).arg(totalSize));
        inReceiver += std::chrono::steady_clock::now() - start;
        ++handOvers;
    });
    bool finished = false;
    bool failed = false;
    QObject::connect(&fetch, &THTTPGet::OnDoneFile, &window, [&] { finished = true; });
    QObject::connect(&fetch, &THTTPGet::OnError, &window, [&] { finished = failed = true; });

    std::chrono::steady_clock::duration total{};
    for (auto _ : state) {
        finished = false;
        const auto start = std::chrono::steady_clock::now();
        fetch.FetchFile();
        while (!finished)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        total += std::chrono::steady_clock::now() - start;
        if (failed) {
            state.SkipWithError("the download failed");
            return;
        }
    }

    using Microseconds = std::chrono::duration<double, std::micro>;
    const double perDownload = static_cast<double>(handOvers) / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDownloadBytes));
    state.counters["hand_overs"] = perDownload;
    state.counters["receiver_us"] = Microseconds(inReceiver).count() / static_cast<double>(handOvers);
    state.counters["hand_over_us"] = Microseconds(total).count() / static_cast<double>(handOvers);
}
BENCHMARK(BM_DownloadWithProgress)->ArgName("shown")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const FetchSession fetchSession;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
