#pragma once
// The pieces in front of the pixel data: file header, info header, bit masks
// and colour table, read one after the other and checked before any pixel is
// touched. The file header's offset of the pixel rows is not used.
#include "io/BmpSource.h"

#include <array>
#include <cstdint>

struct BmpInfo {
    int width = 0;
    int rows = 0;         // always positive
    bool topDown = false; // a negative height in the file
    unsigned bitsPerPixel = 0;
    std::uint32_t compression = 0;
    // 16 and 32 bits: where red, green and blue sit in a pixel.
    std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    // 1, 4 and 8 bits: blue, green, red per index; entries the file lacks stay black.
    std::array<std::array<std::uint8_t, 3>, 256> palette{};
};

// Leaves `source` at the first byte of the pixel data. Throws EInvalidGraphic
// for fields out of range and EReadError when the file ends early.
BmpInfo ReadBmpInfo(BmpSource& source, std::uint64_t maxPixelBytes);
