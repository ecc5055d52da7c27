#include "WavWriter.h"

#include "RiffChunks.h"

#include <algorithm>
#include <cmath>

namespace calcora::media {

namespace {

constexpr std::uint16_t pcmFormat = 1;
constexpr std::uint16_t channels = 1;
constexpr std::uint16_t bytesPerSample = 2;

std::int16_t toPcm16(double sample)
{
    return static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
}

} // namespace

Bytes wavFile(const Samples& samples)
{
    ByteBuffer out;
    const OpenChunk riff = openList(out, "RIFF", "WAVE");

    const OpenChunk format = openChunk(out, "fmt ");
    out.u16le(pcmFormat);
    out.u16le(channels);
    out.u32le(sampleRate);
    out.u32le(sampleRate * channels * bytesPerSample);
    out.u16le(channels * bytesPerSample);
    out.u16le(8 * bytesPerSample);
    closeChunk(out, format);

    const OpenChunk data = openChunk(out, "data");
    for (double sample : samples)
        out.u16le(static_cast<std::uint16_t>(toPcm16(sample)));
    closeChunk(out, data);

    closeChunk(out, riff);
    return out.release();
}

} // namespace calcora::media
