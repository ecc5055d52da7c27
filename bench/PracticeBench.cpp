// Choosing the next weak fact of multiplication, and taking in its answer, with all 81 facts in
// mixed states: some new, some in each box, most of the known ones due.

#include "Practice.h"
#include "Question.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

namespace {

constexpr Day kToday = 20431;
constexpr int kSessionQuestions = 50;

std::map<Fact, FactState> mixedStates()
{
    std::map<Fact, FactState> states;
    int i = 0;
    for (const Fact& fact : levelOneFacts(Multiplication)) {
        ++i;
        if (i % 9 == 0)
            continue; // new
        FactState state;
        state.box = i % 20 == 1 ? 1 : 2 + i % (kBoxes - 1); // a few in the first box, so new ones enter
        state.due = kToday + i % 4 - 2; // due unless a day or two ahead
        state.asked = 1 + i % 7;
        state.rightFirst = state.asked / 2;
        state.recent = {{FirstPress::Slow, kToday - 9}, {FirstPress::Missed, kToday - 5}, {FirstPress::Fast, kToday - 2}};
        states[fact] = state;
    }
    return states;
}

FirstPress pressOf(int draw)
{
    return draw < 2 ? FirstPress::Missed : draw < 5 ? FirstPress::Slow : FirstPress::Fast;
}

void BM_NextWeakFact(benchmark::State& state)
{
    const std::map<Fact, FactState> start = mixedStates();
    SeededRandom random(1);
    WeakFactPractice practice(Multiplication, start, kToday);
    int asked = 0;
    for (auto _ : state) {
        // A session of so many questions, then the next one from the same states.
        if (++asked == kSessionQuestions) {
            state.PauseTiming();
            practice = WeakFactPractice(Multiplication, start, kToday);
            asked = 0;
            state.ResumeTiming();
        }
        const Fact fact = practice.next(random);
        practice.answered(fact, pressOf(random.Random(10)));
        benchmark::DoNotOptimize(fact);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_NextWeakFact);

} // namespace

BENCHMARK_MAIN();
