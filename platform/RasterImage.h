#pragma once
// Moving pictures between the Raster and Qt's images. Both directions copy
// the pixels, so neither side keeps a view into the other's buffer.
#include "raster/Raster.h"

#include <QImage>

// The whole Raster as a 24-bit image (a null image for an empty Raster).
QImage ImageFromRaster(const Raster& picture);

// Any image Qt can hold, converted to 24 bits: palettes give their colours,
// transparency is not kept. A null image gives an empty Raster.
Raster RasterFromImage(const QImage& image);
