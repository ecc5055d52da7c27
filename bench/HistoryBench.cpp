// The history of every answer: what handing an answer over costs the drill's thread (the 99th
// percentile of many), opening the progress window over 100,000 answers, and exporting them.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "Clock.h"
#include "ConfigStore.h"
#include "Dialogs.h"
#include "History.h"
#include "HistoryDatabase.h"
#include "HistoryReport.h"
#include "LanguagePack.h"
#include "MadeUpAnswer.h"
#include "MemoryConfigStore.h"
#include "ProgramDirectory.h"
#include "ProgressWindow.h"
#include "RandomSource.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

constexpr int kSeededAnswers = 100'000;

// About two months of answers.
Answer answerNumber(int number, std::int64_t start)
{
    return madeUpAnswer(number, start, 50'000);
}

// A history of 100,000 answers of one pupil, made once per run.
const std::string& seededHistory()
{
    static QTemporaryDir folder;
    static const std::string path = [] {
        const std::string file = folder.filePath("history.sqlite").toStdString();
        HistoryDatabase database(file, HistoryDatabase::Access::Write);
        const std::int64_t start = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch()).count() - std::int64_t{kSeededAnswers} * 50'000;
        std::vector<Answer> batch;
        for (int number = 0; number < kSeededAnswers; ++number) {
            batch.push_back(answerNumber(number, start));
            if (batch.size() == 5000) {
                database.append(batch);
                batch.clear();
            }
        }
        return file;
    }();
    return path;
}

void BM_HandingAnAnswerOver(benchmark::State& state)
{
    QTemporaryDir folder;
    History history(folder.filePath("history.sqlite").toStdString());
    std::vector<double> microseconds;
    int number = 0;
    for (auto _ : state) {
        const Answer answer = answerNumber(number++, 1'772'442'000'000);
        const auto before = std::chrono::steady_clock::now();
        history.record(answer);
        const auto after = std::chrono::steady_clock::now();
        microseconds.push_back(std::chrono::duration<double, std::micro>(after - before).count());
    }
    std::sort(microseconds.begin(), microseconds.end());
    state.counters["p99_us"] = microseconds[microseconds.size() * 99 / 100];
    state.counters["max_us"] = microseconds.back();
}
BENCHMARK(BM_HandingAnAnswerOver)->Iterations(20000);

void BM_OpeningTheProgressWindowOver100000Answers(benchmark::State& state)
{
    History history(seededHistory());
    MemoryConfigStore store;
    LanguagePack pack;
    pack.Load(programFile("english.lng"));
    const auto dialogs = createQtDialogs();
    SeededRandom random;
    const auto clock = createSystemClock();
    for (auto _ : state) {
        ProgressWindow window({.store = store, .pack = pack, .dialogs = *dialogs, .random = random, .history = history,
                               .clock = *clock, .pupils = {}, .pupil = {}, .classConnection = {}, .classStatus = {}, .openQuizDocument = {}});
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpeningTheProgressWindowOver100000Answers)->Unit(benchmark::kMillisecond);

void BM_Exporting100000Answers(benchmark::State& state)
{
    HistoryDatabase reader(seededHistory(), HistoryDatabase::Access::Read);
    for (auto _ : state) {
        std::size_t bytes = 0;
        state.counters["answers"] = static_cast<double>(
            exportAnswers(reader, "", [&bytes](const std::string& record) { bytes += record.size(); }));
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_Exporting100000Answers)->Unit(benchmark::kMillisecond);

} // namespace
