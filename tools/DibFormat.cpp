#include "DibFormat.h"

namespace calcora::media {

namespace {

constexpr std::uint16_t bitsPerPixel = 24;
constexpr std::uint32_t uncompressed = 0; // BI_RGB
constexpr std::int32_t pixelsPerMetre = 2835; // 72 dots per inch

} // namespace

std::uint32_t dibRowSize(int width)
{
    return (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
}

std::uint32_t dibImageSize(const Image& image)
{
    return dibRowSize(image.width()) * static_cast<std::uint32_t>(image.height());
}

void writeBitmapInfoHeader(ByteBuffer& out, const Image& image)
{
    out.u32le(bitmapInfoHeaderSize);
    out.i32le(image.width());
    out.i32le(image.height()); // positive: bottom-up
    out.u16le(1);              // planes
    out.u16le(bitsPerPixel);
    out.u32le(uncompressed);
    out.u32le(dibImageSize(image));
    out.i32le(pixelsPerMetre);
    out.i32le(pixelsPerMetre);
    out.u32le(0); // no palette
    out.u32le(0);
}

void writeDibPixels(ByteBuffer& out, const Image& image)
{
    const std::uint32_t padding = dibRowSize(image.width()) - 3 * static_cast<std::uint32_t>(image.width());
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Pixel8 p = image.pixel8(x, y);
            out.u8(p.blue);
            out.u8(p.green);
            out.u8(p.red);
        }
        for (std::uint32_t i = 0; i < padding; ++i)
            out.u8(0);
    }
}

} // namespace calcora::media
