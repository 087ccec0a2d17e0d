#include "raster/ActiveArea.h"

#include <cstdint>

namespace {

const Preset presets[PresetCount] = {
    {"0 QVGA  (320x240)", 320, 240},    {"1 VGA   (640x480)", 640, 480},    {"2 SVGA  (800x600)", 800, 600},
    {"3 XGA   (1024x768)", 1024, 768},  {"4 SXGA  (1280x1024)", 1280, 1024}, {"5 SXGA+ (1400x1050)", 1400, 1050},
    {"6 UXGA  (1600x1200)", 1600, 1200}, {"7 WUXGA (1920x1200)", 1920, 1200}, {"8 QXGA  (2048x1536)", 2048, 1536},
    {"9 QUXGA (3200x2400)", 3200, 2400},
};

// A product in signed 32-bit arithmetic, keeping its low 32 bits.
std::int32_t Wrap32(std::int64_t a, std::int64_t b)
{
    return std::int32_t(std::uint32_t(std::uint64_t(a) * std::uint64_t(b)));
}

} // namespace

const Preset& PresetAt(int index)
{
    return presets[index];
}

int PresetCountFor(int cellSize)
{
    switch (cellSize) {
    case 1: return 10;
    case 2: return 7;
    case 4: return 3;
    case 8: return 1;
    default: return 0;
    }
}

std::optional<std::pair<int, int>> AreaInPixels(int widthCells, int heightCells, int cellSize)
{
    const std::int64_t w = std::int64_t(widthCells) * cellSize;
    const std::int64_t h = std::int64_t(heightCells) * cellSize;
    if (w <= 0 || h <= 0 || w > MaxAreaSide || h > MaxAreaSide) return std::nullopt;
    return std::pair<int, int>{int(w), int(h)};
}

std::optional<Rect> ZoomTarget(int baseWidth, int baseHeight, int oldW, int oldH, int newW, int newH)
{
    if (oldW <= 0 || oldH <= 0) return std::nullopt;
    const std::int32_t bottom = Wrap32(baseHeight, newH) / oldH;
    const std::int32_t right = Wrap32(baseWidth, newW) / oldW;
    return Rect{0, 0, right, bottom};
}
