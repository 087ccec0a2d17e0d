#pragma once
// Small BMP files of every form the reader knows, built byte by byte, with the
// pixels each must give. The unit tests decode them; the fuzzer starts from them.
#include <cstdint>
#include <string>
#include <vector>

namespace bmpsamples {

struct Header {
    std::uint32_t size = 40; // 12 writes the OS/2 form
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    // Red, green, blue: inside a header of 52 bytes or more, else after a
    // 40-byte header when compression is 3.
    std::vector<std::uint32_t> masks = {};
};

inline void Put(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

// `palette` holds 0xRRGGBB values; `pixels` the raw data with row padding.
inline std::vector<std::uint8_t> Build(const Header& h, const std::vector<std::uint32_t>& palette,
                                       const std::vector<std::uint8_t>& pixels)
{
    std::vector<std::uint8_t> out{'B', 'M'};
    Put(out, 0, 12); // size, reserved and offset: the reader takes none of them
    Put(out, h.size, 4);
    const bool core = h.size == 12;
    if (core) {
        Put(out, std::uint16_t(h.width), 2);
        Put(out, std::uint16_t(h.height), 2);
        Put(out, h.planes, 2);
        Put(out, h.bits, 2);
    } else {
        Put(out, std::uint32_t(h.width), 4);
        Put(out, std::uint32_t(h.height), 4);
        Put(out, h.planes, 2);
        Put(out, h.bits, 2);
        Put(out, h.compression, 4);
        Put(out, pixels.size(), 4);
        Put(out, 0, 8);
        Put(out, h.colorsUsed, 4);
        Put(out, 0, 4);
        const bool inside = h.size >= 52;
        if (inside) {
            for (std::size_t i = 0; i < 3; ++i) Put(out, i < h.masks.size() ? h.masks[i] : 0, 4);
        }
        while (out.size() < 14 + std::size_t(h.size)) out.push_back(0);
        if (!inside && h.compression == 3)
            for (auto mask : h.masks) Put(out, mask, 4);
    }
    for (auto colour : palette) { // blue, green, red (, unused)
        Put(out, colour & 0xFF, 1);
        Put(out, colour >> 8 & 0xFF, 1);
        Put(out, colour >> 16 & 0xFF, 1);
        if (!core) Put(out, 0x77, 1);
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    std::uint32_t total = std::uint32_t(out.size());
    for (int i = 0; i < 4; ++i) out[2 + i] = std::uint8_t(total >> (8 * i));
    return out;
}

struct Sample {
    std::string name;
    std::vector<std::uint8_t> file;
    int width;
    int height;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB, top row first
};

inline std::vector<std::uint32_t> Ramp256()
{
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; i < 256; ++i) palette.push_back(i << 16 | (255 - i) << 8 | (i ^ 0x55));
    return palette;
}

inline std::vector<Sample> ValidSamples()
{
    const std::uint32_t A = 0x102030, B = 0xA0B0C0, C = 0x00FF7F;
    const auto ramp = Ramp256();
    std::vector<Sample> s;
    // 1 bit, bottom-up, table of 2 from the default count; rows padded to 4 bytes.
    s.push_back({"bits1", Build({.width = 3, .height = 2, .bits = 1}, {A, B}, {0xA0, 0, 0, 0, 0x60, 0, 0, 0}),
                 3, 2, {A, B, B, B, A, B}});
    // 4 bits with a short table of 3: index 5 has no entry and is black.
    s.push_back({"bits4-short-table",
                 Build({.width = 5, .height = 2, .bits = 4, .colorsUsed = 3}, {A, B, C},
                       {0x01, 0x25, 0x10, 0, 0x22, 0x11, 0x00, 0}),
                 5, 2, {C, C, B, B, A, A, B, C, 0, B}});
    // 8 bits, top-down, the full table of 256.
    s.push_back({"bits8-top-down", Build({.width = 3, .height = -2, .bits = 8}, ramp, {0, 1, 255, 0, 7, 128, 9, 0}),
                 3, 2, {ramp[0], ramp[1], ramp[255], ramp[7], ramp[128], ramp[9]}});
    // OS/2: 12-byte header, 3-byte table entries, always the full table.
    s.push_back({"os2-bits1", Build({.size = 12, .width = 2, .height = 1, .bits = 1}, {A, C}, {0x40, 0, 0, 0}),
                 2, 1, {A, C}});
    s.push_back({"os2-bits24", Build({.size = 12, .width = 1, .height = 2, .bits = 24}, {}, {1, 2, 3, 0, 4, 5, 6, 0}),
                 1, 2, {0x060504, 0x030201}});
    // 16 bits, 5-5-5 by default: 31 -> 255, 16 -> 132.
    s.push_back({"bits16-555", Build({.width = 3, .height = 1, .bits = 16}, {}, {0xFF, 0x7F, 0x00, 0x7C, 0x00, 0x02, 0, 0}),
                 3, 1, {0xFFFFFF, 0xFF0000, 0x008400}});
    // 16 bits, 5-6-5 masks after a 40-byte header: green 1 of 63 -> 4.
    s.push_back({"bits16-565-masks",
                 Build({.width = 3, .height = 1, .bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}}, {},
                       {0xE0, 0x07, 0x20, 0x00, 0x00, 0xF8, 0, 0}),
                 3, 1, {0x00FF00, 0x000400, 0xFF0000}});
    // The same masks inside a 56-byte header.
    s.push_back({"bits16-565-header56",
                 Build({.size = 56, .width = 2, .height = 1, .bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}},
                       {}, {0x1F, 0x00, 0xFF, 0xFF}),
                 2, 1, {0x0000FF, 0xFFFFFF}});
    // 24 bits, bottom-up, width 3: 9 bytes of pixels and 3 of padding per row.
    s.push_back({"bits24", Build({.width = 3, .height = 2}, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0,
                                                                 10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0}),
                 3, 2, {0x0C0B0A, 0x0F0E0D, 0x121110, 0x030201, 0x060504, 0x090807}});
    s.push_back({"bits24-top-down", Build({.width = 1, .height = -2}, {}, {1, 2, 3, 0, 4, 5, 6, 0}),
                 1, 2, {0x030201, 0x060504}});
    // 32 bits, blue, green, red and an unused byte that must not leak in.
    s.push_back({"bits32", Build({.width = 2, .height = 1, .bits = 32}, {}, {1, 2, 3, 0xEE, 4, 5, 6, 0xEE}),
                 2, 1, {0x030201, 0x060504}});
    // 32 bits, red in the lowest byte, masks inside a 108-byte header.
    s.push_back({"bits32-rgbx-header108",
                 Build({.size = 108, .width = 1, .height = 1, .bits = 32, .compression = 3,
                        .masks = {0x000000FF, 0x0000FF00, 0x00FF0000}},
                       {}, {1, 2, 3, 0}),
                 1, 1, {0x010203}});
    // 10-10-10 masks in a 124-byte header: 1023 -> 255, 512 -> 128.
    s.push_back({"bits32-101010-header124",
                 Build({.size = 124, .width = 1, .height = 1, .bits = 32, .compression = 3,
                        .masks = {0x3FF00000, 0x000FFC00, 0x000003FF}},
                       {}, {0x00, 0x00, 0xF8, 0x3F}),
                 1, 1, {0xFF8000}});
    s.push_back({"bits32-masks-header52",
                 Build({.size = 52, .width = 1, .height = 1, .bits = 32, .compression = 3,
                        .masks = {0x0000FF00, 0x00FF0000, 0xFF000000}},
                       {}, {0, 0x80, 0x40, 0x20}),
                 1, 1, {0x804020}});
    // RLE8, 5 by 3: a run, an absolute run with its pad byte, end of line,
    // a delta over two pixels and a row, end of bitmap. Skipped pixels stay black.
    s.push_back({"rle8", Build({.width = 5, .height = 3, .bits = 8, .compression = 1, .colorsUsed = 3}, {A, B, C},
                               {2, 1, 0, 3, 2, 0, 1, 0, 0, 0, 0, 2, 2, 1, 1, 2, 0, 1}),
                 5, 3, {0, 0, C, 0, 0, 0, 0, 0, 0, 0, B, B, C, A, B}});
    // RLE4, 5 by 2: a run of alternating nibbles, an absolute run of 3 with its
    // word padding, end of line, a run of 5, end of bitmap.
    s.push_back({"rle4", Build({.width = 5, .height = 2, .bits = 4, .compression = 2, .colorsUsed = 3}, {A, B, C},
                               {2, 0x12, 0, 3, 0x01, 0x20, 0, 0, 5, 0x22, 0, 1}),
                 5, 2, {C, C, C, C, C, B, C, A, B, C}});
    return s;
}

} // namespace bmpsamples
