#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The pictures of a small silent AVI movie, such as the update checker's animation. Reads
// frames stored as plain device-independent bitmaps: 24 or 32 bits per pixel, 8-bit indices
// into a palette, or 8-bit indices compressed with RLE8 (whose frames may change only part of
// the picture before them). Rows may be stored bottom-up or top-down.

// Larger pictures or longer movies than these are taken for damage, not decoration.
inline constexpr int kAviLargestSide = 4096;
inline constexpr std::size_t kAviMostFrames = 10'000;
// All frames together, in pixels: what the decoded movie may take in memory (64 MiB).
inline constexpr std::size_t kAviMostPixels = std::size_t{1} << 24;
// A file that holds more than the largest movie above cannot be one worth reading.
inline constexpr std::size_t kAviLargestFile = 4 * kAviMostPixels + (std::size_t{1} << 20);

struct AviMovie {
    int width = 0;
    int height = 0;
    // How long each frame stays on screen.
    std::uint32_t microsecondsPerFrame = 0;
    // Every frame in file order; rows top to bottom, each pixel 0xFFRRGGBB.
    std::vector<std::vector<std::uint32_t>> frames;
};

// Decodes a whole AVI file held in memory. Every length and offset is checked against the
// bytes given: a file that is damaged anywhere, or that holds no frames this reader knows,
// gives a movie with no frames rather than a part of one.
AviMovie decodeAvi(std::span<const std::uint8_t> file);
