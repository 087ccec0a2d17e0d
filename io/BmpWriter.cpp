#include "io/BmpWriter.h"

#include "io/BmpFormat.h"
#include "io/BmpPath.h"
#include "platform/Exception.h"

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

} // namespace

std::vector<std::uint8_t> EncodeBmp(const Raster& picture)
{
    const std::size_t pixelBytes = picture.Stride();
    const std::size_t rowBytes = std::size_t(bmp::RowBytes(std::uint64_t(picture.Width()), 24));
    const std::size_t imageBytes = rowBytes * std::size_t(picture.Height());
    // Every byte is written below, so the buffer is not cleared first.
    std::vector<std::uint8_t> file;
    file.reserve(HeaderBytes + imageBytes);
    file.resize(HeaderBytes + imageBytes);
    PutHeaders(file.data(), picture, std::uint32_t(imageBytes));
    std::uint8_t* out = file.data() + HeaderBytes;
    for (int row = picture.Height() - 1; row >= 0; --row, out += rowBytes) { // bottom row first
        std::memcpy(out, picture.Bits() + std::size_t(row) * pixelBytes, pixelBytes);
        std::memset(out + pixelBytes, 0, rowBytes - pixelBytes);
    }
    return file;
}

void SaveBmpFile(const Raster& picture, const std::string& path)
{
    const auto target = PathFromUtf8(path);
    const std::vector<std::uint8_t> bytes = EncodeBmp(picture);
    std::filesystem::path temporary;
    File file = CreateTemporary(target, temporary);
    if (!file) throw EFCreateError(FormatMessage(Messages::CannotCreateFile, path));

    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size()
                         && std::fflush(file.get()) == 0;
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
