#include "tools/ColorName.h"
#include "tools/Readouts.h"

#include <gtest/gtest.h>

TEST(ColorToString, NamesTheSixteenBasicColoursAndWritesHexForTheRest)
{
    const struct {
        TColor value;
        const char* name;
    } cases[] = {
        {0x000000, "clBlack"},    {0x000080, "clMaroon"},   {0x008000, "clGreen"},    {0x008080, "clOlive"},
        {0x800000, "clNavy"},     {0x800080, "clPurple"},   {0x808000, "clTeal"},     {0x808080, "clGray"},
        {0xC0C0C0, "clSilver"},   {0x0000FF, "clRed"},      {0x00FF00, "clLime"},     {0x00FFFF, "clYellow"},
        {0xFF0000, "clBlue"},     {0xFF00FF, "clFuchsia"},  {0xFFFF00, "clAqua"},     {0xFFFFFF, "clWhite"},
        {0x00C08040, "0x00C08040"}, {0x000001, "0x00000001"}, {0xC0C0C1, "0x00C0C0C1"}, {0xFFFFFE, "0x00FFFFFE"},
        {0x00A0A0A0, "0x00A0A0A0"}, {0x0000FE, "0x000000FE"}, {0xABCDEF, "0x00ABCDEF"},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToString(c.value), c.name) << std::hex << c.value;
}

TEST(Readouts, PositionAndRgbTextsPadToThreeAndGrowBeyond)
{
    EXPECT_EQ(PositionText(5, 9), "X:  5 Y:  9");
    EXPECT_EQ(PositionText(1234, 5), "X:1234 Y:  5");
    EXPECT_EQ(PositionText(-3, 7), "X: -3 Y:  7");
    EXPECT_EQ(PositionText(-2147483647 - 1, 0), "X:-2147483648 Y:  0");
    EXPECT_EQ(RgbText(255, 0, 0), "R:255 G:  0 B:  0 ");
    EXPECT_EQ(RgbText(64, 128, 192), "R: 64 G:128 B:192 ");
}

TEST(Readouts, SurfaceShowsOnlyPixelsInsideAboveZeroStripShowsEveryPixelInside)
{
    Raster picture(4, 3);
    picture.FillRect({1, 1, 2, 2}, 0x00C08040);
    picture.FillRect({3, 2, 4, 3}, 0x000001);
    auto at = SurfaceReadout(picture, 1, 1);
    ASSERT_TRUE(at);
    EXPECT_EQ(at->Rgb, "R: 64 G:128 B:192 ");
    EXPECT_EQ(at->Name, "0x00C08040");
    at = SurfaceReadout(picture, 3, 2); // the darkest colour above black still counts
    ASSERT_TRUE(at);
    EXPECT_EQ(at->Rgb, "R:  1 G:  0 B:  0 ");
    EXPECT_FALSE(SurfaceReadout(picture, 0, 0)); // black
    for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 3}, {-2147483647 - 1, 2147483647}})
        EXPECT_FALSE(SurfaceReadout(picture, x, y)) << x << "," << y;

    at = StripReadout(picture, 0, 0);
    ASSERT_TRUE(at);
    EXPECT_EQ(at->Rgb, "R:  0 G:  0 B:  0 ");
    EXPECT_EQ(at->Name, "clBlack");
    EXPECT_FALSE(StripReadout(picture, 4, 0));
    EXPECT_FALSE(StripReadout(picture, 0, -1));
}
