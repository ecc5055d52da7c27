// The class database on a PostgreSQL server of the benchmark's own, writing through to the disk
// as an installed one does: the answers a second one computer sends, and the server takes from
// thirty computers at once; the time from an answer handed to the history to its row on the
// server (the 5 seconds' round of a running program, so only the answer's own poke counts); the
// teacher's class figures over 1,000,000 answers of 30 pupils.

#include "ClassConnection.h"
#include "ClassReport.h"
#include "ClassSync.h"
#include "History.h"
#include "HistoryDatabase.h"
#include "MadeUpAnswer.h"
#include "PostgresServer.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kOneComputersAnswers = 20000;
constexpr int kComputers = 30;
constexpr int kAnswersEach = 2000;

// The server with the class database, its logins and the histories the benchmarks send, made
// once per run.
struct Class {
    Class()
    {
        if (!server.start() || !server.makeDatabase("calcora", CALCORA_CLASS_SCRIPT)
            || !server.addLogin("teacher", "calcora_teacher") || !server.addLogin("pupils", "calcora_pupil"))
            throw std::runtime_error("the benchmark's PostgreSQL server does not start:\n" + server.log());
    }
    PostgresServer server{/*durable=*/true};
    QTemporaryDir folder;
};

Class& theClass()
{
    static Class made;
    return made;
}

Answer answerNumber(int number)
{
    Answer answer = madeUpAnswer(number, 1'772'442'000'000, 1000);
    answer.pupil = "pupil " + std::to_string(number % 7);
    return answer;
}

std::string seededHistory(const std::string& name, int answers)
{
    const std::string path = theClass().folder.filePath(QString::fromStdString(name)).toStdString();
    HistoryDatabase file(path, HistoryDatabase::Access::Write);
    std::vector<Answer> batch;
    for (int number = 0; number < answers; ++number)
        batch.push_back(answerNumber(number));
    file.append(batch);
    return path;
}

void waitUntil(const std::function<bool()>& done)
{
    while (!done())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void emptyTheServer()
{
    theClass().server.value("TRUNCATE answers");
}

void BM_AnswersOneComputerSends(benchmark::State& state)
{
    static const std::string history = seededHistory("one.sqlite", kOneComputersAnswers);
    const QString sent = QString::fromStdString(allSentLine());
    for (auto _ : state) {
        state.PauseTiming();
        emptyTheServer();
        state.ResumeTiming();
        ClassSync sync(history, theClass().server.connection("pupils"));
        waitUntil([&] { return sync.status() == sent; });
    }
    state.SetItemsProcessed(state.iterations() * kOneComputersAnswers);
}
BENCHMARK(BM_AnswersOneComputerSends)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_AnswersTheServerTakesFromThirtyComputers(benchmark::State& state)
{
    static const std::vector<std::string> histories = [] {
        std::vector<std::string> paths;
        for (int computer = 0; computer < kComputers; ++computer)
            paths.push_back(seededHistory("pc" + std::to_string(computer) + ".sqlite", kAnswersEach));
        return paths;
    }();
    const QString sent = QString::fromStdString(allSentLine());
    for (auto _ : state) {
        state.PauseTiming();
        emptyTheServer();
        state.ResumeTiming();
        std::vector<std::unique_ptr<ClassSync>> syncs;
        for (const std::string& history : histories)
            syncs.push_back(std::make_unique<ClassSync>(history, theClass().server.connection("pupils")));
        for (const auto& sync : syncs)
            waitUntil([&] { return sync->status() == sent; });
    }
    state.SetItemsProcessed(state.iterations() * kComputers * kAnswersEach);
}
BENCHMARK(BM_AnswersTheServerTakesFromThirtyComputers)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_FromAnAnswerToItsRowOnTheServer(benchmark::State& state)
{
    emptyTheServer();
    const std::string path = theClass().folder.filePath("latency.sqlite").toStdString();
    History history(path);
    ClassSync sync(path, theClass().server.connection("pupils"));
    ClassConnection watcher(theClass().server.connection("postgres"), std::chrono::seconds(30));
    const auto rows = [&] { return watcher.query("SELECT count(*) FROM answers").integer(0, 0); };
    std::vector<double> seconds;
    int number = 0;
    for (auto _ : state) {
        const long long before = rows();
        const auto handed = Clock::now();
        history.record(answerNumber(number++));
        sync.poke();
        waitUntil([&] { return rows() > before; });
        seconds.push_back(std::chrono::duration<double>(Clock::now() - handed).count());
        state.SetIterationTime(seconds.back());
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_s"] = seconds[seconds.size() / 2];
    state.counters["max_s"] = seconds.back();
}
BENCHMARK(BM_FromAnAnswerToItsRowOnTheServer)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// 1,000,000 answers of 30 pupils on 30 computers over 60 days, made by the server itself.
void seedAMillionAnswers()
{
    PostgresServer& server = theClass().server;
    emptyTheServer();
    server.value("DELETE FROM pupils");
    server.value("INSERT INTO pupils SELECT 'pupil ' || p FROM generate_series(1, 30) AS p");
    server.value(R"(
        INSERT INTO answers
        SELECT 'pc' || n % 30, n / 30 + 1, 'pupil ' || (n % 30 + 1),
               TIMESTAMPTZ '2026-01-01 08:00:00Z' + n / 30 * INTERVAL '155 seconds',
               1 + abs(hashint4(n + 1)) % 4, 1 + abs(hashint4(n + 2)) % 3, a, b, a * b,
               a * b || ',' || a * b + 1 || ',' || a * b + 2 || ',' || a * b + 3,
               CASE WHEN wrong THEN a * b + 1 + abs(hashint4(n + 6)) % 3 ELSE a * b END, NOT wrong,
               abs(hashint4(n + 4)) % 5 <> 0, 500 + abs(hashint4(n + 5)) % 5000, 3000
        FROM generate_series(0, 999999) AS n,
             LATERAL (SELECT 1 + abs(hashint4(n)) % 9 AS a, 1 + abs(hashint4(n + 7)) % 9 AS b,
                             abs(hashint4(n + 3)) % 4 = 0 AS wrong) AS drawn)");
    server.value("VACUUM ANALYZE answers");
}

void BM_ClassFiguresOverAMillionAnswers(benchmark::State& state)
{
    seedAMillionAnswers();
    const Day today = dayOf(1'772'442'000'000) - 1; // the last day of the 60
    for (auto _ : state) {
        const ClassFigures figures = readClassFigures(theClass().server.connection("teacher"), 3, today, 10);
        benchmark::DoNotOptimize(figures.mastery.data());
        state.counters["pupils"] = static_cast<double>(figures.pupils.size());
        state.counters["need_help"] = static_cast<double>(figures.needHelpToday.size());
    }
    state.counters["answers"] = std::stod(theClass().server.value("SELECT count(*) FROM answers"));
}
BENCHMARK(BM_ClassFiguresOverAMillionAnswers)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
