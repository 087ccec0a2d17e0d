#include "io/BmpReader.h"
#include "platform/Exception.h"
#include "tests/fuzz/BmpTestSupport.h"

#include <climits>

namespace {

// Every form the reader knows, a few pixels each, compared pixel for pixel.
class BmpForms : public ::testing::TestWithParam<bmpsamples::Sample> {};

TEST_P(BmpForms, DecodesEveryPixel)
{
    const auto& sample = GetParam();
    const Raster picture = DecodeBmp(sample.file);
    ASSERT_EQ(picture.Width(), sample.width);
    ASSERT_EQ(picture.Height(), sample.height);
    EXPECT_EQ(RgbPixels(picture), sample.pixels);
}

INSTANTIATE_TEST_SUITE_P(Samples, BmpForms, ::testing::ValuesIn(bmpsamples::ValidSamples()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) if (c == '-') c = '_';
                             return name;
                         });

// Header fields of a 40-byte info header, as file offsets.
constexpr std::size_t HeaderSize = 14, Width = 18, Height = 22, Planes = 26, Bits = 28, Compression = 30,
                      ColorsUsed = 46;

struct Broken {
    const char* name;
    std::vector<std::uint8_t> file;
    bool invalid; // EInvalidGraphic, else EReadError
};

std::vector<Broken> BrokenFiles()
{
    const auto bits24 = SampleFile("bits24");   // 3 x 2, 78 bytes
    const auto bits8 = SampleFile("bits8-top-down"); // 256-entry table
    const auto os2 = SampleFile("os2-bits1");
    const auto masks = SampleFile("bits16-565-masks");
    const auto rle8 = SampleFile("rle8");
    const std::size_t rleData = 14 + 40 + 3 * 4;
    return {
        {"empty file", {}, false},
        {"one byte", {'B'}, false},
        {"13 bytes", Cut(bits24, 13), false},
        {"not BM", Patched(bits24, 0, 'B' | 'A' << 8, 2), true},
        {"ends in the header size", Cut(bits24, 16), false},
        {"ends inside the info header", Cut(bits24, 40), false},
        {"ends inside the OS/2 header", Cut(os2, 20), false},
        {"header size 20", Patched(bits24, HeaderSize, 20), true},
        {"header size 4 GiB", Patched(bits24, HeaderSize, 0xFFFFFFF0), false},
        {"planes 0", Patched(bits24, Planes, 0, 2), true},
        {"planes 2", Patched(bits24, Planes, 2, 2), true},
        {"OS/2 planes 3", Patched(os2, 22, 3, 2), true},
        {"0 bits", Patched(bits24, Bits, 0, 2), true},
        {"2 bits", Patched(bits24, Bits, 2, 2), true},
        {"48 bits", Patched(bits24, Bits, 48, 2), true},
        {"JPEG compression", Patched(bits24, Compression, 4), true},
        {"RLE8 at 24 bits", Patched(bits24, Compression, 1), true},
        {"RLE4 at 8 bits", Patched(bits8, Compression, 2), true},
        {"bit masks at 8 bits", Patched(bits8, Compression, 3), true},
        {"compression 0xFFFFFFFF", Patched(bits24, Compression, 0xFFFFFFFF), true},
        {"width 0", Patched(bits24, Width, 0), true},
        {"width -3", Patched(bits24, Width, std::uint32_t(-3)), true},
        {"height 0", Patched(bits24, Height, 0), true},
        {"over 1 GiB of pixels", Patched(Patched(bits24, Width, 20000), Height, 20000), true},
        {"width and height at the limits", Patched(Patched(bits24, Width, INT_MAX), Height, std::uint32_t(INT_MIN)), true},
        {"just under 1 GiB, more rows than the file holds",
         Patched(Patched(bits24, Width, 16384), Height, 21845), true},
        {"1000 rows in a file of 2", Patched(bits24, Height, 1000), true},
        {"pixel data cut short by a byte", Cut(bits24, bits24.size() - 1), false},
        {"pixel data cut after a row", Cut(bits24, 14 + 40 + 12), false},
        {"ends inside the colour table", Cut(bits8, 14 + 40 + 1000), false},
        {"ends inside the OS/2 colour table", Cut(os2, 14 + 12 + 4), false},
        {"colour count 0xFFFFFFFF", Patched(bits8, ColorsUsed, 0xFFFFFFFF), false},
        {"ends inside the bit masks", Cut(masks, 14 + 40 + 8), false},
        {"RLE ends before end of bitmap", Cut(rle8, rle8.size() - 2), false},
        {"RLE ends inside an absolute run", Cut(rle8, rleData + 4), false},
        {"RLE ends inside a delta", Cut(rle8, rleData + 12), false},
        {"RLE without data", Cut(rle8, rleData), false},
    };
}

TEST(BmpBrokenFiles, EachGivesItsMessage)
{
    for (const auto& broken : BrokenFiles()) {
        SCOPED_TRACE(broken.name);
        if (broken.invalid)
            ExpectError<EInvalidGraphic>([&] { DecodeBmp(broken.file); }, Messages::InvalidBitmap);
        else
            ExpectError<EReadError>([&] { DecodeBmp(broken.file); }, Messages::StreamRead);
    }
}

// RLE that goes past its picture: cut off at the row's end, no wrap, and the
// picture ends when the rows run out even without end of bitmap.
TEST(BmpRleEdges, RunsPastTheRowAndThePictureAreCutOff)
{
    const std::uint32_t A = 0x102030, B = 0xA0B0C0;
    const bmpsamples::Header rle8{.width = 3, .height = 2, .bits = 8, .compression = 1, .colorsUsed = 2};
    const bmpsamples::Header rle4{.width = 3, .height = 2, .bits = 4, .compression = 2, .colorsUsed = 2};
    struct Case {
        const char* name;
        bmpsamples::Header header;
        std::vector<std::uint8_t> data;
        std::vector<std::uint32_t> pixels; // top row first
    };
    const Case cases[] = {
        {"run of 255 in a row of 3", rle8, {255, 1, 0, 0, 1, 0, 0, 1}, {A, 0, 0, B, B, B}},
        {"absolute run of 5 in a row of 3", rle8, {0, 5, 1, 0, 1, 1, 1, 0, 0, 1}, {0, 0, 0, B, A, B}},
        {"run after a delta to the row's end", rle8, {2, 1, 0, 2, 200, 0, 3, 1, 0, 1}, {0, 0, 0, B, B, 0}},
        {"delta past the last row ends it", rle8, {1, 1, 0, 2, 0, 9, 1, 1}, {0, 0, 0, B, 0, 0}},
        {"end of line after the last row ends it", rle8, {3, 1, 0, 0, 1, 1, 1, 0, 0, 0}, {B, A, 0, B, B, B}},
        {"RLE4 run past the row", rle4, {255, 0x10, 0, 0, 3, 0x01, 0, 1}, {A, B, A, B, A, B}},
        {"RLE4 absolute run past the row", rle4, {0, 6, 0x11, 0x01, 0x11, 0, 0, 1}, {0, 0, 0, B, B, A}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Raster picture = DecodeBmp(bmpsamples::Build(c.header, {A, B}, c.data));
        ASSERT_EQ(picture.Width(), 3);
        EXPECT_EQ(RgbPixels(picture), c.pixels);
    }
}

} // namespace
