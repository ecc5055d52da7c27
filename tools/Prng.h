#pragma once

#include <cstdint>

namespace calcora::media {

// SplitMix64: tiny, and the same sequence on every platform, so the generated noise and
// textures are identical from run to run. Each recipe seeds its own generator.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // Uniform in [-1, 1), built from the top 53 bits so no rounding mode is involved.
    double signedUnit()
    {
        return static_cast<double>(next() >> 11) * 0x1.0p-52 - 1.0;
    }

private:
    std::uint64_t state_;
};

} // namespace calcora::media
