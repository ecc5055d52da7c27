#pragma once

#include <cstdint>
#include <string>
#include <vector>

using AviBytes = std::vector<std::uint8_t>;

// A small AVI file written field by field, so a test can make any layout the animation
// control reads, and damage any part of it.
struct TestAvi {
    int width = 3;
    int height = 2; // negative: rows stored top to bottom
    int bitsPerPixel = 24;
    std::uint32_t compression = 0; // 0 plain pixels, 1 RLE8, or any other code
    std::vector<std::uint32_t> palette{}; // 0xRRGGBB
    // Written as the number of palette colours; the palette's size when not given.
    std::int64_t coloursUsed = -1;
    std::uint32_t microsecondsPerFrame = 100'000; // the main header's period
    std::uint32_t streamScale = 1;                // the stream header's rate: rate / scale
    std::uint32_t streamRate = 10;
    // A sound stream before the video, whose chunks lie between the frames; the frames are
    // then "01dc" and are grouped with the sound in 'rec ' lists.
    bool soundFirst = false;
    std::string frameKind = "db";
    std::vector<AviBytes> frames{}; // each frame chunk's contents
};

AviBytes aviBytes(const TestAvi& movie);

// A picture given top to bottom (0xRRGGBB colours, or palette indices for 8 bits) as a frame
// stores it: bottom-up unless height is negative, every row padded to four bytes.
AviBytes storedPixels(const std::vector<std::uint32_t>& picture, int width, int height, int bitsPerPixel);

// Replaces the four bytes after the first occurrence of `code` with value (little-endian),
// e.g. the length of a chunk.
void patchAfter(AviBytes& file, const std::string& code, std::uint32_t value);
void renameCode(AviBytes& file, const std::string& code, const std::string& replacement);
