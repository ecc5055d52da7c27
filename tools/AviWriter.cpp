#include "AviWriter.h"

#include "DibFormat.h"
#include "RiffChunks.h"

#include <stdexcept>

namespace calcora::media {

namespace {

constexpr std::uint32_t hasIndex = 0x10;   // AVIF_HASINDEX
constexpr std::uint32_t keyFrame = 0x10;   // AVIIF_KEYFRAME: every raw frame stands alone
constexpr std::uint32_t defaultQuality = 0xFFFFFFFF;

struct Movie {
    int width;
    int height;
    std::uint32_t frameCount;
    std::uint32_t frameSize;
    std::uint32_t framesPerSecond;
};

void writeMainHeader(ByteBuffer& out, const Movie& movie)
{
    const OpenChunk header = openChunk(out, "avih");
    out.u32le(1'000'000 / movie.framesPerSecond); // microseconds per frame
    out.u32le(movie.frameSize * movie.framesPerSecond);
    out.u32le(0); // padding granularity
    out.u32le(hasIndex);
    out.u32le(movie.frameCount);
    out.u32le(0); // initial frames
    out.u32le(1); // streams
    out.u32le(movie.frameSize);
    out.u32le(static_cast<std::uint32_t>(movie.width));
    out.u32le(static_cast<std::uint32_t>(movie.height));
    for (int i = 0; i < 4; ++i)
        out.u32le(0); // reserved
    closeChunk(out, header);
}

void writeVideoStreamHeader(ByteBuffer& out, const Movie& movie)
{
    const OpenChunk header = openChunk(out, "strh");
    out.text("vids");
    out.text("DIB ");
    out.u32le(0);  // flags
    out.u16le(0);  // priority
    out.u16le(0);  // language
    out.u32le(0);  // initial frames
    out.u32le(1);  // scale: the rate counts whole frames per second
    out.u32le(movie.framesPerSecond);
    out.u32le(0);  // start
    out.u32le(movie.frameCount);
    out.u32le(movie.frameSize);
    out.u32le(defaultQuality);
    out.u32le(0);  // sample size: varies, as for any video stream
    out.u16le(0);  // frame rectangle: left, top, right, bottom
    out.u16le(0);
    out.u16le(static_cast<std::uint16_t>(movie.width));
    out.u16le(static_cast<std::uint16_t>(movie.height));
    closeChunk(out, header);
}

} // namespace

Bytes aviFile(const std::vector<Image>& frames, int framesPerSecond)
{
    if (frames.empty())
        throw std::invalid_argument("an AVI needs at least one frame");
    const Image& first = frames.front();
    for (const Image& frame : frames)
        if (frame.width() != first.width() || frame.height() != first.height())
            throw std::invalid_argument("all frames of an AVI must have one size");
    const Movie movie{first.width(), first.height(), static_cast<std::uint32_t>(frames.size()),
                      dibImageSize(first), static_cast<std::uint32_t>(framesPerSecond)};

    ByteBuffer out;
    const OpenChunk riff = openList(out, "RIFF", "AVI ");

    const OpenChunk headers = openList(out, "LIST", "hdrl");
    writeMainHeader(out, movie);
    const OpenChunk stream = openList(out, "LIST", "strl");
    writeVideoStreamHeader(out, movie);
    const OpenChunk format = openChunk(out, "strf");
    writeBitmapInfoHeader(out, first);
    closeChunk(out, format);
    closeChunk(out, stream);
    closeChunk(out, headers);

    const OpenChunk moviList = openList(out, "LIST", "movi");
    const std::size_t moviType = moviList.sizeField + 4; // index offsets count from here
    std::vector<std::uint32_t> frameOffsets;
    for (const Image& frame : frames) {
        frameOffsets.push_back(static_cast<std::uint32_t>(out.size() - moviType));
        const OpenChunk chunk = openChunk(out, "00db");
        writeDibPixels(out, frame);
        closeChunk(out, chunk);
    }
    closeChunk(out, moviList);

    const OpenChunk index = openChunk(out, "idx1");
    for (std::uint32_t offset : frameOffsets) {
        out.text("00db");
        out.u32le(keyFrame);
        out.u32le(offset);
        out.u32le(movie.frameSize);
    }
    closeChunk(out, index);

    closeChunk(out, riff);
    return out.release();
}

} // namespace calcora::media
