#include "BmpWriter.h"

#include "DibFormat.h"

namespace calcora::media {

namespace {

constexpr std::uint32_t fileHeaderSize = 14;

} // namespace

Bytes bmpFile(const Image& image)
{
    const std::uint32_t pixelOffset = fileHeaderSize + bitmapInfoHeaderSize;
    ByteBuffer out;
    out.text("BM");
    out.u32le(pixelOffset + dibImageSize(image));
    out.u32le(0); // reserved
    out.u32le(pixelOffset);
    writeBitmapInfoHeader(out, image);
    writeDibPixels(out, image);
    return out.release();
}

} // namespace calcora::media
