#pragma once

#include "ByteBuffer.h"
#include "Image.h"

#include <cstdint>

namespace calcora::media {

// The device-independent bitmap layout shared by BMP files and uncompressed AVI frames:
// 24 bits per pixel, no compression, rows stored bottom to top.

// Bytes of one stored row: three per pixel, padded to a multiple of four.
std::uint32_t dibRowSize(int width);
std::uint32_t dibImageSize(const Image& image);

// The BITMAPINFOHEADER describing such pixels.
inline constexpr std::uint32_t bitmapInfoHeaderSize = 40;
void writeBitmapInfoHeader(ByteBuffer& out, const Image& image);
// The pixels themselves, blue-green-red; the alpha channel is not stored.
void writeDibPixels(ByteBuffer& out, const Image& image);

} // namespace calcora::media
