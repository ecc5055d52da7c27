#include "PngWriter.h"

#include "Checksums.h"
#include "Deflate.h"

#include <cstdlib>
#include <string_view>
#include <utility>

namespace calcora::media {

namespace {

constexpr std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t colourTypeRgba = 6;
constexpr std::size_t bytesPerPixel = 4;

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
    out.u8(0); // adaptive filtering, chosen row by row
    out.u8(0); // not interlaced
    return out.release();
}

Bytes rowBytes(const Image& image, int y)
{
    Bytes row;
    row.reserve(static_cast<std::size_t>(image.width()) * bytesPerPixel);
    for (int x = 0; x < image.width(); ++x) {
        const Pixel8 p = image.pixel8(x, y);
        row.insert(row.end(), {p.red, p.green, p.blue, p.alpha});
    }
    return row;
}

enum Filter : std::uint8_t { none, sub, up, average, paeth, filterCount };

// PNG's row filters predict each byte from the bytes to its left, above and above-left.
int prediction(int filter, int left, int above, int aboveLeft)
{
    switch (filter) {
    case sub:
        return left;
    case up:
        return above;
    case average:
        return (left + above) / 2;
    case paeth: {
        const int guess = left + above - aboveLeft;
        const int toLeft = std::abs(guess - left);
        const int toAbove = std::abs(guess - above);
        const int toAboveLeft = std::abs(guess - aboveLeft);
        if (toLeft <= toAbove && toLeft <= toAboveLeft)
            return left;
        return toAbove <= toAboveLeft ? above : aboveLeft;
    }
    default:
        return 0;
    }
}

// The row with every byte less its prediction.
Bytes filtered(int filter, const Bytes& row, const Bytes& previousRow)
{
    Bytes out(row.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int left = i >= bytesPerPixel ? row[i - bytesPerPixel] : 0;
        const int aboveLeft = i >= bytesPerPixel ? previousRow[i - bytesPerPixel] : 0;
        out[i] = static_cast<std::uint8_t>(row[i] - prediction(filter, left, previousRow[i], aboveLeft));
    }
    return out;
}

// The usual choice of filter: the one whose bytes, read as signed, lie nearest zero. Flat
// colours and smooth gradients then become long runs that deflate packs well.
std::pair<int, Bytes> bestFilter(const Bytes& row, const Bytes& previousRow)
{
    std::pair<int, Bytes> best{-1, {}};
    long bestCost = 0;
    for (int filter = none; filter < filterCount; ++filter) {
        Bytes candidate = filtered(filter, row, previousRow);
        long cost = 0;
        for (std::uint8_t byte : candidate)
            cost += std::abs(static_cast<std::int8_t>(byte));
        if (best.first < 0 || cost < bestCost) {
            best = {filter, std::move(candidate)};
            bestCost = cost;
        }
    }
    return best;
}

Bytes scanlines(const Image& image)
{
    ByteBuffer out;
    // The row above the first is taken as zeros.
    Bytes previousRow(static_cast<std::size_t>(image.width()) * bytesPerPixel, 0);
    for (int y = 0; y < image.height(); ++y) {
        Bytes row = rowBytes(image, y);
        const auto [filter, bytes] = bestFilter(row, previousRow);
        out.u8(static_cast<std::uint8_t>(filter));
        out.append(bytes);
        previousRow = std::move(row);
    }
    return out.release();
}

} // namespace

Bytes pngFile(const Image& image)
{
    ByteBuffer out;
    out.append(signature);
    writeChunk(out, "IHDR", header(image));
    writeChunk(out, "IDAT", zlibCompress(scanlines(image)));
    writeChunk(out, "IEND", {});
    return out.release();
}

} // namespace calcora::media
