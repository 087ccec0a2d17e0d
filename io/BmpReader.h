#pragma once
// Reads the common BMP forms into a 24-bit picture. Errors carry the message
// the user sees; nothing the file says can make the reader leave its buffers.
#include "raster/Raster.h"

#include <cstdint>
#include <span>
#include <string>

// Throws EInvalidGraphic ("ビットマップイメージが不正です") for a file that is
// not "BM", planes other than 1, an unknown header size, bit count or
// compression, width <= 0, height 0, more than 1 GiB of pixels, or
// uncompressed rows that need more bytes than the whole file has. Throws
// EReadError ("ストリームからの読み込みエラー") for a file (even an empty one)
// that ends inside its headers, bit masks, colour table or pixel data.
// Masked channels are scaled to 0..255 with rounding; RLE rules: BmpPixels.h.
Raster DecodeBmp(std::span<const std::uint8_t> file);

// The same with a smaller ceiling on the picture's size in bytes (width x
// height x 3; the default is 1 GiB), for callers that test many files.
Raster DecodeBmp(std::span<const std::uint8_t> file, std::uint64_t maxPixelBytes);

// Reads and decodes a file (UTF-8 path); EFOpenError ("ファイル %s は開けません") when it cannot be opened.
Raster LoadBmpFile(const std::string& path);
