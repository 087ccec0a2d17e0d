#include "tools/PaletteStrip.h"

Raster BuildPaletteStrip()
{
    Raster strip(PaletteStripWidth, PaletteStripHeight);
    int band = 0;
    // Red changes fastest, green slowest: that fixes the order of the bands.
    for (int g = 0; g <= 1; ++g)
        for (int b = 0; b <= 1; ++b)
            for (int r = 0; r <= 1; ++r) {
                for (int x = 0; x < PaletteStripWidth; ++x) {
                    const TColor color = TColor((r * x) & 0xFF) | (TColor((g * x) & 0xFF) << 8) |
                                         (TColor((b * x) & 0xFF) << 16);
                    strip.FillRect({x, 4 * band, x + 1, 4 * band + 4}, color);
                }
                ++band;
            }
    return strip;
}
