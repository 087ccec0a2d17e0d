#pragma once
// The colour Life rule for one channel of one cell: a value is alive when it
// exceeds the channel's threshold; two live neighbours keep the cell's value,
// three give the exclusive-or of their values, anything else gives 0.
#include <cstdint>

struct Thresholds {
    int Red = 128;
    int Green = 128;
    int Blue = 128;
};

constexpr bool Alive(int value, int threshold) { return value > threshold; }

// `neighbours` are the eight old values around the cell in one channel.
// Written without branches: on a random picture they would be guesses.
constexpr std::uint8_t NextValue(std::uint8_t own, const std::uint8_t (&neighbours)[8], int threshold)
{
    int live = 0;
    std::uint8_t x = 0;
    for (std::uint8_t v : neighbours) {
        const std::uint8_t mask = std::uint8_t(-int(Alive(v, threshold)));
        live += mask & 1;
        x = std::uint8_t(x ^ (v & mask));
    }
    const std::uint8_t keep = std::uint8_t(-int(live == 2)), born = std::uint8_t(-int(live == 3));
    return std::uint8_t((own & keep) | (x & born));
}
