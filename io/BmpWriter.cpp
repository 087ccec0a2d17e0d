#include "io/BmpWriter.h"

#include "io/BmpFormat.h"
#include "platform/Paths.h"
#include "platform/Exception.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace {

constexpr std::size_t HeaderBytes = bmp::FileHeaderSize + bmp::InfoHeaderSize;

void PutHeaders(std::uint8_t* h, const Raster& picture, std::uint32_t imageBytes)
{
    std::memset(h, 0, HeaderBytes);
    h[0] = 'B';
    h[1] = 'M';
    bmp::Put32(h + 2, std::uint32_t(HeaderBytes) + imageBytes);
    bmp::Put32(h + 10, std::uint32_t(HeaderBytes));
    bmp::Put32(h + 14, bmp::InfoHeaderSize);
    bmp::Put32(h + 18, std::uint32_t(picture.Width()));
    bmp::Put32(h + 22, std::uint32_t(picture.Height()));
    bmp::Put16(h + 26, 1);
    bmp::Put16(h + 28, 24);
    bmp::Put32(h + 34, imageBytes); // compression, resolutions and colour counts stay 0
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A fresh name beside the target; "x" refuses to reuse one that exists.
File CreateTemporary(const std::filesystem::path& target, std::filesystem::path& name)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target;
        name += ".~" + std::to_string(random() % 1000000) + ".tmp";
        if (File file{std::fopen(name.c_str(), "wbx")}) return file;
        if (errno != EEXIST) break;
    }
    return nullptr;
}

std::size_t RowBytes(const Raster& picture)
{
    return std::size_t(bmp::RowBytes(std::uint64_t(picture.Width()), 24));
}

std::size_t ImageBytes(const Raster& picture)
{
    return RowBytes(picture) * std::size_t(picture.Height());
}

// File rows first .. first + count - 1, counted from the bottom row of the
// picture, each padded with zero bytes to a whole word.
void PutRows(const Raster& picture, int first, int count, std::uint8_t* out)
{
    const std::size_t pixelBytes = picture.Stride();
    const std::size_t rowBytes = RowBytes(picture);
    for (int fileRow = first; fileRow < first + count; ++fileRow, out += rowBytes) {
        const int row = picture.Height() - 1 - fileRow;
        std::memcpy(out, picture.Bits() + std::size_t(row) * pixelBytes, pixelBytes);
        std::memset(out + pixelBytes, 0, rowBytes - pixelBytes);
    }
}

// Rows go out in blocks of about this size through one small buffer: a fresh
// 36 MB buffer costs more in page faults than the write itself.
constexpr std::size_t BlockBytes = std::size_t(4) << 20;

bool WriteAll(const Raster& picture, std::FILE* file)
{
    std::uint8_t header[HeaderBytes];
    PutHeaders(header, picture, std::uint32_t(ImageBytes(picture)));
    if (std::fwrite(header, 1, HeaderBytes, file) != HeaderBytes) return false;
    const std::size_t rowBytes = RowBytes(picture);
    const int rowsPerBlock = int(std::max<std::size_t>(1, BlockBytes / std::max<std::size_t>(rowBytes, 1)));
    std::vector<std::uint8_t> block(std::size_t(rowsPerBlock) * rowBytes);
    for (int first = 0; first < picture.Height(); first += rowsPerBlock) {
        const int count = std::min(rowsPerBlock, picture.Height() - first);
        PutRows(picture, first, count, block.data());
        const std::size_t bytes = std::size_t(count) * rowBytes;
        if (std::fwrite(block.data(), 1, bytes, file) != bytes) return false;
    }
    return std::fflush(file) == 0;
}

} // namespace

std::vector<std::uint8_t> EncodeBmp(const Raster& picture)
{
    // Every byte is written below, so the buffer is not cleared first.
    std::vector<std::uint8_t> file;
    file.reserve(HeaderBytes + ImageBytes(picture));
    file.resize(HeaderBytes + ImageBytes(picture));
    PutHeaders(file.data(), picture, std::uint32_t(ImageBytes(picture)));
    PutRows(picture, 0, picture.Height(), file.data() + HeaderBytes);
    return file;
}

void SaveBmpFile(const Raster& picture, const std::string& path)
{
    const auto target = PathFromUtf8(path);
    std::filesystem::path temporary;
    File file = CreateTemporary(target, temporary);
    if (!file) throw EFCreateError(FormatMessage(Messages::CannotCreateFile, path));

    const bool written = WriteAll(picture, file.get());
    const bool closed = std::fclose(file.release()) == 0;
    std::error_code ignored;
    if (!written || !closed) {
        std::filesystem::remove(temporary, ignored);
        throw EWriteError(Messages::StreamWrite);
    }
    // Keep the old file's permissions for the new one.
    const auto old = std::filesystem::status(target, ignored);
    if (std::filesystem::is_regular_file(old))
        std::filesystem::permissions(temporary, old.permissions(), ignored);
    std::error_code renamed;
    std::filesystem::rename(temporary, target, renamed);
    if (renamed) {
        std::filesystem::remove(temporary, ignored);
        throw EFCreateError(FormatMessage(Messages::CannotCreateFile, path));
    }
}
