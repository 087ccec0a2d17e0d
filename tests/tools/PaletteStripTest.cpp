#include "tools/PaletteStrip.h"

#include <gtest/gtest.h>

TEST(PaletteStrip, BandsFollowTheirFlagsAcrossEveryEdge)
{
    const Raster strip = BuildPaletteStrip();
    ASSERT_EQ(strip.Width(), 256);
    ASSERT_EQ(strip.Height(), 32);
    EXPECT_EQ(strip.Stride(), 768u);
    for (int y = 0; y < 32; ++y) {
        const int k = y / 4, r = k & 1, b = (k >> 1) & 1, g = (k >> 2) & 1;
        for (int x : {0, 1, 127, 128, 254, 255}) {
            const TColor expected = TColor(r * x) | TColor(g * x) << 8 | TColor(b * x) << 16;
            ASSERT_EQ(strip.Pixel(x, y), expected) << x << "," << y;
            const std::uint8_t* bytes = strip.ScanLine(y) + 3 * x;
            EXPECT_EQ(bytes[0], b * x);
            EXPECT_EQ(bytes[1], g * x);
            EXPECT_EQ(bytes[2], r * x);
        }
    }
}
