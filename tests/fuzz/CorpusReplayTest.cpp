// Every seed of every fuzzing target's corpus, run through the same entry as the fuzzer runs
// it: an input that once made a parser fail keeps being tried on every run of the suite.

#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(FuzzCorpus, EverySeedRunsCleanThroughItsParser)
{
    const std::filesystem::path corpus = CALCORA_FUZZ_CORPUS_DIR;
    for (const FuzzTarget& target : fuzzTargets()) {
        SCOPED_TRACE(std::string(target.name));
        const auto folder = corpus / target.name;
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << "each target has its seeds";
        int seeds = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
            target.run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++seeds;
        }
        EXPECT_GT(seeds, 0);
    }
}

} // namespace
