// The palette strip: built once at start, read by pointer presses and moves.
#include "app/Unit1.h"

#include "tools/PaletteStrip.h"
#include "tools/Readouts.h"
#include "tools/Swatches.h"

#include <utility>

void TForm1::DrawPalette()
{
    pallete->SetPicture(BuildPaletteStrip());
}

void TForm1::palleteMouseDown(MouseButton, ShiftState, int x, int y)
{
    const Raster& strip = std::as_const(*pallete).Picture();
    if (!strip.Contains(x, y)) return;
    PenColor = strip.Pixel(x, y);
    ResizePenSwatch(*penimage, PenSize + 1LL);
    FillPenSwatch(*penimage, PenSize, PenColor);
    StatusBar1->SetPanelText(2, RgbTextAt(strip, x, y));
}

void TForm1::palleteMouseMove(ShiftState shift, int x, int y)
{
    // A drag that left the strip keeps sending moves; those are ignored.
    const Raster& strip = std::as_const(*pallete).Picture();
    const auto readout = StripReadout(strip, x, y);
    if (!readout) return;
    StatusBar1->SetPanelText(2, readout->Rgb);
    StatusBar1->SetPanelText(3, readout->Name);
    if (!shift.Left) return;
    PenColor = strip.Pixel(x, y);
    FillPenSwatch(*penimage, PenSize, PenColor);
}
