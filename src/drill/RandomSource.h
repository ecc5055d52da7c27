#pragma once

#include <cstdint>

// Uniform whole numbers for the question generator. The program has one source, seeded from
// the clock when the main window is first shown; tests hand the windows a scripted one.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A number from 0 to n - 1, each equally likely (n >= 1).
    virtual int Random(int n) = 0;
    // Seeds the source from the clock.
    virtual void Randomize() = 0;
    // Seeds it from the clock the first time only, so later calls keep the sequence going.
    void RandomizeOnce();

private:
    bool randomized_ = false;
};

// xoshiro128++ with unbiased range reduction (Lemire's multiply-and-reject). A division
// question at level 3 takes over a thousand draws, so a draw must cost about a nanosecond.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed = 1);

    int Random(int n) override
    {
        const auto range = static_cast<std::uint32_t>(n);
        std::uint64_t product = std::uint64_t{next()} * range;
        auto low = static_cast<std::uint32_t>(product);
        if (low < range) {
            const std::uint32_t threshold = (0u - range) % range;
            while (low < threshold) {
                product = std::uint64_t{next()} * range;
                low = static_cast<std::uint32_t>(product);
            }
        }
        return static_cast<int>(product >> 32);
    }
    void Randomize() override;

private:
    void seed(std::uint64_t seed);

    static std::uint32_t rotateLeft(std::uint32_t x, int bits) { return (x << bits) | (x >> (32 - bits)); }

    std::uint32_t next()
    {
        const std::uint32_t result = rotateLeft(state_[0] + state_[3], 7) + state_[0];
        const std::uint32_t shifted = state_[1] << 9;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= shifted;
        state_[3] = rotateLeft(state_[3], 11);
        return result;
    }

    std::uint32_t state_[4];
};
