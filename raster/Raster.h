#pragma once
// The 24-bit picture: one contiguous buffer, rows top-down, 3 bytes a pixel
// (blue, green, red), stride = width * 3. Every operation clips to the picture.
#include "raster/Color.h"
#include "raster/Rect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class Raster {
public:
    Raster() = default;
    Raster(int width, int height); // black; a size of 0 or less gives an empty picture

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::size_t Stride() const { return std::size_t(width_) * 3; }
    std::size_t SizeBytes() const { return pixels_.size(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint8_t* Bits() { return pixels_.data(); }
    const std::uint8_t* Bits() const { return pixels_.data(); }

    // Row access; a row outside 0..Height()-1 throws EInvalidOperation.
    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;

    // Colour value of a pixel inside the picture (check Contains first).
    TColor Pixel(int x, int y) const;

    void FillRect(Rect r, TColor color);
    void FrameRect(Rect r, TColor color);

    // Block transfer: the part of source's rectangle `from` that exists goes to
    // (x, y) here; what falls outside either picture is skipped.
    void CopyRect(int x, int y, const Raster& source, Rect from);

    // Draws the whole picture scaled into `target` of itself, reading a copy of
    // the old content; each target pixel takes exactly one source pixel.
    void StretchDrawSelf(Rect target);

    friend bool operator==(const Raster&, const Raster&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};
