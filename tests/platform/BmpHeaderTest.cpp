#include "BmpHeader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

void putLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
}

// The headers of a BMP file with an information header of `infoSize` bytes (40 or the old
// 12), followed by `pixelBytes` bytes of pixels.
std::string bmp(std::int32_t width, std::int32_t height, int bitsPerPixel,
                std::uint32_t compression = 0, std::uint32_t infoSize = 40, std::size_t pixelBytes = 0)
{
    std::string bytes = "BM";
    const std::uint32_t pixelOffset = 14 + infoSize;
    putLittleEndian(bytes, static_cast<std::uint32_t>(pixelOffset + pixelBytes), 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, pixelOffset, 4);
    putLittleEndian(bytes, infoSize, 4);
    if (infoSize == 12) {
        putLittleEndian(bytes, static_cast<std::uint32_t>(width), 2);
        putLittleEndian(bytes, static_cast<std::uint32_t>(height), 2);
        putLittleEndian(bytes, 1, 2);
        putLittleEndian(bytes, static_cast<std::uint32_t>(bitsPerPixel), 2);
    } else {
        putLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
        putLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
        putLittleEndian(bytes, 1, 2);
        putLittleEndian(bytes, static_cast<std::uint32_t>(bitsPerPixel), 2);
        putLittleEndian(bytes, compression, 4);
        bytes.append(infoSize - 20, '\0');
    }
    return bytes + std::string(pixelBytes, '\x7F');
}

TEST(BmpHeader, ReadsWhatTheHeadersDeclare)
{
    const struct {
        const char* what;
        std::string file;
        BmpLayout layout;
    } cases[] = {
        // Rows are padded to whole 32-bit words: 3 pixels of 24 bits take 12 bytes.
        {"24 bits", bmp(3, 2, 24), {3, 2, 24, 0, 54, 24}},
        {"top down", bmp(3, -2, 24), {3, -2, 24, 0, 54, 24}},
        {"1 bit", bmp(33, 1, 1), {33, 1, 1, 0, 54, 8}},
        {"8 bits", bmp(5, 3, 8), {5, 3, 8, 0, 54, 24}},
        {"32 bits with bit fields", bmp(2, 2, 32, 3), {2, 2, 32, 3, 54, 16}},
        {"the old header", bmp(4, 4, 24, 0, 12), {4, 4, 24, 0, 26, 48}},
        {"run-length rows", bmp(10, 10, 8, 1), {10, 10, 8, 1, 54, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto layout = readBmpLayout(c.file);
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->width, c.layout.width);
        EXPECT_EQ(layout->height, c.layout.height);
        EXPECT_EQ(layout->bitsPerPixel, c.layout.bitsPerPixel);
        EXPECT_EQ(layout->compression, c.layout.compression);
        EXPECT_EQ(layout->pixelOffset, c.layout.pixelOffset);
        EXPECT_EQ(layout->pixelBytes, c.layout.pixelBytes);
    }
}

TEST(BmpHeader, AStartThatIsNoBmpGivesNothing)
{
    const std::string whole = bmp(3, 2, 24);
    EXPECT_FALSE(readBmpLayout(""));
    EXPECT_FALSE(readBmpLayout("BM"));
    EXPECT_FALSE(readBmpLayout("GIF89a" + whole.substr(6)));
    EXPECT_FALSE(readBmpLayout(whole.substr(0, 30))) << "cut inside the information header";
    std::string tinyInfo = whole;
    tinyInfo[14] = 8;
    EXPECT_FALSE(readBmpLayout(tinyInfo)) << "an information header too small to be one";
}

TEST(BmpHeader, OnlyPicturesOfSensibleSizeWithAllTheirPixelsAreTaken)
{
    const auto acceptable = [](const std::string& file) {
        const auto layout = readBmpLayout(file);
        return layout && isAcceptableBmp(*layout, file.size());
    };
    EXPECT_TRUE(acceptable(bmp(3, 2, 24, 0, 40, 24)));
    EXPECT_TRUE(acceptable(bmp(3, -2, 24, 0, 40, 24)));
    EXPECT_FALSE(acceptable(bmp(3, 2, 24, 0, 40, 23))) << "one byte of pixels short";
    EXPECT_FALSE(acceptable(bmp(0, 2, 24))) << "no width";
    EXPECT_FALSE(acceptable(bmp(3, 0, 24))) << "no height";
    EXPECT_FALSE(acceptable(bmp(-3, 2, 24, 0, 40, 24))) << "a negative width";
    EXPECT_FALSE(acceptable(bmp(kLargestPictureSide + 1, 1, 1, 0, 40, 4096)));
    EXPECT_FALSE(acceptable(bmp(1, -(kLargestPictureSide + 1), 1, 0, 40, 4 * (kLargestPictureSide + 1))));
    EXPECT_FALSE(acceptable(bmp(kLargestPictureSide, kLargestPictureSide, 1, 0, 40, 0)))
        << "too many pixels, even where each side would do";

    auto offsetPastTheEnd = readBmpLayout(bmp(3, 2, 24, 0, 40, 24));
    offsetPastTheEnd->pixelOffset = 1000;
    EXPECT_FALSE(isAcceptableBmp(*offsetPastTheEnd, 78));
}

TEST(BmpHeader, TheLargestPictureTakenIsExactlyAtTheLimits)
{
    // 16384 pixels a side, 64 Mi = 16384 x 4096 pixels in all.
    const struct {
        std::int64_t width;
        std::int64_t height;
        bool taken;
    } cases[] = {
        {16384, 1, true},       {16385, 1, false},
        {1, 16384, true},       {1, 16385, false},
        {1, -16384, true},      {1, -16385, false},
        {16384, 4096, true},    {16384, 4097, false},
        {4096, -16384, true},   {4097, -16384, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        // Nothing but the size counts: the file holds every byte the layout needs.
        const BmpLayout layout{c.width, c.height, 1, 0, 54, 0};
        EXPECT_EQ(isAcceptableBmp(layout, 54), c.taken);
    }
}

} // namespace
