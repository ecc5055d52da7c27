#include "AviFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

// Thrown at the first thing that does not add up; decodeAvi turns it into an empty movie.
struct MalformedAvi {};

[[noreturn]] void refuse()
{
    throw MalformedAvi{};
}

void require(bool condition)
{
    if (!condition)
        refuse();
}

constexpr std::uint32_t kUncompressed = 0; // BI_RGB
constexpr std::uint32_t kRle8 = 1;         // BI_RLE8
constexpr std::size_t kBitmapInfoHeaderSize = 40;

// A stretch of the file. Every read is checked against its end, so no length written in the
// file can make the reader look outside it.
class Bytes {
public:
    Bytes() = default;
    explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t size() const { return data_.size(); }
    const std::uint8_t* data() const { return data_.data(); }

    std::uint8_t u8(std::size_t at) const
    {
        need(at, 1);
        return data_[at];
    }
    std::uint16_t u16(std::size_t at) const
    {
        need(at, 2);
        return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const
    {
        need(at, 4);
        return static_cast<std::uint32_t>(data_[at]) | static_cast<std::uint32_t>(data_[at + 1]) << 8
            | static_cast<std::uint32_t>(data_[at + 2]) << 16
            | static_cast<std::uint32_t>(data_[at + 3]) << 24;
    }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
    bool hasCode(std::size_t at, std::string_view code) const
    {
        need(at, 4);
        return std::equal(code.begin(), code.end(), data_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    Bytes part(std::size_t at, std::size_t length) const
    {
        need(at, length);
        return Bytes(data_.subspan(at, length));
    }
    Bytes from(std::size_t at) const
    {
        need(at, 0);
        return Bytes(data_.subspan(at));
    }

private:
    void need(std::size_t at, std::size_t length) const
    {
        require(at <= data_.size() && length <= data_.size() - at);
    }

    std::span<const std::uint8_t> data_;
};

struct Chunk {
    std::array<char, 4> id;
    Bytes body;

    bool is(std::string_view code) const { return std::equal(code.begin(), code.end(), id.begin()); }
    // A LIST chunk of the given type; its contents follow the type.
    bool isList(std::string_view type) const { return is("LIST") && body.size() >= 4 && body.hasCode(0, type); }
    Bytes listContents() const { return body.from(4); }
};

// Walks the chunks of a RIFF list one after the other. A chunk whose length runs past its
// list, or a list that ends in the middle of a chunk header, is damage.
class ChunkReader {
public:
    explicit ChunkReader(Bytes list) : list_(list) {}

    std::optional<Chunk> next()
    {
        if (at_ >= list_.size())
            return std::nullopt;
        Chunk chunk{};
        require(list_.size() - at_ >= 8);
        for (std::size_t i = 0; i < 4; ++i)
            chunk.id[i] = static_cast<char>(list_.u8(at_ + i));
        const std::uint32_t length = list_.u32(at_ + 4);
        chunk.body = list_.part(at_ + 8, length);
        // Chunks start at even offsets; the pad byte after the last one may be missing.
        at_ += 8 + std::size_t{length} + (length & 1);
        return chunk;
    }

private:
    Bytes list_;
    std::size_t at_ = 0;
};

struct VideoFormat {
    int streamNumber = -1;
    std::uint32_t microsecondsPerFrame = 0; // from the stream's own rate
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = kUncompressed;
    // Colours of the 8-bit indices; indices past the palette are black.
    std::array<std::uint32_t, 256> palette{};

    std::size_t pixelCount() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }
};

constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

std::uint32_t opaque(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return kOpaqueBlack | std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
}

// Frames per second given as rate / scale, as the stream header gives them.
std::uint32_t periodFromRate(std::uint32_t scale, std::uint32_t rate)
{
    if (scale == 0 || rate == 0)
        return 0;
    const std::uint64_t period = std::uint64_t{scale} * 1'000'000 / rate;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(period, UINT32_MAX));
}

// The BITMAPINFOHEADER (and palette) that describes every frame of the stream.
void readBitmapFormat(Bytes format, VideoFormat& video)
{
    const std::uint32_t headerSize = format.u32(0);
    require(headerSize >= kBitmapInfoHeaderSize && headerSize <= format.size());
    const std::int64_t width = format.i32(4);
    const std::int64_t height = format.i32(8);
    video.bitsPerPixel = format.u16(14);
    video.compression = format.u32(16);
    require(width >= 1 && width <= kAviLargestSide);
    require(height != 0 && std::abs(height) <= kAviLargestSide);
    video.width = static_cast<int>(width);
    video.height = static_cast<int>(std::abs(height));
    video.topDown = height < 0;

    const bool known = (video.compression == kUncompressed
                        && (video.bitsPerPixel == 8 || video.bitsPerPixel == 24 || video.bitsPerPixel == 32))
        || (video.compression == kRle8 && video.bitsPerPixel == 8 && !video.topDown);
    require(known);

    if (video.bitsPerPixel == 8) {
        const std::uint32_t coloursUsed = format.u32(32);
        require(coloursUsed <= 256);
        const std::uint32_t colours = coloursUsed == 0 ? 256 : coloursUsed;
        const Bytes palette = format.part(headerSize, std::size_t{colours} * 4);
        video.palette.fill(kOpaqueBlack);
        for (std::size_t i = 0; i < colours; ++i)
            video.palette[i] = opaque(palette.u8(4 * i + 2), palette.u8(4 * i + 1), palette.u8(4 * i));
    }
}

// The stream headers: the first video stream is the movie; others (sound) are left alone.
VideoFormat readStreams(Bytes headerList)
{
    VideoFormat video;
    int streamNumber = 0;
    ChunkReader chunks(headerList);
    while (const auto chunk = chunks.next()) {
        if (!chunk->isList("strl"))
            continue;
        std::optional<Bytes> streamHeader;
        std::optional<Bytes> streamFormat;
        ChunkReader parts(chunk->listContents());
        while (const auto part = parts.next()) {
            if (part->is("strh"))
                streamHeader = part->body;
            else if (part->is("strf"))
                streamFormat = part->body;
        }
        if (streamHeader && streamHeader->hasCode(0, "vids")) {
            require(streamFormat.has_value() && streamNumber < 100);
            video.streamNumber = streamNumber;
            video.microsecondsPerFrame = periodFromRate(streamHeader->u32(20), streamHeader->u32(24));
            readBitmapFormat(*streamFormat, video);
            return video;
        }
        ++streamNumber;
    }
    refuse();
}

// Holds the frames decoded so far, in both the indices RLE8 frames change and the colours shown.
class FrameDecoder {
public:
    explicit FrameDecoder(const VideoFormat& video) : video_(video)
    {
        const char tens = static_cast<char>('0' + video.streamNumber / 10);
        const char ones = static_cast<char>('0' + video.streamNumber % 10);
        uncompressedId_ = {tens, ones, 'd', 'b'};
        compressedId_ = {tens, ones, 'd', 'c'};
        if (video.compression == kRle8)
            indices_.assign(video.pixelCount(), 0);
    }

    bool isFrame(const Chunk& chunk) const { return chunk.id == uncompressedId_ || chunk.id == compressedId_; }

    void decode(Bytes data, std::vector<std::vector<std::uint32_t>>& frames)
    {
        require(frames.size() < kAviMostFrames);
        require((std::uint64_t{frames.size()} + 1) * video_.pixelCount() <= kAviMostPixels);
        if (video_.compression == kRle8) {
            applyRle8(data);
            frames.push_back(coloursOfIndices());
        } else if (data.size() == 0) {
            // An empty frame repeats the one before it, as writers mark a dropped frame.
            require(!frames.empty());
            frames.push_back(frames.back());
        } else {
            frames.push_back(uncompressed(data));
        }
    }

private:
    // Where the file's row (counted from the first stored) lies on screen, top row 0.
    std::size_t screenRow(std::size_t storedRow) const
    {
        return video_.topDown ? storedRow : static_cast<std::size_t>(video_.height) - 1 - storedRow;
    }

    std::vector<std::uint32_t> uncompressed(Bytes data)
    {
        const std::size_t width = static_cast<std::size_t>(video_.width);
        const std::size_t bytesPerPixel = static_cast<std::size_t>(video_.bitsPerPixel) / 8;
        const std::size_t rowSize = (width * bytesPerPixel + 3) / 4 * 4; // rows padded to 4 bytes
        require(data.size() >= rowSize * static_cast<std::size_t>(video_.height));
        std::vector<std::uint32_t> pixels(video_.pixelCount());
        for (std::size_t stored = 0; stored < static_cast<std::size_t>(video_.height); ++stored) {
            const std::uint8_t* in = data.data() + stored * rowSize;
            std::uint32_t* out = pixels.data() + screenRow(stored) * width;
            for (std::size_t x = 0; x < width; ++x, in += bytesPerPixel) {
                if (bytesPerPixel == 1)
                    out[x] = video_.palette[in[0]];
                else
                    out[x] = opaque(in[2], in[1], in[0]); // blue, green, red; a fourth byte is unused
            }
        }
        return pixels;
    }

    // RLE8 changes the indices of the frame before; pixels it skips keep theirs. Rows count
    // from the bottom. A run, a literal stretch or a jump that leaves the picture is damage.
    void applyRle8(Bytes data)
    {
        const std::size_t width = static_cast<std::size_t>(video_.width);
        const std::size_t height = static_cast<std::size_t>(video_.height);
        std::size_t x = 0;
        std::size_t row = 0;
        const auto put = [&](std::size_t count) {
            require(row < height && count <= width - x);
            std::uint8_t* out = indices_.data() + screenRow(row) * width + x;
            x += count;
            return out;
        };
        std::size_t at = 0;
        while (at < data.size()) {
            const std::uint8_t count = data.u8(at);
            const std::uint8_t value = data.u8(at + 1);
            at += 2;
            if (count > 0) {
                std::fill_n(put(count), count, value);
            } else if (value == 0) { // end of row
                require(row < height);
                x = 0;
                ++row;
            } else if (value == 1) { // end of picture
                return;
            } else if (value == 2) { // jump right and up
                const std::uint8_t right = data.u8(at);
                const std::uint8_t up = data.u8(at + 1);
                at += 2;
                require(right <= width - x && up <= height - row);
                x += right;
                row += up;
            } else { // a literal stretch of `value` indices, padded to an even length
                const Bytes literal = data.part(at, value);
                std::copy_n(literal.data(), value, put(value));
                at += value + (value & 1u);
            }
        }
    }

    std::vector<std::uint32_t> coloursOfIndices() const
    {
        std::vector<std::uint32_t> pixels(indices_.size());
        std::transform(indices_.begin(), indices_.end(), pixels.begin(),
                       [this](std::uint8_t index) { return video_.palette[index]; });
        return pixels;
    }

    const VideoFormat& video_;
    std::array<char, 4> uncompressedId_{};
    std::array<char, 4> compressedId_{};
    std::vector<std::uint8_t> indices_;
};

// The frames of the 'movi' list, in order; some writers group them in 'rec ' lists.
void readFrames(Bytes movieList, FrameDecoder& decoder, std::vector<std::vector<std::uint32_t>>& frames)
{
    ChunkReader chunks(movieList);
    while (const auto chunk = chunks.next()) {
        if (chunk->isList("rec ")) {
            ChunkReader grouped(chunk->listContents());
            while (const auto inner = grouped.next())
                if (decoder.isFrame(*inner))
                    decoder.decode(inner->body, frames);
        } else if (decoder.isFrame(*chunk)) {
            decoder.decode(chunk->body, frames);
        }
    }
}

AviMovie decodeOrRefuse(Bytes file)
{
    require(file.size() >= 12 && file.hasCode(0, "RIFF") && file.hasCode(8, "AVI "));
    const Bytes riff = file.part(8, file.u32(4)).from(4);

    AviMovie movie;
    std::optional<VideoFormat> video;
    std::uint32_t mainPeriod = 0;
    ChunkReader chunks(riff);
    while (const auto chunk = chunks.next()) {
        if (chunk->isList("hdrl")) {
            ChunkReader headers(chunk->listContents());
            while (const auto header = headers.next())
                if (header->is("avih"))
                    mainPeriod = header->body.u32(0);
            video = readStreams(chunk->listContents());
        } else if (chunk->isList("movi")) {
            require(video.has_value() && movie.frames.empty());
            FrameDecoder decoder(*video);
            readFrames(chunk->listContents(), decoder, movie.frames);
        }
    }
    require(video.has_value() && !movie.frames.empty());
    movie.width = video->width;
    movie.height = video->height;
    // The main header's period is what players follow; the stream's rate stands in for it.
    movie.microsecondsPerFrame = mainPeriod != 0 ? mainPeriod : video->microsecondsPerFrame;
    require(movie.microsecondsPerFrame != 0);
    return movie;
}

} // namespace

AviMovie decodeAvi(std::span<const std::uint8_t> file)
{
    try {
        return decodeOrRefuse(Bytes(file));
    } catch (const MalformedAvi&) {
        return {};
    }
}
