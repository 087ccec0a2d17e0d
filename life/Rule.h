#pragma once
// The colour Life rule for one channel of one cell.
#include <cstdint>

struct Thresholds {
    int Red = 128;
    int Green = 128;
    int Blue = 128;
};
