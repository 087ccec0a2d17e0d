#include "platform/Exception.h"
#include "raster/ActiveArea.h"
#include "raster/Fills.h"
#include "raster/Raster.h"

#include <gtest/gtest.h>

namespace {

int CountColour(const Raster& r, TColor c, Rect in)
{
    int count = 0;
    for (int y = in.Top; y < in.Bottom; ++y)
        for (int x = in.Left; x < in.Right; ++x) count += r.Pixel(x, y) == c;
    return count;
}

} // namespace

TEST(Raster, StoresBlueGreenRedAndReadsColourValues)
{
    Raster r(3, 2);
    r.FillRect({1, 1, 2, 2}, 0x00C08040);
    const std::uint8_t* row = r.ScanLine(1);
    EXPECT_EQ(row[3], 0xC0); // blue
    EXPECT_EQ(row[4], 0x80); // green
    EXPECT_EQ(row[5], 0x40); // red
    EXPECT_EQ(r.Pixel(1, 1), 0x00C08040u);
    EXPECT_EQ(r.Pixel(0, 0), 0u);
}

TEST(Raster, FillAndOutlineClipToThePicture)
{
    Raster r(10, 8);
    r.FillRect({-5, -5, 3, 2}, clWhite);
    EXPECT_EQ(CountColour(r, clWhite, {0, 0, 10, 8}), 6);
    r.FillRect({8, 6, 100, 100}, clWhite);
    EXPECT_EQ(CountColour(r, clWhite, {0, 0, 10, 8}), 6 + 4);
    r.FillRect({5, 5, 5, 9}, clWhite); // empty
    r.FillRect({6, 6, 2, 2}, clWhite); // inverted
    EXPECT_EQ(CountColour(r, clWhite, {0, 0, 10, 8}), 10);

    Raster f(10, 8);
    f.FrameRect({0, 0, 20, 20}, clWhite); // right and bottom lines fall outside
    EXPECT_EQ(CountColour(f, clWhite, {0, 0, 10, 8}), 10 + 7);
    Raster g(10, 8);
    g.FrameRect({1, 1, 5, 4}, clWhite);
    EXPECT_EQ(CountColour(g, clWhite, {0, 0, 10, 8}), 4 + 4 + 1 + 1);
}

TEST(Raster, RowAccessOutsideThePictureIsRefused)
{
    Raster r(4, 3);
    EXPECT_NO_THROW(r.ScanLine(2));
    for (int row : {-1, 3, 100}) {
        try {
            r.ScanLine(row);
            ADD_FAILURE() << row;
        } catch (const EInvalidOperation& e) {
            EXPECT_STREQ(e.what(), "スキャンライン のインデックスが範囲を越えました");
        }
    }
}

TEST(Raster, BlockTransferClipsSourceAndTarget)
{
    Raster source(4, 4);
    source.FillRect({0, 0, 4, 4}, clWhite);
    Raster target(6, 5);
    target.CopyRect(4, 3, source, {0, 0, 4, 4});
    EXPECT_EQ(CountColour(target, clWhite, {0, 0, 6, 5}), 4);
    Raster other(6, 5);
    other.CopyRect(-2, -1, source, {-1, 0, 4, 4});
    EXPECT_EQ(CountColour(other, clWhite, {0, 0, 6, 5}), 9); // 3 by 3 survive both clips
}

TEST(Raster, StretchDrawEnlargesAndReducesFromACopy)
{
    Raster r(4, 4);
    r.FillRect({0, 0, 1, 1}, 0x0000FF);
    r.FillRect({1, 0, 2, 1}, 0x00FF00);
    r.StretchDrawSelf({0, 0, 8, 8}); // enlargement by 2, reading the old content
    EXPECT_EQ(CountColour(r, 0x0000FF, {0, 0, 4, 4}), 4);
    EXPECT_EQ(CountColour(r, 0x00FF00, {0, 0, 4, 4}), 4);
    EXPECT_EQ(r.Pixel(2, 0), 0x00FF00u);
    r.StretchDrawSelf({0, 0, 2, 2}); // halved into the top-left quarter, the rest kept
    EXPECT_EQ(r.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(r.Pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(r.Pixel(3, 0), 0x00FF00u);
}

TEST(Fills, VisitCellsOnTheGridAndDrawOncePerCell)
{
    Raster r(40, 30);
    RandomGenerator random;
    FillRandom(r, 40, 30, 4, clWhite, clBlack, random);
    int painted = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            // every pixel has the colour of its cell's corner
            ASSERT_EQ(r.Pixel(x, y), r.Pixel(x - x % 4, y - y % 4));
            painted += (x % 4 == 0 && y % 4 == 0 && r.Pixel(x, y) == clWhite);
        }
    EXPECT_GT(painted, 0);
    EXPECT_LT(painted, 80);

    // The same generator state gives the same picture; the next fill goes on.
    RandomGenerator again;
    Raster same(40, 30);
    FillRandom(same, 40, 30, 4, clWhite, clBlack, again);
    EXPECT_EQ(same, r);
    FillRandom(same, 40, 30, 4, clWhite, clBlack, again);
    EXPECT_NE(same, r);
}

TEST(Fills, ColourRandomSeedsAndDrawsFourTimesPerPaintedCell)
{
    Raster a(16, 16), b(16, 16);
    RandomGenerator ra, rb;
    FillColorRandom(a, 16, 16, 1, clBlack, ra, 12345);
    FillColorRandom(b, 16, 16, 1, clBlack, rb, 12345);
    EXPECT_EQ(a, b);
    // Replay the draws by hand: one per cell, three more for a painted one.
    RandomGenerator replay;
    replay.Seed(12345);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            if (replay.Next() % 100 >= 50) continue;
            const int red = replay.Next() % 256, green = replay.Next() % 256, blue = replay.Next() % 256;
            ASSERT_EQ(a.Pixel(x, y), RGB(red, green, blue));
        }
}

TEST(Fills, EmptyAreasAndCellsBelowOnePaintNothing)
{
    Raster r(8, 8);
    RandomGenerator random;
    FillRandom(r, 0, 8, 1, clWhite, clWhite, random);
    FillRandom(r, 8, 8, 0, clWhite, clBlack, random);
    FillColorRandom(r, 8, 8, -2, clBlack, random, 1);
    EXPECT_EQ(CountColour(r, clBlack, {0, 0, 8, 8}), 64);
}

TEST(ActiveArea, PresetsAndTheirCountsPerCellSize)
{
    EXPECT_STREQ(PresetAt(0).Text, "0 QVGA  (320x240)");
    EXPECT_STREQ(PresetAt(1).Text, "1 VGA   (640x480)");
    EXPECT_STREQ(PresetAt(5).Text, "5 SXGA+ (1400x1050)");
    EXPECT_STREQ(PresetAt(9).Text, "9 QUXGA (3200x2400)");
    const int counts[][2] = {{1, 10}, {2, 7}, {4, 3}, {8, 1}, {3, 0}, {0, 0}, {-1, 0}, {16, 0}};
    for (auto [n, count] : counts) {
        EXPECT_EQ(PresetCountFor(n), count) << n;
        for (int i = 0; i < count; ++i) {
            EXPECT_LE(PresetAt(i).Width * n, 3200);
            EXPECT_LE(PresetAt(i).Height * n, 2400);
        }
    }
}

TEST(ActiveArea, ZoomTargetsKeepThirtyTwoBitArithmetic)
{
    struct Case { int oldW, oldH, newW, newH; Rect target; };
    const Case cases[] = {
        {320, 240, 640, 480, {0, 0, 8000, 6000}},
        {640, 480, 320, 240, {0, 0, 2000, 1500}},
        {320, 240, 2560, 1920, {0, 0, 32000, 24000}},
        {1400, 1050, 320, 240, {0, 0, 914, 685}},
        // 4000 * 1,000,000 leaves 32 bits: the low 32 bits are divided.
        {320, 240, 1000000, 240, {0, 0, int(std::int32_t(std::uint32_t(4000ull * 1000000ull))) / 320, 3000}},
    };
    for (const Case& c : cases) EXPECT_EQ(ZoomTarget(4000, 3000, c.oldW, c.oldH, c.newW, c.newH), c.target);
    EXPECT_FALSE(ZoomTarget(4000, 3000, 0, 240, 320, 240));
    EXPECT_FALSE(ZoomTarget(4000, 3000, 320, -1, 320, 240));
}

TEST(ActiveArea, AreasThatAreEmptyOrTooLargeAreRefused)
{
    EXPECT_EQ(AreaInPixels(320, 240, 2), (std::pair<int, int>{640, 480}));
    EXPECT_FALSE(AreaInPixels(0, 240, 1));
    EXPECT_FALSE(AreaInPixels(320, -5, 1));
    EXPECT_FALSE(AreaInPixels(1 << 30, 240, 8));
}
