#include "io/BmpSource.h"

#include "platform/Paths.h"
#include "platform/Exception.h"

#include <cstring>
#include <filesystem>
#include <system_error>

void BmpSpanSource::Read(void* target, std::size_t count)
{
    auto piece = Take(count);
    if (count != 0) std::memcpy(target, piece.data(), count);
}

std::span<const std::uint8_t> BmpSpanSource::Take(std::size_t count)
{
    if (count > Remaining()) throw EReadError(Messages::StreamRead);
    auto piece = bytes_.subspan(at_, count);
    at_ += count;
    return piece;
}

BmpFileSource::BmpFileSource(const std::string& utf8Path)
{
    const auto path = PathFromUtf8(utf8Path);
    std::error_code error;
    // A folder opens like a file here and only fails on reading.
    if (std::filesystem::is_directory(path, error)) throw EFOpenError(FormatMessage(Messages::CannotOpenFile, utf8Path));
    file_.open(path, std::ios::binary);
    if (!file_) throw EFOpenError(FormatMessage(Messages::CannotOpenFile, utf8Path));
    file_.seekg(0, std::ios::end);
    const auto end = file_.tellg();
    file_.seekg(0, std::ios::beg);
    if (end < 0 || !file_) throw EFOpenError(FormatMessage(Messages::CannotOpenFile, utf8Path));
    size_ = std::uint64_t(end);
}

void BmpFileSource::Read(void* target, std::size_t count)
{
    if (count > Remaining()) throw EReadError(Messages::StreamRead);
    if (count == 0) return;
    file_.read(static_cast<char*>(target), std::streamsize(count));
    // The file may have shrunk since its size was taken.
    if (std::size_t(file_.gcount()) != count) throw EReadError(Messages::StreamRead);
    at_ += count;
}

std::span<const std::uint8_t> BmpFileSource::Take(std::size_t count)
{
    if (count > Remaining()) throw EReadError(Messages::StreamRead);
    taken_.resize(count);
    Read(taken_.data(), count);
    return taken_;
}
