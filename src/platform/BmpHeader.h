#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What a BMP file's headers declare, read without decoding a single pixel.
struct BmpLayout {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows stored from the top down
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint64_t pixelOffset = 0;
    // The bytes of pixel data the layout needs; 0 when the rows are compressed and their
    // length cannot be known before decoding.
    std::uint64_t pixelBytes = 0;
};

// The layout from the start of a file; nothing when it is too short to hold a BMP's headers
// or is no BMP.
std::optional<BmpLayout> readBmpLayout(std::string_view fileStart);

// The largest picture the program takes: beyond this a background only costs memory.
inline constexpr std::int64_t kLargestPictureSide = 16384;
inline constexpr std::int64_t kLargestPicturePixels = 64 * 1024 * 1024;

// Whether a file of this layout and size holds a picture the program takes: of a sensible
// size, and long enough for the pixel data it declares (a shorter file would show whatever
// happened to be in memory where its rows are missing).
bool isAcceptableBmp(const BmpLayout& layout, std::uint64_t fileSize);
