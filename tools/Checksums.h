#pragma once

#include <cstdint>
#include <span>

namespace calcora::media {

// The CRC-32 of PNG chunks (ISO 3309 polynomial, as zlib computes it).
std::uint32_t crc32(std::span<const std::uint8_t> data);

// The Adler-32 that closes a zlib stream.
std::uint32_t adler32(std::span<const std::uint8_t> data);

} // namespace calcora::media
