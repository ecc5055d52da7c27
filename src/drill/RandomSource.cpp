#include "RandomSource.h"

#include <chrono>

std::unique_ptr<RandomSource> RandomSource::createDefault()
{
    return std::make_unique<SeededRandom>();
}

void RandomSource::RandomizeOnce()
{
    if (!randomized_)
        Randomize();
    randomized_ = true;
}

SeededRandom::SeededRandom(std::uint32_t seed)
    : engine_(seed)
{
}

int SeededRandom::Random(int n)
{
    const auto range = static_cast<std::uint32_t>(n);
    std::uint64_t product = std::uint64_t{engine_()} * range;
    auto low = static_cast<std::uint32_t>(product);
    if (low < range) {
        const std::uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            product = std::uint64_t{engine_()} * range;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<int>(product >> 32);
}

void SeededRandom::Randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}
