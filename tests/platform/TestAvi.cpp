#include "TestAvi.h"

#include "ByteBuffer.h"
#include "RiffChunks.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

using namespace calcora::media;

namespace {

void writeStreamHeader(ByteBuffer& out, const char* type, std::uint32_t scale, std::uint32_t rate,
                       std::uint32_t length)
{
    const OpenChunk header = openChunk(out, "strh");
    out.text(type);
    out.u32le(0);         // no particular codec
    out.u32le(0);         // flags
    out.u32le(0);         // priority, language
    out.u32le(0);         // initial frames
    out.u32le(scale);
    out.u32le(rate);
    out.u32le(0); // start
    out.u32le(length);
    for (int i = 0; i < 5; ++i)
        out.u32le(0); // buffer size, quality, sample size, frame rectangle
    closeChunk(out, header);
}

void writeSoundStream(ByteBuffer& out)
{
    const OpenChunk stream = openList(out, "LIST", "strl");
    writeStreamHeader(out, "auds", 1, 8000, 0);
    const OpenChunk format = openChunk(out, "strf");
    out.u16le(1);     // PCM
    out.u16le(1);     // mono
    out.u32le(8000);  // samples per second
    out.u32le(8000);  // bytes per second
    out.u16le(1);     // block
    out.u16le(8);     // bits
    closeChunk(out, format);
    closeChunk(out, stream);
}

void writeVideoStream(ByteBuffer& out, const TestAvi& movie)
{
    const OpenChunk stream = openList(out, "LIST", "strl");
    writeStreamHeader(out, "vids", movie.streamScale, movie.streamRate,
                      static_cast<std::uint32_t>(movie.frames.size()));
    const OpenChunk format = openChunk(out, "strf");
    out.u32le(40);
    out.i32le(movie.width);
    out.i32le(movie.height);
    out.u16le(1);
    out.u16le(static_cast<std::uint16_t>(movie.bitsPerPixel));
    out.u32le(movie.compression);
    out.u32le(0); // image size: may be left 0
    out.u32le(0);
    out.u32le(0);
    out.u32le(static_cast<std::uint32_t>(movie.coloursUsed >= 0 ? movie.coloursUsed
                                                                  : static_cast<std::int64_t>(movie.palette.size())));
    out.u32le(0);
    for (std::uint32_t colour : movie.palette)
        out.u32le(colour); // blue, green, red, 0 in file order
    closeChunk(out, format);
    closeChunk(out, stream);
}

} // namespace

AviBytes aviBytes(const TestAvi& movie)
{
    ByteBuffer out;
    const OpenChunk riff = openList(out, "RIFF", "AVI ");
    const OpenChunk headers = openList(out, "LIST", "hdrl");
    const OpenChunk mainHeader = openChunk(out, "avih");
    out.u32le(movie.microsecondsPerFrame);
    for (int i = 0; i < 13; ++i)
        out.u32le(0);
    closeChunk(out, mainHeader);
    if (movie.soundFirst)
        writeSoundStream(out);
    writeVideoStream(out, movie);
    closeChunk(out, headers);

    const OpenChunk junk = openChunk(out, "JUNK");
    out.text("odd padding to skip"); // an odd length: the next chunk starts after a pad byte
    closeChunk(out, junk);

    const OpenChunk frames = openList(out, "LIST", "movi");
    const std::string frameId = (movie.soundFirst ? "01" : "00") + movie.frameKind;
    for (const AviBytes& frame : movie.frames) {
        OpenChunk group{};
        if (movie.soundFirst) {
            group = openList(out, "LIST", "rec ");
            const OpenChunk sound = openChunk(out, "00wb");
            out.text("sound!");
            closeChunk(out, sound);
        }
        const OpenChunk chunk = openChunk(out, frameId);
        out.append(frame);
        closeChunk(out, chunk);
        if (movie.soundFirst)
            closeChunk(out, group);
    }
    closeChunk(out, frames);
    closeChunk(out, riff);
    return out.release();
}

AviBytes storedPixels(const std::vector<std::uint32_t>& picture, int width, int height, int bitsPerPixel)
{
    const int rows = std::abs(height);
    ByteBuffer out;
    for (int stored = 0; stored < rows; ++stored) {
        const int y = height < 0 ? stored : rows - 1 - stored;
        const std::size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = picture.at(static_cast<std::size_t>(y * width + x));
            if (bitsPerPixel == 8) {
                out.u8(static_cast<std::uint8_t>(value));
                continue;
            }
            out.u8(static_cast<std::uint8_t>(value));       // blue
            out.u8(static_cast<std::uint8_t>(value >> 8));  // green
            out.u8(static_cast<std::uint8_t>(value >> 16)); // red
            if (bitsPerPixel == 32)
                out.u8(0x5A); // unused
        }
        while ((out.size() - start) % 4 != 0)
            out.u8(0xEE); // padding that must not be read as pixels
    }
    return out.release();
}

namespace {

AviBytes::iterator find(AviBytes& file, const std::string& code, std::size_t room)
{
    const auto found = std::search(file.begin(), file.end(), code.begin(), code.end());
    if (file.end() - found < static_cast<std::ptrdiff_t>(room))
        throw std::invalid_argument("no " + code + " in the file");
    return found;
}

} // namespace

void patchAfter(AviBytes& file, const std::string& code, std::uint32_t value)
{
    auto at = find(file, code, code.size() + 4) + static_cast<std::ptrdiff_t>(code.size());
    for (int i = 0; i < 4; ++i)
        *at++ = static_cast<std::uint8_t>(value >> (8 * i));
}

void renameCode(AviBytes& file, const std::string& code, const std::string& replacement)
{
    std::copy(replacement.begin(), replacement.end(), find(file, code, code.size()));
}
