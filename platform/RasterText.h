#pragma once
// Text drawn into a Raster, each text on an opaque box in the brush colour.
// A QImage wraps the Raster's own buffer while the canvas lives, so drawing
// costs no copy and clips to the picture. The Raster must keep its size for
// the canvas's lifetime.
#include "raster/Color.h"
#include "raster/Raster.h"

#include <memory>
#include <string>

class QImage;
class QPainter;

class TRasterCanvas {
public:
    explicit TRasterCanvas(Raster& picture);
    ~TRasterCanvas();

    // h, the character height of the text font in pixels: a 12-pixel
    // fixed-pitch CJK font whose half-width characters are 6 pixels wide.
    static int TextHeight();

    TColor FontColor = clWhite;
    TColor BrushColor = clBlack;

    // The text's top-left corner at (x, y); its box is the text's width by h.
    void TextOut(int x, int y, const std::string& text);

private:
    std::unique_ptr<QImage> image_;
    std::unique_ptr<QPainter> painter_;
};
