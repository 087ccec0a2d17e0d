#pragma once
// A run without a window: what Start does around its loop, for the headless
// command, the tests and the benchmarks.
#include "life/Sweep.h"

// Draws the black frame of the area, copies the picture into a work picture,
// and runs `generations` generations; gives the counts of the last one.
Population RunGenerations(Raster& picture, int W, int H, int n, Thresholds thresholds, int generations);
