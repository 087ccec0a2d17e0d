// Painting on the drawing surface, the pen size, the swatches and the
// background toggles.
#include "app/Unit1.h"

#include "platform/Application.h"
#include "platform/StrConv.h"
#include "tools/ColorName.h"
#include "tools/PenStamp.h"
#include "tools/Readouts.h"
#include "tools/Swatches.h"

#include <QLineEdit>

namespace {

// One colour dialog serves both swatches; it starts on the colour last chosen in it.
std::optional<TColor> RunColorDialog(TColor& lastChosen)
{
    const auto chosen = Application()->GetDialogs().ChooseColor(lastChosen);
    if (chosen) lastChosen = *chosen;
    return chosen;
}

} // namespace

void TForm1::PenStamp(int x, int y)
{
    const Rect r = StampPen(Picture(), x, y, PenSize, nStretch, PenColor);
    // Only the stamped square is repainted: a drag at pen size 64 and cell
    // size 8 must keep up with the pointer.
    if (!r.Empty()) Image1->update(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
}

void TForm1::DrawSwatches()
{
    FillPenSwatch(*penimage, PenSize + 1LL, clBlack);
    FillPenSwatch(*penimage, PenSize, PenColor);
    FillBackSwatch(*backimage, BackColor);
}

void TForm1::Image1MouseDown(MouseButton, ShiftState, int x, int y)
{
    PenStamp(x, y);
    StatusBar1->SetPanelText(1, PositionText(x, y));
}

void TForm1::Image1MouseMove(ShiftState shift, int x, int y)
{
    StatusBar1->SetPanelText(1, PositionText(x, y));
    if (shift.Left) PenStamp(x, y);
    // Read after the stamp, so a stroke shows its own colour at once.
    if (const auto readout = SurfaceReadout(Picture(), x, y)) {
        StatusBar1->SetPanelText(2, readout->Rgb);
        StatusBar1->SetPanelText(3, readout->Name);
    }
}

void TForm1::Image1MouseUp(MouseButton, ShiftState, int, int) {}

void TForm1::Edit9Change()
{
    PenSize = StrToIntDef(Edit9->text().toStdString(), 0);
    ResizePenSwatch(*penimage, PenSize + 1LL);
    FillPenSwatch(*penimage, PenSize + 1LL, clBlack);
    FillPenSwatch(*penimage, PenSize, PenColor);
}

void TForm1::SpeedButton1Click()
{
    BackColor = clWhite;
    FillBackSwatch(*backimage, BackColor);
}

void TForm1::SpeedButton2Click()
{
    BackColor = clBlack;
    FillBackSwatch(*backimage, BackColor);
}

void TForm1::SpeedButton3Click()
{
    BackColor = PenColor;
    FillBackSwatch(*backimage, BackColor);
}

void TForm1::penimageDblClick()
{
    const auto chosen = RunColorDialog(ColorDialog1Color);
    if (!chosen) return;
    PenColor = *chosen;
    StatusBar1->SetPanelText(2, ColorToString(PenColor));
    ResizePenSwatch(*penimage, PenSize);
    FillPenSwatch(*penimage, PenSize, PenColor);
}

void TForm1::backimageDblClick()
{
    const auto chosen = RunColorDialog(ColorDialog1Color);
    if (!chosen) return;
    BackColor = *chosen;
    StatusBar1->SetPanelText(2, ColorToString(BackColor));
    FillBackSwatch(*backimage, BackColor);
}
