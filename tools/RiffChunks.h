#pragma once

#include "ByteBuffer.h"

#include <cstddef>
#include <string_view>

namespace calcora::media {

// RIFF files (WAV, AVI) are trees of chunks whose sizes precede their content. A chunk is
// opened, filled, then closed, which writes its size and the pad byte that keeps the next
// chunk at an even offset.
struct OpenChunk {
    std::size_t sizeField;
};

OpenChunk openChunk(ByteBuffer& out, std::string_view id);
// A "RIFF" or "LIST" chunk whose content starts with the four-letter type of the list.
OpenChunk openList(ByteBuffer& out, std::string_view id, std::string_view listType);
void closeChunk(ByteBuffer& out, OpenChunk chunk);

} // namespace calcora::media
