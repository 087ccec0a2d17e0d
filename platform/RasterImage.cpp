#include "platform/RasterImage.h"

#include <cstring>

// Format_BGR888 holds the bytes blue, green, red like the Raster, so every row
// is one copy; only the row padding of QImage differs.

QImage ImageFromRaster(const Raster& picture)
{
    if (picture.Width() == 0 || picture.Height() == 0) return {};
    QImage image(picture.Width(), picture.Height(), QImage::Format_BGR888);
    if (image.isNull()) return {}; // Qt refused the size
    const std::size_t stride = picture.Stride();
    for (int y = 0; y < picture.Height(); ++y)
        std::memcpy(image.scanLine(y), picture.Bits() + std::size_t(y) * stride, stride);
    return image;
}

QImage ImageOverRaster(Raster& picture)
{
    if (picture.Width() == 0 || picture.Height() == 0) return {};
    return QImage(picture.Bits(), picture.Width(), picture.Height(), qsizetype(picture.Stride()),
                  QImage::Format_BGR888);
}

Raster RasterFromImage(const QImage& image)
{
    if (image.isNull()) return {};
    const QImage bgr = image.format() == QImage::Format_BGR888 ? image : image.convertToFormat(QImage::Format_BGR888);
    if (bgr.isNull()) return {};
    Raster picture(bgr.width(), bgr.height());
    const std::size_t stride = picture.Stride();
    for (int y = 0; y < picture.Height(); ++y)
        std::memcpy(picture.Bits() + std::size_t(y) * stride, bgr.constScanLine(y), stride);
    return picture;
}
