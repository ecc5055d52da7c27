#pragma once

#include "ByteBuffer.h"
#include "Image.h"

namespace calcora::media {

// An uncompressed 24-bit BMP file, the form every Windows and Qt image loader reads.
Bytes bmpFile(const Image& image);

} // namespace calcora::media
