#include "AppError.h"
#include "BitmapFile.h"
#include "DisplayText.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

// A picture whose pixels all differ, so a loaded copy can be compared pixel for pixel.
QImage distinctPixels(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(40 * x, 60 * y, 200));
    return picture;
}

class BitmapFile : public testing::Test {
protected:
    std::string pathOf(const char* name) const { return nativeFilePath(folder.filePath(name)); }

    // The message loadBitmapFile fails with, checking that the picture was left alone.
    std::string failureLoading(const std::string& path)
    {
        const QImage before = distinctPixels(2, 2);
        QImage picture = before;
        std::string message = "no failure";
        try {
            loadBitmapFile(picture, path);
        } catch (const AppError& error) {
            message = error.what();
        }
        EXPECT_EQ(picture, before);
        return message;
    }

    QTemporaryDir folder;
};

TEST_F(BitmapFile, LoadsABmpInPlace)
{
    const QImage written = distinctPixels(5, 3);
    ASSERT_TRUE(written.save(folder.filePath("tile.bmp"), "BMP"));
    QImage picture = distinctPixels(1, 1);
    loadBitmapFile(picture, pathOf("tile.bmp"));
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), written);
}

TEST_F(BitmapFile, LoadsTheShippedBackground)
{
    QImage picture;
    loadBitmapFile(picture, CALCORA_MEDIA_DIR "/bg.bmp");
    EXPECT_EQ(picture.size(), QSize(64, 64));
}

TEST_F(BitmapFile, AFileThatIsNoBmpIsNotValidWhateverItsName)
{
    ASSERT_TRUE(distinctPixels(5, 3).save(folder.filePath("png.bmp"), "PNG"));
    QFile text(folder.filePath("text.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("BM is how a bitmap starts, but this is only text.\n");
    text.close();
    QFile empty(folder.filePath("empty.bmp"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    for (const char* name : {"png.bmp", "text.bmp", "empty.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(failureLoading(pathOf(name)), "Bitmap image is not valid");
    }
}

TEST_F(BitmapFile, AFileThatCannotBeOpenedIsNamed)
{
    ASSERT_EQ(::mkfifo(pathOf("pipe.bmp").c_str(), 0600), 0);
    for (const std::string& path : {pathOf("missing.bmp"), nativeFilePath(folder.path()), pathOf("pipe.bmp")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(failureLoading(path), "Cannot open file " + path);
    }
}

// A BMP's headers: the file header, then an info header of 40 bytes, then the pixels.
std::string bmpHeaders(std::int32_t width, std::int32_t height, int bitsPerPixel, std::uint32_t compression = 0)
{
    std::string bytes(54, '\0');
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B', bytes[1] = 'M';
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, static_cast<std::uint32_t>(bitsPerPixel), 2);
    put(30, compression, 4);
    return bytes;
}

TEST_F(BitmapFile, APictureShorterOrLargerThanTheProgramTakesIsNotValid)
{
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::string eightByEightRow(24, '\x7F');
    const Case cases[] = {
        {"one of eight rows", bmpHeaders(8, 8, 24) + eightByEightRow},
        {"seven rows and a bit", bmpHeaders(8, 8, 24) + std::string(7 * 24 + 5, '\x7F')},
        {"rows stored top down, one missing", bmpHeaders(8, -8, 24) + std::string(7 * 24, '\x7F')},
        {"30000 x 30000 declared in 118 bytes", bmpHeaders(30000, 30000, 24) + std::string(64, '\x7F')},
        {"wider than 16384", bmpHeaders(16385, 1, 1) + std::string(2052, '\0')},
        {"over 64 million pixels", bmpHeaders(8193, 8193, 1) + std::string(1032 * 8193, '\0')},
        {"no width", bmpHeaders(0, 8, 24)},
        {"headers cut short", bmpHeaders(8, 8, 24).substr(0, 30)},
    };
    for (const Case& invalid : cases) {
        SCOPED_TRACE(invalid.what);
        const std::string path = pathOf("picture.bmp");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << invalid.bytes;
        EXPECT_EQ(failureLoading(path), "Bitmap image is not valid");
    }

    // Whole, the same picture loads, and every pixel is the file's.
    const std::string path = pathOf("whole.bmp");
    std::ofstream(path, std::ios::binary) << bmpHeaders(8, 8, 24) << std::string(8 * 24, '\x7F');
    QImage picture;
    loadBitmapFile(picture, path);
    EXPECT_EQ(picture.size(), QSize(8, 8));
    EXPECT_EQ(picture.pixel(7, 7), qRgb(0x7F, 0x7F, 0x7F));
}

// A compressed picture need not set every pixel: those it leaves out are the first colour of
// its palette, never what the memory held before. The heap is filled with a pattern first, as
// earlier pictures and texts leave it.
TEST_F(BitmapFile, PixelsACompressedPictureLeavesOutAreItsFirstColour)
{
    constexpr int kSide = 64;
    constexpr std::uint32_t kRle8 = 1;
    std::string bytes = bmpHeaders(kSide, kSide, 8, kRle8);
    bytes[10] = static_cast<char>((54 + 1024) & 0xFF), bytes[11] = static_cast<char>((54 + 1024) >> 8);
    for (int entry = 0; entry < 256; ++entry)
        bytes += std::string{static_cast<char>(entry), static_cast<char>(entry), '\x40', '\0'};
    bytes += std::string("\x04\x09\x00\x01", 4); // four pixels of colour 9, then the end of the picture
    const std::string path = pathOf("rle8.bmp");
    std::ofstream(path, std::ios::binary) << bytes;

    for (int round = 0; round < 50; ++round) {
        auto* earlier = new char[kSide * kSide + 64];
        std::memset(earlier, 0xAB, kSide * kSide + 64);
        delete[] earlier;
    }
    QImage picture;
    loadBitmapFile(picture, path);
    ASSERT_EQ(picture.size(), QSize(kSide, kSide));
    int otherPixels = 0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool inFile = y == kSide - 1 && x < 4;
            otherPixels += picture.pixel(x, y) != (inFile ? qRgb(0x40, 9, 9) : qRgb(0x40, 0, 0));
        }
    }
    EXPECT_EQ(otherPixels, 0);
}

} // namespace
