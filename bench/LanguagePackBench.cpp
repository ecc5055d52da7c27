// Loading a language pack of the size the program ships.

#include "LanguagePack.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

namespace {

void BM_LoadLanguagePack(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path()
        / ("calcora-bench-pack-" + std::to_string(::getpid()) + ".lng");
    {
        std::ofstream file(path, std::ios::binary);
        for (int line = 0; line < 67; ++line)
            file << "An interface text of ordinary length, number " << line << "\r\n";
    }
    LanguagePack pack;
    for (auto _ : state) {
        pack.Load(path.string());
        benchmark::DoNotOptimize(pack.Count());
    }
    std::filesystem::remove(path);
}

BENCHMARK(BM_LoadLanguagePack);

} // namespace

BENCHMARK_MAIN();
