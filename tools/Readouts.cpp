#include "tools/Readouts.h"

#include "tools/ColorName.h"

#include <cstdint>
#include <cstdio>

std::string PositionText(int x, int y)
{
    char text[40];
    std::snprintf(text, sizeof text, "X:%3d Y:%3d", x, y);
    return text;
}

std::string RgbText(int red, int green, int blue)
{
    char text[40];
    std::snprintf(text, sizeof text, "R:%3d G:%3d B:%3d ", red, green, blue);
    return text;
}

std::string RgbTextAt(const Raster& picture, int x, int y)
{
    const std::uint8_t* pixel = picture.ScanLine(y) + std::size_t(x) * 3;
    return RgbText(pixel[2], pixel[1], pixel[0]);
}

std::optional<ColourReadout> SurfaceReadout(const Raster& picture, int x, int y)
{
    if (!picture.Contains(x, y)) return std::nullopt;
    const TColor c = picture.Pixel(x, y);
    if (static_cast<std::int32_t>(c) <= 0) return std::nullopt;
    return ColourReadout{RgbTextAt(picture, x, y), ColorToString(c)};
}

std::optional<ColourReadout> StripReadout(const Raster& strip, int x, int y)
{
    if (!strip.Contains(x, y)) return std::nullopt;
    return ColourReadout{RgbTextAt(strip, x, y), ColorToString(strip.Pixel(x, y))};
}
