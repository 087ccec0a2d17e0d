#pragma once
// The whole-area fills. Cells are n by n squares tiled from (0, 0); rows of
// cells from the top, cells from the left, while x < W and y < H.
#include "raster/Random.h"
#include "raster/Raster.h"

#include <cstdint>

void FillClear(Raster& picture, int W, int H, TColor back);
// Each cell becomes `pen` when a draw mod 100 is below 50; one draw per cell.
void FillRandom(Raster& picture, int W, int H, int n, TColor pen, TColor back, RandomGenerator& random);
// Seeds with `seed`; a chosen cell takes three more draws for red, green, blue.
void FillColorRandom(Raster& picture, int W, int H, int n, TColor back, RandomGenerator& random, std::uint32_t seed);
