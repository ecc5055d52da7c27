#include "RiffChunks.h"

namespace calcora::media {

OpenChunk openChunk(ByteBuffer& out, std::string_view id)
{
    out.text(id);
    OpenChunk chunk{out.size()};
    out.u32le(0);
    return chunk;
}

OpenChunk openList(ByteBuffer& out, std::string_view id, std::string_view listType)
{
    OpenChunk chunk = openChunk(out, id);
    out.text(listType);
    return chunk;
}

void closeChunk(ByteBuffer& out, OpenChunk chunk)
{
    const std::size_t contentStart = chunk.sizeField + 4;
    out.patchU32le(chunk.sizeField, static_cast<std::uint32_t>(out.size() - contentStart));
    if (out.size() % 2 != 0)
        out.u8(0);
}

} // namespace calcora::media
