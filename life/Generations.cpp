#include "life/Generations.h"

Population RunGenerations(Raster& picture, int W, int H, int n, Thresholds thresholds, int generations)
{
    picture.FrameRect({0, 0, W, H}, clBlack);
    Raster work = picture;
    Sweep sweep;
    Population counts;
    for (int g = 0; g < generations; ++g) {
        counts = sweep.Compute(picture, work, W, H, n, thresholds);
        sweep.Show(picture, work, n);
    }
    return counts;
}
