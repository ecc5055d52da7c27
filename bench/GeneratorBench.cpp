// Question generation for every operation and level, with the process's kind of random source.

#include "QuestionGenerator.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GenerateQuestion(benchmark::State& state)
{
    const int operation = static_cast<int>(state.range(0));
    const int level = static_cast<int>(state.range(1));
    SeededRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(generateQuestion(operation, level, random));
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_GenerateQuestion)
    ->ArgsProduct({{1, 2, 3, 4}, {1, 2, 3}})
    ->ArgNames({"operation", "level"});

} // namespace

BENCHMARK_MAIN();
