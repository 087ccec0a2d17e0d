#pragma once
// Turns the pixel data of a BMP file into 24-bit rows, once its header is known.
#include "io/BmpHeader.h"
#include "raster/Raster.h"

#include <cstdint>
#include <span>

// Uncompressed rows of 1, 4, 8, 16 or 32 bits; `data` holds every row with its padding.
void DecodeBmpRows(std::span<const std::uint8_t> data, const BmpInfo& info, Raster& picture);

// RLE8 and RLE4. Runs that go past the end of a row are cut off there (no wrap
// to the next row); a delta or end of line past the last row ends the picture;
// pixels the data never sets stay black. Data that ends before the end-of-bitmap
// escape (or the last row) throws EReadError.
void DecodeBmpRle(std::span<const std::uint8_t> data, const BmpInfo& info, Raster& picture);
