#include "io/BmpPixels.h"

#include "io/BmpFormat.h"
#include "platform/Exception.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace {

std::uint8_t* TargetRow(Raster& picture, const BmpInfo& info, int fileRow)
{
    const int row = info.topDown ? fileRow : info.rows - 1 - fileRow;
    return picture.Bits() + std::size_t(row) * picture.Stride();
}

void PutIndex(std::uint8_t* target, const BmpInfo& info, unsigned index)
{
    const auto& colour = info.palette[index];
    target[0] = colour[0];
    target[1] = colour[1];
    target[2] = colour[2];
}

void IndexedRow(const std::uint8_t* source, const BmpInfo& info, std::uint8_t* target)
{
    const int width = info.width;
    switch (info.bitsPerPixel) {
    case 8:
        for (int x = 0; x < width; ++x) PutIndex(target + 3 * std::size_t(x), info, source[x]);
        break;
    case 4:
        for (int x = 0; x < width; ++x) {
            const std::uint8_t pair = source[x / 2];
            PutIndex(target + 3 * std::size_t(x), info, x % 2 ? pair & 0x0F : pair >> 4);
        }
        break;
    default: // 1
        for (int x = 0; x < width; ++x)
            PutIndex(target + 3 * std::size_t(x), info, (source[x / 8] >> (7 - x % 8)) & 1);
        break;
    }
}

// One colour channel under a bit mask, scaled to 0..255 with rounding:
// v of a channel whose largest value is m gives (v * 255 + m / 2) / m, so a
// 5-bit 31 and an 8-bit 255 both give 255 and 16 (5 bits) gives 132.
class Channel {
public:
    explicit Channel(std::uint32_t mask) : mask_(mask)
    {
        if (mask == 0) return;
        shift_ = unsigned(std::countr_zero(mask));
        max_ = mask >> shift_;
        if (max_ <= 0xFFFF) {
            table_.resize(std::size_t(max_) + 1);
            for (std::uint32_t v = 0; v <= max_; ++v) table_[v] = Scale(v);
        }
    }

    std::uint8_t operator()(std::uint32_t pixel) const
    {
        if (mask_ == 0) return 0;
        const std::uint32_t v = (pixel & mask_) >> shift_;
        return table_.empty() ? Scale(v) : table_[v];
    }

private:
    std::uint8_t Scale(std::uint32_t v) const
    {
        return std::uint8_t((std::uint64_t(v) * 255 + max_ / 2) / max_);
    }

    std::uint32_t mask_;
    unsigned shift_ = 0;
    std::uint32_t max_ = 0;
    std::vector<std::uint8_t> table_;
};

void MaskedRows(std::span<const std::uint8_t> data, const BmpInfo& info, Raster& picture)
{
    const Channel red(info.redMask), green(info.greenMask), blue(info.blueMask);
    const std::size_t rowBytes = std::size_t(bmp::RowBytes(std::uint64_t(info.width), info.bitsPerPixel));
    const bool wide = info.bitsPerPixel == 32;
    for (int y = 0; y < info.rows; ++y) {
        const std::uint8_t* source = data.data() + std::size_t(y) * rowBytes;
        std::uint8_t* target = TargetRow(picture, info, y);
        for (int x = 0; x < info.width; ++x, target += 3) {
            const std::uint32_t pixel = wide ? bmp::Get32(source + 4 * std::size_t(x)) : bmp::Get16(source + 2 * std::size_t(x));
            target[0] = blue(pixel);
            target[1] = green(pixel);
            target[2] = red(pixel);
        }
    }
}

// The common 32-bit form: blue, green, red, unused.
void PlainRows32(std::span<const std::uint8_t> data, const BmpInfo& info, Raster& picture)
{
    const std::size_t rowBytes = std::size_t(info.width) * 4;
    for (int y = 0; y < info.rows; ++y) {
        const std::uint8_t* source = data.data() + std::size_t(y) * rowBytes;
        std::uint8_t* target = TargetRow(picture, info, y);
        for (int x = 0; x < info.width; ++x, source += 4, target += 3) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
}

} // namespace

void DecodeBmpRows(std::span<const std::uint8_t> data, const BmpInfo& info, Raster& picture)
{
    if (info.bitsPerPixel <= 8) {
        const std::size_t rowBytes = std::size_t(bmp::RowBytes(std::uint64_t(info.width), info.bitsPerPixel));
        for (int y = 0; y < info.rows; ++y)
            IndexedRow(data.data() + std::size_t(y) * rowBytes, info, TargetRow(picture, info, y));
    } else if (info.bitsPerPixel == 32 && info.redMask == 0xFF0000 && info.greenMask == 0xFF00 && info.blueMask == 0xFF) {
        PlainRows32(data, info, picture);
    } else {
        MaskedRows(data, info, picture);
    }
}

void DecodeBmpRle(std::span<const std::uint8_t> data, const BmpInfo& info, Raster& picture)
{
    const bool nibbles = info.compression == bmp::CompressionRle4;
    const int width = info.width;
    std::size_t at = 0;
    int x = 0, y = 0;
    auto next = [&] {
        if (at >= data.size()) throw EReadError(Messages::StreamRead);
        return data[at++];
    };
    // x never runs past the width: pixels beyond it are dropped anyway.
    auto advance = [&](unsigned count) { x = int(std::min<std::int64_t>(std::int64_t(x) + count, width)); };

    while (y < info.rows) {
        const unsigned count = next();
        const unsigned value = next();
        if (count > 0) { // a run of one index, or of two alternating nibbles
            std::uint8_t* target = TargetRow(picture, info, y);
            const unsigned shown = std::min<unsigned>(count, unsigned(width - x));
            for (unsigned i = 0; i < shown; ++i) {
                const unsigned index = nibbles ? (i % 2 ? value & 0x0F : value >> 4) : value;
                PutIndex(target + 3 * std::size_t(x + int(i)), info, index);
            }
            advance(count);
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return;
        case 2: { // delta: move right and up
            const unsigned right = next();
            const unsigned up = next();
            advance(right);
            y += int(up);
            break;
        }
        default: { // absolute: `value` indices, padded to a whole word
            const std::size_t bytes = nibbles ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) & ~std::size_t(1);
            if (padded > data.size() - at) throw EReadError(Messages::StreamRead);
            const std::uint8_t* source = data.data() + at;
            at += padded;
            std::uint8_t* target = TargetRow(picture, info, y);
            const unsigned shown = std::min<unsigned>(value, unsigned(width - x));
            for (unsigned i = 0; i < shown; ++i) {
                const unsigned index = nibbles ? (i % 2 ? source[i / 2] & 0x0F : source[i / 2] >> 4) : source[i];
                PutIndex(target + 3 * std::size_t(x + int(i)), info, index);
            }
            advance(value);
            break;
        }
        }
    }
}
