#pragma once

#include "ByteBuffer.h"
#include "Image.h"

namespace calcora::media {

// An 8-bit RGBA PNG, each row filtered as it packs best and the whole compressed with deflate.
Bytes pngFile(const Image& image);

} // namespace calcora::media
