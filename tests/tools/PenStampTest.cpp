#include "tools/PenStamp.h"

#include <gtest/gtest.h>

#include <climits>

TEST(PenStampRect, SnapsToTheCellGridAndClipsToThePictureOnly)
{
    const struct {
        int x, y, pen, cell;
        Rect expected;
    } cases[] = {
        {5, 9, 4, 4, {4, 8, 20, 24}},
        {7, 3, 1, 1, {7, 3, 8, 4}},
        {639, 479, 3, 2, {638, 478, 644, 484}},      // reaches past any active area
        {3999, 2999, 64, 8, {3992, 2992, 4000, 3000}}, // the picture's corner
        {100, 100, 64, 8, {96, 96, 608, 608}},         // the largest stamp a user steps to
        {-3, 7, 1, 4, {0, 4, 4, 8}},                   // the remainder truncates toward zero
        {-5, 7, 1, 4, {}},                             // ... so -5 starts at -4 and stays outside
        {-5, -5, 2, 4, {0, 0, 4, 4}},
        {4000, 0, 4, 1, {}},
        {5, 9, 0, 4, {}},
        {5, 9, -3, 4, {}},                             // negative pen: nothing
        {5, 9, 4, 0, {}},                              // no cell size: nothing
        {5, 9, INT_MAX, 8, {0, 8, 4000, 3000}},        // no wrap-around
        {INT_MAX, INT_MAX, INT_MAX, 8, {}},
        {INT_MIN, INT_MIN, INT_MAX, 8, {0, 0, 4000, 3000}},
        {INT_MIN, 0, 1, 1, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PenStampRect(c.x, c.y, c.pen, c.cell, 4000, 3000), c.expected)
            << c.x << "," << c.y << " pen " << c.pen << " cell " << c.cell;
}

TEST(PenStampRect, StampPaintsExactlyItsRectangle)
{
    Raster picture(10, 6);
    const Rect r = StampPen(picture, 9, 5, 3, 2, 0x00C08040);
    EXPECT_EQ(r, (Rect{8, 4, 10, 6}));
    int painted = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) painted += picture.Pixel(x, y) == 0x00C08040u;
    EXPECT_EQ(painted, 4);
}
