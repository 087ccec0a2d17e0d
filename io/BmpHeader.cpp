#include "io/BmpHeader.h"

#include "io/BmpFormat.h"
#include "platform/Exception.h"

#include <algorithm>
#include <cstring>

namespace {

[[noreturn]] void Invalid()
{
    throw EInvalidGraphic(Messages::InvalidBitmap);
}

bool KnownDepth(unsigned bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool CompressionFits(std::uint32_t compression, unsigned bits)
{
    switch (compression) {
    case bmp::CompressionNone: return true;
    case bmp::CompressionRle8: return bits == 8;
    case bmp::CompressionRle4: return bits == 4;
    case bmp::CompressionBitFields: return bits == 16 || bits == 32;
    default: return false;
    }
}

void SetDefaultMasks(BmpInfo& info)
{
    if (info.bitsPerPixel == 16) { // 5-5-5
        info.redMask = 0x7C00;
        info.greenMask = 0x03E0;
        info.blueMask = 0x001F;
    } else { // 8-8-8 as blue, green, red, unused
        info.redMask = 0x00FF0000;
        info.greenMask = 0x0000FF00;
        info.blueMask = 0x000000FF;
    }
}

void SetMasks(BmpInfo& info, const std::uint8_t* masks)
{
    info.redMask = bmp::Get32(masks);
    info.greenMask = bmp::Get32(masks + 4);
    info.blueMask = bmp::Get32(masks + 8);
}

void ReadColourTable(BmpSource& source, BmpInfo& info, std::uint64_t entries, unsigned entrySize)
{
    const std::uint64_t bytes = entries * entrySize;
    if (bytes > source.Remaining()) throw EReadError(Messages::StreamRead);
    const auto table = source.Take(std::size_t(bytes));
    const std::size_t used = std::size_t(std::min<std::uint64_t>(entries, info.bitsPerPixel <= 8 ? 256 : 0));
    for (std::size_t i = 0; i < used; ++i) {
        const std::uint8_t* entry = table.data() + i * entrySize; // blue, green, red
        info.palette[i] = {entry[0], entry[1], entry[2]};
    }
}

} // namespace

BmpInfo ReadBmpInfo(BmpSource& source, std::uint64_t maxPixelBytes)
{
    // An empty file is as short as any other.
    if (source.Size() < bmp::FileHeaderSize) throw EReadError(Messages::StreamRead);
    std::uint8_t fileHeader[bmp::FileHeaderSize];
    source.Read(fileHeader, sizeof fileHeader);
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid();

    std::uint8_t sizeField[4];
    source.Read(sizeField, 4);
    const std::uint32_t headerSize = bmp::Get32(sizeField);
    if (headerSize != bmp::CoreHeaderSize && headerSize < bmp::InfoHeaderSize) Invalid();
    if (headerSize - 4 > source.Remaining()) throw EReadError(Messages::StreamRead);
    // Only the fields up to the alpha mask matter; later ones are skipped.
    std::uint8_t h[56] = {};
    const auto rest = source.Take(headerSize - 4);
    std::memcpy(h + 4, rest.data(), std::min<std::size_t>(rest.size(), sizeof h - 4));

    BmpInfo info;
    std::int64_t width, height;
    unsigned planes;
    const bool core = headerSize == bmp::CoreHeaderSize;
    if (core) {
        width = bmp::Get16(h + 4);
        height = bmp::Get16(h + 6);
        planes = bmp::Get16(h + 8);
        info.bitsPerPixel = bmp::Get16(h + 10);
    } else {
        width = std::int32_t(bmp::Get32(h + 4));
        height = std::int32_t(bmp::Get32(h + 8));
        planes = bmp::Get16(h + 12);
        info.bitsPerPixel = bmp::Get16(h + 14);
        info.compression = bmp::Get32(h + 16);
    }
    if (planes != 1) Invalid();
    if (!KnownDepth(info.bitsPerPixel) || !CompressionFits(info.compression, info.bitsPerPixel)) Invalid();
    if (width <= 0 || height == 0) Invalid();
    info.topDown = height < 0;
    const std::int64_t rows = height < 0 ? -height : height; // 64 bits: -INT32_MIN fits
    if (std::uint64_t(width) * std::uint64_t(rows) * 3 > maxPixelBytes) Invalid();
    info.width = int(width);
    info.rows = int(rows);

    SetDefaultMasks(info);
    if (info.compression == bmp::CompressionBitFields) {
        if (headerSize >= bmp::InfoHeaderWithMasks) {
            SetMasks(info, h + 40);
        } else {
            std::uint8_t masks[12];
            source.Read(masks, sizeof masks);
            SetMasks(info, masks);
        }
    }

    std::uint64_t entries = core ? 0 : bmp::Get32(h + 32);
    if (entries == 0 && info.bitsPerPixel <= 8) entries = std::uint64_t(1) << info.bitsPerPixel;
    ReadColourTable(source, info, entries, core ? 3 : 4);
    return info;
}
