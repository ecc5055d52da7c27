// The media tool's PNG files: what Qt (and with it libpng and zlib) reads back is exactly
// what was drawn, for the icons and for pictures that try the compressor's limits.

#include "Deflate.h"
#include "PictureRecipes.h"
#include "PngWriter.h"
#include "Prng.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace media = calcora::media;

namespace {

std::vector<std::uint8_t> noise(std::size_t length, std::uint64_t seed)
{
    media::Prng random(seed);
    std::vector<std::uint8_t> bytes(length);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random.next() >> 56);
    return bytes;
}

std::vector<std::uint8_t> twice(std::vector<std::uint8_t> bytes)
{
    const std::size_t length = bytes.size();
    bytes.resize(2 * length);
    std::copy_n(bytes.begin(), length, bytes.begin() + static_cast<std::ptrdiff_t>(length));
    return bytes;
}

// zlib reads every stream back to the same bytes; the repeats lie just inside and just beyond
// the 32 KiB that deflate may look back.
TEST(Deflate, ZlibReadsBackEveryStream)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> data;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"one byte", {42}},
        {"three equal bytes", {7, 7, 7}},
        {"noise", noise(100'000, 1)},
        {"a megabyte of zeros", std::vector<std::uint8_t>(1 << 20, 0)},
        {"a repeat exactly 32 KiB back", twice(noise(32'768, 2))},
        {"a repeat just beyond 32 KiB", twice(noise(32'769, 3))},
        {"runs of 258 and 259 bytes", [] {
             std::vector<std::uint8_t> runs(258, 1);
             runs.push_back(2);
             runs.insert(runs.end(), 259, 3);
             return runs;
         }()},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const std::vector<std::uint8_t> stream = media::zlibCompress(test.data);
        // qUncompress takes the expected length first, big-endian.
        QByteArray framed;
        for (int shift = 24; shift >= 0; shift -= 8)
            framed.append(static_cast<char>(test.data.size() >> shift));
        framed.append(reinterpret_cast<const char*>(stream.data()), static_cast<qsizetype>(stream.size()));
        const QByteArray back = qUncompress(framed);
        EXPECT_EQ(back, QByteArray(reinterpret_cast<const char*>(test.data.data()), static_cast<qsizetype>(test.data.size())));
    }
    EXPECT_LT(media::zlibCompress(std::vector<std::uint8_t>(1 << 20, 0)).size(), std::size_t{10'000})
        << "long runs are packed";
}

void expectReadsBackAsDrawn(const media::Image& image)
{
    const std::vector<std::uint8_t> file = media::pngFile(image);
    const QImage read = QImage::fromData(file.data(), static_cast<int>(file.size()), "PNG")
                            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(read.size(), QSize(image.width(), image.height()));
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const media::Pixel8 p = image.pixel8(x, y);
            wrong += read.pixel(x, y) != qRgba(p.red, p.green, p.blue, p.alpha);
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels that read back differently";
}

TEST(PngFile, ReadsBackAsDrawn)
{
    for (int size : media::applicationIconSizes) {
        SCOPED_TRACE("the icon at " + std::to_string(size) + " px");
        expectReadsBackAsDrawn(media::applicationIcon(size));
    }
    {
        SCOPED_TRACE("noise in every channel, alpha too");
        media::Image speckled(61, 37, media::rgb(0, 0, 0));
        media::Prng random(4);
        for (int y = 0; y < speckled.height(); ++y) {
            for (int x = 0; x < speckled.width(); ++x) {
                const auto unit = [&random] { return (random.signedUnit() + 1) / 2; };
                speckled.set(x, y, {unit(), unit(), unit(), unit()});
            }
        }
        expectReadsBackAsDrawn(speckled);
    }
    {
        SCOPED_TRACE("one pixel");
        expectReadsBackAsDrawn(media::Image(1, 1, media::rgb(1, 2, 3, 0.5)));
    }
}

} // namespace
