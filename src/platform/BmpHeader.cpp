#include "BmpHeader.h"

#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = size; i > 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i - 1]);
    return value;
}

} // namespace

std::optional<BmpLayout> readBmpLayout(std::string_view file)
{
    if (file.size() < kFileHeaderSize + 4 || file.substr(0, 2) != "BM")
        return std::nullopt;
    const std::uint32_t infoSize = littleEndian(file, kFileHeaderSize, 4);
    if (infoSize < kCoreHeaderSize || file.size() < kFileHeaderSize + kCoreHeaderSize)
        return std::nullopt;

    BmpLayout layout;
    layout.pixelOffset = littleEndian(file, 10, 4);
    const std::size_t info = kFileHeaderSize + 4;
    if (infoSize == kCoreHeaderSize) {
        layout.width = littleEndian(file, info, 2);
        layout.height = static_cast<std::int16_t>(littleEndian(file, info + 2, 2));
        layout.bitsPerPixel = static_cast<int>(littleEndian(file, info + 6, 2));
    } else {
        if (file.size() < info + 16)
            return std::nullopt;
        layout.width = static_cast<std::int32_t>(littleEndian(file, info, 4));
        layout.height = static_cast<std::int32_t>(littleEndian(file, info + 4, 4));
        layout.bitsPerPixel = static_cast<int>(littleEndian(file, info + 10, 2));
        layout.compression = littleEndian(file, info + 12, 4);
    }
    const bool plainRows = layout.compression == kUncompressed || layout.compression == kBitFields
        || layout.compression == kAlphaBitFields;
    if (plainRows && layout.width > 0 && layout.bitsPerPixel > 0) {
        // Every row is padded to whole 32-bit words.
        const std::uint64_t rowBytes
            = (static_cast<std::uint64_t>(layout.width) * static_cast<unsigned>(layout.bitsPerPixel) + 31) / 32 * 4;
        layout.pixelBytes = rowBytes * static_cast<std::uint64_t>(std::llabs(layout.height));
    }
    return layout;
}

bool isAcceptableBmp(const BmpLayout& layout, std::uint64_t fileSize)
{
    const std::int64_t height = std::llabs(layout.height);
    if (layout.width <= 0 || height == 0 || layout.width > kLargestPictureSide
        || height > kLargestPictureSide || layout.width * height > kLargestPicturePixels)
        return false;
    return layout.pixelOffset <= fileSize && layout.pixelBytes <= fileSize - layout.pixelOffset;
}
