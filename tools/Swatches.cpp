#include "tools/Swatches.h"

#include "tools/PenStamp.h"

#include <algorithm>
#include <utility>

namespace {

Raster& PictureOf(TImage& swatch, int width, int height)
{
    if (std::as_const(swatch).Picture().Width() == 0) swatch.SetPicture(Raster(width, height));
    return swatch.Picture();
}

} // namespace

void ResizePenSwatch(TImage& swatch, long long side)
{
    // Pen sizes are typed freely; keep the control within what the toolkit can size.
    const int s = int(std::clamp<long long>(side, 0, QWIDGETSIZE_MAX));
    swatch.resize(s, s);
}

void FillPenSwatch(TImage& swatch, long long side, TColor color)
{
    Raster& picture = PictureOf(swatch, 25, 26);
    picture.FillRect(SquareIn(picture, side), color);
    swatch.update();
}

void FillBackSwatch(TImage& swatch, TColor color)
{
    Raster& picture = PictureOf(swatch, 25, 25);
    picture.FillRect({0, 0, picture.Width(), picture.Height()}, color);
    swatch.update();
}
