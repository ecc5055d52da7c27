#include "ByteBuffer.h"

namespace calcora::media {

void ByteBuffer::u8(std::uint8_t value)
{
    bytes_.push_back(value);
}

void ByteBuffer::u16le(std::uint16_t value)
{
    u8(static_cast<std::uint8_t>(value));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteBuffer::u32le(std::uint32_t value)
{
    u16le(static_cast<std::uint16_t>(value));
    u16le(static_cast<std::uint16_t>(value >> 16));
}

void ByteBuffer::i32le(std::int32_t value)
{
    u32le(static_cast<std::uint32_t>(value));
}

void ByteBuffer::u32be(std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        u8(static_cast<std::uint8_t>(value >> shift));
}

void ByteBuffer::text(std::string_view characters)
{
    for (char c : characters)
        u8(static_cast<std::uint8_t>(c));
}

void ByteBuffer::append(std::span<const std::uint8_t> data)
{
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void ByteBuffer::patchU32le(std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes_.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace calcora::media
