#include "raster/Fills.h"

namespace {

template <class PaintCell>
void ForEachCell(int W, int H, int n, PaintCell paint)
{
    if (n < 1) return; // a cell size below 1 has no cells (and would never advance)
    for (long long y = 0; y < H; y += n)
        for (long long x = 0; x < W; x += n) paint(int(x), int(y));
}

} // namespace

void FillClear(Raster& picture, int W, int H, TColor back)
{
    picture.FillRect({0, 0, W, H}, back);
}

void FillRandom(Raster& picture, int W, int H, int n, TColor pen, TColor back, RandomGenerator& random)
{
    FillClear(picture, W, H, back);
    ForEachCell(W, H, n, [&](int x, int y) {
        if (random.Next() % 100 < 50) picture.FillRect({x, y, x + n, y + n}, pen);
    });
}

void FillColorRandom(Raster& picture, int W, int H, int n, TColor back, RandomGenerator& random, std::uint32_t seed)
{
    FillClear(picture, W, H, back);
    random.Seed(seed);
    ForEachCell(W, H, n, [&](int x, int y) {
        if (random.Next() % 100 >= 50) return;
        const int red = random.Next() % 256;
        const int green = random.Next() % 256;
        const int blue = random.Next() % 256;
        picture.FillRect({x, y, x + n, y + n}, RGB(red, green, blue));
    });
}
