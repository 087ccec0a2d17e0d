#pragma once
// Field sizes, codes and little-endian access shared by the reader and the writer.
#include <cstddef>
#include <cstdint>

namespace bmp {

inline constexpr std::size_t FileHeaderSize = 14;
inline constexpr std::uint32_t CoreHeaderSize = 12;  // OS/2
inline constexpr std::uint32_t InfoHeaderSize = 40;  // Windows, the smallest
inline constexpr std::uint32_t InfoHeaderWithMasks = 52;

inline constexpr std::uint32_t CompressionNone = 0;
inline constexpr std::uint32_t CompressionRle8 = 1;
inline constexpr std::uint32_t CompressionRle4 = 2;
inline constexpr std::uint32_t CompressionBitFields = 3;

// A picture larger than this is refused before anything is allocated.
inline constexpr std::uint64_t MaxPixelBytes = std::uint64_t(1) << 30;

// Rows are padded to whole 32-bit words.
inline constexpr std::uint64_t RowBytes(std::uint64_t width, unsigned bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

inline std::uint16_t Get16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

inline std::uint32_t Get32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

inline void Put16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

inline void Put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

} // namespace bmp
