#pragma once

#include "ByteBuffer.h"

#include <span>

namespace calcora::media {

// A zlib stream (RFC 1950) of the data, compressed with deflate's fixed Huffman codes and
// greedy LZ77 matching. Plain and deterministic: the same input always gives the same bytes,
// whatever the machine, which the committed media rely on.
Bytes zlibCompress(std::span<const std::uint8_t> data);

} // namespace calcora::media
