#pragma once
// Writes the whole picture as an uncompressed 24-bit bottom-up BMP.
#include "raster/Raster.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<std::uint8_t> EncodeBmp(const Raster& picture);

// Writes to a temporary file in the same folder and renames it over `path`
// only when every byte is written, so a failure never destroys the old file.
// EFCreateError ("ファイル %s を作成できません") or EWriteError ("ストリームへの書き込みエラー").
void SaveBmpFile(const Raster& picture, const std::string& path);
