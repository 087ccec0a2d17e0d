#include "raster/Raster.h"

#include "platform/Exception.h"

#include <algorithm>
#include <cstring>

Raster::Raster(int width, int height)
{
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    pixels_.assign(std::size_t(width) * std::size_t(height) * 3, 0);
}

std::uint8_t* Raster::ScanLine(int row)
{
    if (row < 0 || row >= height_) throw EInvalidOperation(Messages::ScanLineOutOfRange);
    return pixels_.data() + std::size_t(row) * Stride();
}

const std::uint8_t* Raster::ScanLine(int row) const
{
    return const_cast<Raster*>(this)->ScanLine(row);
}

TColor Raster::Pixel(int x, int y) const
{
    const std::uint8_t* p = pixels_.data() + std::size_t(y) * Stride() + std::size_t(x) * 3;
    return RGB(p[2], p[1], p[0]);
}

void Raster::FillRect(Rect r, TColor color)
{
    int left = std::max(r.Left, 0);
    int top = std::max(r.Top, 0);
    int right = std::min(r.Right, width_);
    int bottom = std::min(r.Bottom, height_);
    if (right <= left || bottom <= top) return;
    const std::uint8_t b = BlueOf(color), g = GreenOf(color), red = RedOf(color);
    std::uint8_t* first = pixels_.data() + std::size_t(top) * Stride() + std::size_t(left) * 3;
    const std::size_t rowBytes = std::size_t(right - left) * 3;
    if (b == g && g == red) {
        for (int y = top; y < bottom; ++y) std::memset(first + std::size_t(y - top) * Stride(), b, rowBytes);
        return;
    }
    for (std::size_t i = 0; i < rowBytes; i += 3) {
        first[i] = b;
        first[i + 1] = g;
        first[i + 2] = red;
    }
    for (int y = top + 1; y < bottom; ++y) std::memcpy(first + std::size_t(y - top) * Stride(), first, rowBytes);
}

void Raster::FrameRect(Rect r, TColor color)
{
    if (r.Empty()) return;
    FillRect({r.Left, r.Top, r.Right, r.Top + 1}, color);
    FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, color);
    FillRect({r.Left, r.Top, r.Left + 1, r.Bottom}, color);
    FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, color);
}

void Raster::CopyRect(int x, int y, const Raster& source, Rect from)
{
    // Clip the source rectangle to the source, moving the target with it.
    int sx = from.Left, sy = from.Top;
    int w = from.Right - from.Left, h = from.Bottom - from.Top;
    if (sx < 0) { x -= sx; w += sx; sx = 0; }
    if (sy < 0) { y -= sy; h += sy; sy = 0; }
    w = std::min(w, source.width_ - sx);
    h = std::min(h, source.height_ - sy);
    // Then the target to this picture.
    if (x < 0) { sx -= x; w += x; x = 0; }
    if (y < 0) { sy -= y; h += y; y = 0; }
    w = std::min(w, width_ - x);
    h = std::min(h, height_ - y);
    if (w <= 0 || h <= 0) return;
    for (int row = 0; row < h; ++row) {
        std::memmove(pixels_.data() + std::size_t(y + row) * Stride() + std::size_t(x) * 3,
                     source.pixels_.data() + std::size_t(sy + row) * source.Stride() + std::size_t(sx) * 3,
                     std::size_t(w) * 3);
    }
}

void Raster::StretchDrawSelf(Rect target)
{
    const int tw = target.Right - target.Left;
    const int th = target.Bottom - target.Top;
    if (tw <= 0 || th <= 0 || width_ == 0 || height_ == 0) return;
    const Raster old = *this;
    const int left = std::max(target.Left, 0), right = std::min(target.Right, width_);
    const int top = std::max(target.Top, 0), bottom = std::min(target.Bottom, height_);
    if (right <= left || bottom <= top) return;
    // Nearest source pixel: source = floor((t - origin) * size / targetSize).
    std::vector<int> columns(std::size_t(right - left));
    for (int x = left; x < right; ++x)
        columns[std::size_t(x - left)] = int((long long)(x - target.Left) * width_ / tw) * 3;
    for (int y = top; y < bottom; ++y) {
        const int sy = int((long long)(y - target.Top) * height_ / th);
        const std::uint8_t* src = old.pixels_.data() + std::size_t(sy) * Stride();
        std::uint8_t* dst = pixels_.data() + std::size_t(y) * Stride();
        for (int x = left; x < right; ++x) {
            const std::uint8_t* s = src + columns[std::size_t(x - left)];
            std::uint8_t* d = dst + std::size_t(x) * 3;
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
    }
}
