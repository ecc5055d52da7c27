#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace calcora::media {

using Bytes = std::vector<std::uint8_t>;

// Appends the fixed-width fields of binary file formats. RIFF files (WAV, AVI) and BMP
// store numbers little-endian, PNG big-endian; each call names the order it writes.
class ByteBuffer {
public:
    void u8(std::uint8_t value);
    void u16le(std::uint16_t value);
    void u32le(std::uint32_t value);
    void i32le(std::int32_t value);
    void u32be(std::uint32_t value);
    void text(std::string_view characters);
    void append(std::span<const std::uint8_t> data);

    // Rewrites a little-endian field once its value is known, e.g. a chunk size.
    void patchU32le(std::size_t offset, std::uint32_t value);

    std::size_t size() const { return bytes_.size(); }
    const Bytes& bytes() const { return bytes_; }
    Bytes release() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

} // namespace calcora::media
