#pragma once
// The pen and background swatches. The pen swatch's picture is 25 by 26
// pixels, made at its first drawing and kept: each fill overwrites only its
// own square, and the control is resized apart from the picture (where it is
// larger, the excess shows no picture).
#include "platform/Image.h"

void ResizePenSwatch(TImage& swatch, long long side);
void FillPenSwatch(TImage& swatch, long long side, TColor color); // (0, 0)-(side, side)
void FillBackSwatch(TImage& swatch, TColor color);                // the whole 25 by 25 picture
