#pragma once

#include "ByteBuffer.h"
#include "Image.h"

namespace calcora::media {

// An 8-bit RGBA PNG. The image data is stored in uncompressed deflate blocks: the icon is
// small, and a valid stream needs no compressor.
Bytes pngFile(const Image& image);

} // namespace calcora::media
