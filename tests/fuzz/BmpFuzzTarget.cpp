// libFuzzer entry for the BMP reader. Any input must give a picture or one of
// our exceptions; a picture must survive a write and a read unchanged.
#include "io/BmpReader.h"
#include "io/BmpWriter.h"
#include "platform/Exception.h"

#include <cstddef>
#include <cstdint>

namespace {
// Small enough that an input claiming a huge picture costs no time.
constexpr std::uint64_t FuzzMaxPixelBytes = std::uint64_t(1) << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Raster picture;
    try {
        picture = DecodeBmp({data, size}, FuzzMaxPixelBytes);
    } catch (const Exception&) {
        return 0;
    }
    if (picture.Width() <= 0 || picture.Height() <= 0
        || picture.SizeBytes() != std::size_t(picture.Width()) * std::size_t(picture.Height()) * 3)
        __builtin_trap();
    if (!(DecodeBmp(EncodeBmp(picture)) == picture)) __builtin_trap();
    return 0;
}
