#pragma once
// The palette strip: eight bands of four rows, ramps from black in column 0 to
// full strength in column 255. Band k = 4g + 2b + r lights red, blue and green
// by its flags r, b, g.
#include "raster/Raster.h"

constexpr int PaletteStripWidth = 256;
constexpr int PaletteStripHeight = 32;

Raster BuildPaletteStrip();
