#pragma once
// The texts of the pointer read-outs in the lower status bar.
#include "raster/Raster.h"

#include <optional>
#include <string>

std::string PositionText(int x, int y);          // "X:%3d Y:%3d"
std::string RgbText(int red, int green, int blue); // "R:%3d G:%3d B:%3d "

// The RGB text of a pixel from its row bytes (blue, green, red); the pixel
// must lie inside the picture.
std::string RgbTextAt(const Raster& picture, int x, int y);

struct ColourReadout {
    std::string Rgb;  // status panel 2
    std::string Name; // status panel 3
};

// What a move over the drawing surface shows for the pixel under the pointer:
// nothing for a point outside the picture or a pixel whose value is not above
// 0, so black never overwrites the last colour shown.
std::optional<ColourReadout> SurfaceReadout(const Raster& picture, int x, int y);

// What a move over the palette strip shows: every pixel inside it, black too.
std::optional<ColourReadout> StripReadout(const Raster& strip, int x, int y);
