// The store file with all the program's values: a write (synced to the disk), a read from the
// cache, and a read just after another instance replaced the file.

#include "FileConfigStore.h"

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

// A folder of its own holding a store with every value the program keeps.
class FilledStore {
public:
    FilledStore()
    {
        std::string folder = (std::filesystem::temp_directory_path() / "calcora-bench-XXXXXX").string();
        folder_ = ::mkdtemp(folder.data());
        path_ = (folder_ / "Tovik Software" / "Calcora 2.01.ini").string();
        FileConfigStore store(path_);
        for (const auto* name : {"Caption", "Animated Buttons", "Play Sounds", "Text Foreground Color",
                                 "Text Background Color", "Correct Foreground Color",
                                 "Correct Background Color", "Wrong Foreground Color",
                                 "Wrong Background Color"})
            store.WriteString("Interface", name, "$00FFFFFF");
        for (const auto* name : {"Background Image", "Language Pack", "Sound1", "Sound2", "Sound3",
                                 "Sound4", "Sound5", "Sound6"})
            store.WriteString("Interface", name, "/usr/lib/x86_64-linux-gnu/calcora/media.file");
        store.WriteString("Stats", "Correct", "1234");
        store.WriteString("Stats", "Wrong", "56");
        for (int index = 1; index <= 12; ++index)
            store.WriteString("Quiz", "SpinEdit" + std::to_string(index), "10");
    }
    ~FilledStore() { std::filesystem::remove_all(folder_); }

    const std::string& path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::string path_;
};

void writeString(benchmark::State& state)
{
    const FilledStore filled;
    FileConfigStore store(filled.path());
    int count = 0;
    for (auto _ : state)
        store.WriteString("Stats", "Correct", std::to_string(++count));
}
BENCHMARK(writeString)->Unit(benchmark::kMicrosecond);

void readStringCached(benchmark::State& state)
{
    const FilledStore filled;
    FileConfigStore store(filled.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ReadString("Interface", "Sound4", ""));
}
BENCHMARK(readStringCached)->Unit(benchmark::kMicrosecond);

void readStringAfterAnotherWriter(benchmark::State& state)
{
    const FilledStore filled;
    FileConfigStore store(filled.path());
    FileConfigStore other(filled.path());
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        other.WriteString("Stats", "Wrong", std::to_string(++count));
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.ReadString("Stats", "Wrong", ""));
    }
}
// Each round also makes a synced write outside the timing: a fixed count keeps the run short.
BENCHMARK(readStringAfterAnotherWriter)->Unit(benchmark::kMicrosecond)->Iterations(1000);

} // namespace

BENCHMARK_MAIN();
