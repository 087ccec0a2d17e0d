#pragma once
// The size presets and the arithmetic of the resize and zoom commands.
#include "raster/Rect.h"

#include <optional>
#include <string>

struct Preset {
    const char* Text;
    int Width;
    int Height;
};

constexpr int PresetCount = 10;
const Preset& PresetAt(int index); // 0 .. PresetCount - 1

// How many presets the list holds for a cell size (1, 2, 4, 8); 0 for any other.
int PresetCountFor(int cellSize);

// The largest side a control can take.
constexpr int MaxAreaSide = 16777215;

// The area in pixels for a size in cells; nothing when it would be empty,
// negative, or larger than a control can be (which also keeps it in 32 bits).
std::optional<std::pair<int, int>> AreaInPixels(int widthCells, int heightCells, int cellSize);

// The target of the zoom's scaled redraw: (0, 0)-(base * new / old), each
// product kept to its low 32 bits and each quotient truncated; nothing when
// an old side is 0 or less.
std::optional<Rect> ZoomTarget(int baseWidth, int baseHeight, int oldW, int oldH, int newW, int newH);
