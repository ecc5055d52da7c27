#include "RandomSource.h"

#include <chrono>

void RandomSource::RandomizeOnce()
{
    if (!randomized_)
        Randomize();
    randomized_ = true;
}

SeededRandom::SeededRandom(std::uint64_t seed)
{
    this->seed(seed);
}

void SeededRandom::Randomize()
{
    seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

// The state is spread from the seed with splitmix64, so that close seeds give unrelated
// sequences and the state is never all zero.
void SeededRandom::seed(std::uint64_t seed)
{
    for (std::uint32_t& word : state_) {
        seed += 0x9E3779B97F4A7C15ull;
        std::uint64_t mixed = seed;
        mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ull;
        mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBull;
        word = static_cast<std::uint32_t>((mixed ^ (mixed >> 31)) >> 32);
    }
}
