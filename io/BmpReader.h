#pragma once
// Reads the common BMP forms into a 24-bit picture. Errors carry the message
// the user sees; nothing the file says can make the reader leave its buffers.
#include "raster/Raster.h"

#include <cstdint>
#include <span>
#include <string>

// Throws EInvalidGraphic ("ビットマップイメージが不正です") or EReadError
// ("ストリームからの読み込みエラー").
Raster DecodeBmp(std::span<const std::uint8_t> file);

// Reads and decodes a file (UTF-8 path); EFOpenError ("ファイル %s は開けません") when it cannot be opened.
Raster LoadBmpFile(const std::string& path);
