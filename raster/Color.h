#pragma once
#include <cstdint>

// A colour value: 0x00BBGGRR, red in the low byte. Pixels store blue, green, red.
using TColor = std::uint32_t;

constexpr std::uint8_t RedOf(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGB(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
