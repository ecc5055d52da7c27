#pragma once

#include "ByteBuffer.h"
#include "Image.h"

#include <vector>

namespace calcora::media {

// A silent AVI of uncompressed 24-bit frames, all of one size, with an index: the simplest
// movie that an animation control can play without any codec.
Bytes aviFile(const std::vector<Image>& frames, int framesPerSecond);

} // namespace calcora::media
