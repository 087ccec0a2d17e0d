#pragma once
// The square pen: PenSize cells wide, snapped to the cell grid, reaching right
// and down from the cell under the pointer.
#include "raster/Raster.h"

// The part of the stamp at (x, y) that lies inside a picture of width by
// height pixels; empty for a cell size below 1, a pen size of 0 or less, or a
// stamp wholly outside. Computed in 64 bits, so no pen size or position can
// wrap around.
Rect PenStampRect(int x, int y, int penSize, int cellSize, int width, int height);

// Paints the stamp into the picture and gives the rectangle it changed.
Rect StampPen(Raster& picture, int x, int y, int penSize, int cellSize, TColor color);

// The square (0, 0)-(side, side) clipped to a picture, for the swatches:
// sides from pen-size arithmetic may be negative or beyond int.
Rect SquareIn(const Raster& picture, long long side);
