// Reading an update list of 1,000 items: splitting it, parsing every item and asking for each
// one whether it is installed, as the update checker does when the list arrives.

#include "UpdateList.h"

#include <benchmark/benchmark.h>

#include <string>
#include <unordered_set>

namespace {

constexpr int kItems = 1000;

std::string listOf(int items)
{
    std::string list;
    for (int item = 0; item < items; ++item) {
        if (item > 0)
            list += ':';
        const bool pack = item % 2 == 0;
        list += (pack ? "1-Language pack " : "2-Background picture ") + std::to_string(item) + "-"
            + (pack ? "pack-" : "picture-") + std::to_string(item) + (pack ? ".lng" : ".bmp");
    }
    return list;
}

void BM_ArrangeUpdates(benchmark::State& state)
{
    const std::string list = listOf(kItems);
    // Every third update is installed already.
    const auto items = splitUpdateList(list);
    std::unordered_set<std::string> installed;
    for (std::size_t item = 0; item < items.size(); item += 3)
        installed.insert(UpdateItemField(items[item], kUpdateName));
    const auto isInstalled = [&](const std::string& name, const std::string&) { return installed.count(name) != 0; };
    for (auto _ : state)
        benchmark::DoNotOptimize(arrangeUpdates(list, false, isInstalled));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(list.size()));
    state.SetItemsProcessed(state.iterations() * kItems);
}

void BM_ParseUpdateItems(benchmark::State& state)
{
    const auto items = splitUpdateList(listOf(kItems));
    for (auto _ : state) {
        for (const std::string& item : items)
            benchmark::DoNotOptimize(parseUpdateItem(item, false));
    }
    state.SetItemsProcessed(state.iterations() * kItems);
}

BENCHMARK(BM_ArrangeUpdates);
BENCHMARK(BM_ParseUpdateItems);

} // namespace

BENCHMARK_MAIN();
