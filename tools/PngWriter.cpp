#include "PngWriter.h"

#include "Checksums.h"

#include <algorithm>
#include <string_view>

namespace calcora::media {

namespace {

constexpr std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t colourTypeRgba = 6;
constexpr std::uint8_t noFilter = 0;
constexpr std::size_t largestStoredBlock = 0xFFFF;

// A chunk's CRC covers its type and data, not its length.
void writeChunk(ByteBuffer& out, std::string_view type, const Bytes& data)
{
    ByteBuffer typed;
    typed.text(type);
    typed.append(data);
    out.u32be(static_cast<std::uint32_t>(data.size()));
    out.append(typed.bytes());
    out.u32be(crc32(typed.bytes()));
}

Bytes header(const Image& image)
{
    ByteBuffer out;
    out.u32be(static_cast<std::uint32_t>(image.width()));
    out.u32be(static_cast<std::uint32_t>(image.height()));
    out.u8(8); // bits per channel
    out.u8(colourTypeRgba);
    out.u8(0); // deflate
    out.u8(0); // adaptive filtering, here always "none"
    out.u8(0); // not interlaced
    return out.release();
}

Bytes scanlines(const Image& image)
{
    ByteBuffer out;
    for (int y = 0; y < image.height(); ++y) {
        out.u8(noFilter);
        for (int x = 0; x < image.width(); ++x) {
            const Pixel8 p = image.pixel8(x, y);
            for (std::uint8_t channel : {p.red, p.green, p.blue, p.alpha})
                out.u8(channel);
        }
    }
    return out.release();
}

Bytes zlibStored(const Bytes& data)
{
    ByteBuffer out;
    out.u8(0x78); // deflate, 32 KiB window
    out.u8(0x01); // no preset dictionary; makes the header a multiple of 31
    std::size_t done = 0;
    do {
        const std::size_t length = std::min(largestStoredBlock, data.size() - done);
        const bool last = done + length == data.size();
        out.u8(last ? 1 : 0); // BFINAL, block type 00 (stored)
        out.u16le(static_cast<std::uint16_t>(length));
        out.u16le(static_cast<std::uint16_t>(~length));
        out.append(std::span(data).subspan(done, length));
        done += length;
    } while (done < data.size());
    out.u32be(adler32(data));
    return out.release();
}

} // namespace

Bytes pngFile(const Image& image)
{
    ByteBuffer out;
    out.append(signature);
    writeChunk(out, "IHDR", header(image));
    writeChunk(out, "IDAT", zlibStored(scanlines(image)));
    writeChunk(out, "IEND", {});
    return out.release();
}

} // namespace calcora::media
