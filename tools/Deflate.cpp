#include "Deflate.h"

#include "Checksums.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace calcora::media {

namespace {

constexpr int minMatch = 3;
constexpr int maxMatch = 258;
constexpr std::size_t window = 32768;
// How many earlier places with the same three bytes are tried; enough for icons and pictures
// of flat colour, and it bounds the time on long runs.
constexpr int chainLimit = 128;
constexpr int hashBits = 15;
constexpr int endOfBlock = 256;

struct Range {
    int base;
    int extraBits;
};

// Deflate's length codes 257-285 and distance codes 0-29 (RFC 1951, 3.2.5).
constexpr std::array<Range, 29> lengthCodes{{
    {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 0}, {11, 1}, {13, 1},
    {15, 1}, {17, 1}, {19, 2}, {23, 2}, {27, 2}, {31, 2}, {35, 3}, {43, 3}, {51, 3}, {59, 3},
    {67, 4}, {83, 4}, {99, 4}, {115, 4}, {131, 5}, {163, 5}, {195, 5}, {227, 5}, {258, 0},
}};
constexpr std::array<Range, 30> distanceCodes{{
    {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 1}, {7, 1}, {9, 2}, {13, 2}, {17, 3}, {25, 3},
    {33, 4}, {49, 4}, {65, 5}, {97, 5}, {129, 6}, {193, 6}, {257, 7}, {385, 7}, {513, 8}, {769, 8},
    {1025, 9}, {1537, 9}, {2049, 10}, {3073, 10}, {4097, 11}, {6145, 11}, {8193, 12}, {12289, 12},
    {16385, 13}, {24577, 13},
}};

// The code whose range holds the value: the last one whose base is not above it.
template <std::size_t N>
std::size_t codeFor(const std::array<Range, N>& codes, int value)
{
    const auto after = std::upper_bound(codes.begin(), codes.end(), value,
                                        [](int v, const Range& r) { return v < r.base; });
    return static_cast<std::size_t>(after - codes.begin()) - 1;
}

// Deflate packs bits from the lowest bit of each byte up; Huffman codes go in from their
// highest bit, extra bits from their lowest.
class BitWriter {
public:
    void bits(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bit((value >> i) & 1u);
    }
    void huffman(std::uint32_t code, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            bit((code >> i) & 1u);
    }
    Bytes finish()
    {
        if (used_ > 0)
            bytes_.push_back(current_);
        return std::move(bytes_);
    }

private:
    void bit(std::uint32_t value)
    {
        current_ |= static_cast<std::uint8_t>(value << used_);
        if (++used_ == 8) {
            bytes_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }

    Bytes bytes_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// The fixed literal/length code (RFC 1951, 3.2.6).
void writeSymbol(BitWriter& out, int symbol)
{
    if (symbol < 144)
        out.huffman(0x30 + symbol, 8);
    else if (symbol < 256)
        out.huffman(0x190 + (symbol - 144), 9);
    else if (symbol < 280)
        out.huffman(symbol - 256, 7);
    else
        out.huffman(0xC0 + (symbol - 280), 8);
}

void writeMatch(BitWriter& out, int length, int distance)
{
    const std::size_t lengthCode = codeFor(lengthCodes, length);
    writeSymbol(out, 257 + static_cast<int>(lengthCode));
    out.bits(length - lengthCodes[lengthCode].base, lengthCodes[lengthCode].extraBits);
    const std::size_t distanceCode = codeFor(distanceCodes, distance);
    out.huffman(static_cast<std::uint32_t>(distanceCode), 5);
    out.bits(distance - distanceCodes[distanceCode].base, distanceCodes[distanceCode].extraBits);
}

std::uint32_t hashAt(std::span<const std::uint8_t> data, std::size_t at)
{
    const std::uint32_t three = data[at] | data[at + 1] << 8 | data[at + 2] << 16;
    return (three * 2654435761u) >> (32 - hashBits);
}

// Earlier places that start with the same three bytes, newest first.
class MatchFinder {
public:
    explicit MatchFinder(std::span<const std::uint8_t> data)
        : data_(data), newest_(std::size_t{1} << hashBits, none), previous_(data.size(), none)
    {
    }

    void insert(std::size_t at)
    {
        if (at + minMatch > data_.size())
            return;
        const std::uint32_t hash = hashAt(data_, at);
        previous_[at] = newest_[hash];
        newest_[hash] = static_cast<std::ptrdiff_t>(at);
    }

    struct Match {
        int length = 0;
        int distance = 0;
    };

    Match longest(std::size_t at) const
    {
        Match best;
        if (at + minMatch > data_.size())
            return best;
        const int limit = static_cast<int>(std::min<std::size_t>(maxMatch, data_.size() - at));
        std::ptrdiff_t candidate = newest_[hashAt(data_, at)];
        for (int tries = 0; candidate != none && tries < chainLimit; ++tries) {
            const std::size_t from = static_cast<std::size_t>(candidate);
            if (at - from > window)
                break;
            int length = 0;
            while (length < limit && data_[from + length] == data_[at + length])
                ++length;
            if (length > best.length) {
                best = {length, static_cast<int>(at - from)};
                if (length == limit)
                    break;
            }
            candidate = previous_[from];
        }
        if (best.length < minMatch)
            best = {};
        return best;
    }

private:
    static constexpr std::ptrdiff_t none = -1;
    std::span<const std::uint8_t> data_;
    std::vector<std::ptrdiff_t> newest_;
    std::vector<std::ptrdiff_t> previous_;
};

} // namespace

Bytes zlibCompress(std::span<const std::uint8_t> data)
{
    BitWriter out;
    out.bits(1, 1); // BFINAL: the one block
    out.bits(1, 2); // BTYPE 01: fixed Huffman codes
    MatchFinder finder(data);
    std::size_t at = 0;
    while (at < data.size()) {
        const MatchFinder::Match match = finder.longest(at);
        if (match.length == 0) {
            writeSymbol(out, data[at]);
            finder.insert(at++);
            continue;
        }
        writeMatch(out, match.length, match.distance);
        for (int i = 0; i < match.length; ++i)
            finder.insert(at++);
    }
    writeSymbol(out, endOfBlock);

    ByteBuffer stream;
    stream.u8(0x78); // deflate, 32 KiB window
    stream.u8(0x01); // no preset dictionary; makes the header a multiple of 31
    stream.append(out.finish());
    stream.u32be(adler32(data));
    return stream.release();
}

} // namespace calcora::media
