#pragma once
// Moving pictures between the Raster and Qt's images. ImageFromRaster and
// RasterFromImage copy the pixels; ImageOverRaster shares them.
#include "raster/Raster.h"

#include <QImage>

// The whole Raster as a 24-bit image (a null image for an empty Raster).
QImage ImageFromRaster(const Raster& picture);

// A view of the Raster's own buffer (no copy), for painting it or onto it;
// valid while the Raster keeps its buffer. Null for an empty Raster.
QImage ImageOverRaster(Raster& picture);

// Any image Qt can hold, converted to 24 bits: palettes give their colours,
// transparency is not kept. A null image gives an empty Raster.
Raster RasterFromImage(const QImage& image);
