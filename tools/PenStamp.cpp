#include "tools/PenStamp.h"

#include <algorithm>

namespace {

int Clip(long long value, int limit) { return int(std::clamp<long long>(value, 0, limit)); }

} // namespace

Rect PenStampRect(int x, int y, int penSize, int cellSize, int width, int height)
{
    if (cellSize < 1 || penSize < 1) return {};
    // The remainder truncates toward zero, so a negative position moves toward 0.
    const long long left = x - x % cellSize;
    const long long top = y - y % cellSize;
    const long long side = static_cast<long long>(penSize) * cellSize;
    const Rect r{Clip(left, width), Clip(top, height), Clip(left + side, width), Clip(top + side, height)};
    return r.Empty() ? Rect{} : r;
}

Rect StampPen(Raster& picture, int x, int y, int penSize, int cellSize, TColor color)
{
    const Rect r = PenStampRect(x, y, penSize, cellSize, picture.Width(), picture.Height());
    picture.FillRect(r, color);
    return r;
}

Rect SquareIn(const Raster& picture, long long side)
{
    return {0, 0, Clip(side, picture.Width()), Clip(side, picture.Height())};
}
