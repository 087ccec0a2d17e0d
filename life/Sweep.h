#pragma once
// One generation over the active area.
#include "life/Rule.h"
#include "raster/Raster.h"

struct Population {
    int Total = 0;
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    friend bool operator==(const Population&, const Population&) = default;
};
