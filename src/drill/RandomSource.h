#pragma once

#include <cstdint>
#include <memory>
#include <random>

// Uniform whole numbers for the question generator. The process shares one source, seeded
// from the clock when the main window is first shown; tests put a scripted one in its place.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A number from 0 to n - 1, each equally likely (n >= 1).
    virtual int Random(int n) = 0;
    // Seeds the source from the clock.
    virtual void Randomize() = 0;
    // Seeds it from the clock the first time only, so later calls keep the sequence going.
    void RandomizeOnce();

    static std::unique_ptr<RandomSource> createDefault();

private:
    bool randomized_ = false;
};

// A Mersenne Twister with unbiased range reduction (Lemire's multiply-and-reject).
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed = std::mt19937::default_seed);

    int Random(int n) override;
    void Randomize() override;

private:
    std::mt19937 engine_;
};
