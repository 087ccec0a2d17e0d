#include "io/BmpReader.h"

#include "io/BmpFormat.h"
#include "io/BmpHeader.h"
#include "io/BmpPixels.h"
#include "io/BmpSource.h"
#include "platform/Exception.h"

namespace {

// 24 bits: each row goes straight from the file into its place in the picture.
void Read24BitRows(BmpSource& source, const BmpInfo& info, Raster& picture)
{
    const std::size_t pixelBytes = picture.Stride();
    const std::size_t padding = std::size_t(bmp::RowBytes(std::uint64_t(info.width), 24)) - pixelBytes;
    for (int y = 0; y < info.rows; ++y) {
        const int row = info.topDown ? y : info.rows - 1 - y;
        source.Read(picture.Bits() + std::size_t(row) * pixelBytes, pixelBytes);
        if (padding) source.Skip(padding);
    }
}

Raster Decode(BmpSource& source, std::uint64_t maxPixelBytes)
{
    const BmpInfo info = ReadBmpInfo(source, maxPixelBytes);
    if (info.compression == bmp::CompressionRle8 || info.compression == bmp::CompressionRle4) {
        Raster picture(info.width, info.rows);
        DecodeBmpRle(source.Take(std::size_t(source.Remaining())), info, picture);
        return picture;
    }
    const std::uint64_t needed = bmp::RowBytes(std::uint64_t(info.width), info.bitsPerPixel) * std::uint64_t(info.rows);
    // More rows than the whole file could hold is a header that lies; less
    // data than the rows need is a file cut short.
    if (needed > source.Size()) throw EInvalidGraphic(Messages::InvalidBitmap);
    if (needed > source.Remaining()) throw EReadError(Messages::StreamRead);
    Raster picture(info.width, info.rows);
    if (info.bitsPerPixel == 24) {
        Read24BitRows(source, info, picture);
    } else {
        DecodeBmpRows(source.Take(std::size_t(needed)), info, picture);
    }
    return picture;
}

} // namespace

Raster DecodeBmp(std::span<const std::uint8_t> file)
{
    return DecodeBmp(file, bmp::MaxPixelBytes);
}

Raster DecodeBmp(std::span<const std::uint8_t> file, std::uint64_t maxPixelBytes)
{
    BmpSpanSource source(file);
    return Decode(source, maxPixelBytes);
}

Raster LoadBmpFile(const std::string& path)
{
    BmpFileSource source(path);
    return Decode(source, bmp::MaxPixelBytes);
}
