#pragma once
// One generation over the active area W by H at cell size n: the rule for
// every sample cell and channel, the new values into the work picture, the
// living cells counted. At n = 1 the picture is read in place, and a row of
// new values goes back into it only once no later row reads its old ones; at
// n >= 2 each cell is drawn into the picture as an n by n block the moment it
// is computed, so the previous and current rows are read from copies.
#include "life/Rule.h"
#include "raster/Raster.h"

#include <cstdint>
#include <vector>

struct Population {
    int Total = 0;
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    friend bool operator==(const Population&, const Population&) = default;
};

class Sweep {
public:
    // The area is clipped to both pictures; a cell size below 1 computes nothing.
    Population Compute(Raster& picture, Raster& work, int W, int H, int n, Thresholds thresholds);

    // At n = 1 the picture becomes a copy of the work picture; at n >= 2 it
    // already shows the generation. The caller repaints. Call it right after
    // Compute: at n = 1 Compute has already copied the computed cells back
    // (each row once the next no longer needs it), so Show copies the rest.
    void Show(Raster& picture, const Raster& work, int n);

private:
    Population ComputeCells(Raster& picture, Raster& work, int W, int H, int n, Thresholds thresholds);
    Population ComputePixels(Raster& picture, Raster& work, int W, int H, Thresholds thresholds);
    void PrepareThresholds(int W, Thresholds thresholds);

    // Sized once and kept from one generation to the next.
    std::vector<std::uint8_t> previous_, current_;
    std::vector<std::int8_t> above_;          // per byte of a row: its channel's threshold
    std::vector<std::uint8_t> valid_;
    std::vector<std::uint8_t> alive_;         // per byte of a row: living count over some rows
    Rect copiedBack_; // the cells the last Compute at n = 1 put into the picture already
    int preparedWidth_ = -1;
    Thresholds prepared_{-1, -1, -1};
};
