// Copy and Paste through the system clipboard, and the screen capture.
#include "app/Unit1.h"

#include "platform/Clipboard.h"
#include "platform/Screen.h"

#include <QLineEdit>

#include <utility>

void TForm1::ImageCopyExecute()
{
    // The whole Raster, not only the active area.
    PutPictureOnClipboard(Picture());
}

void TForm1::ImagePasteExecute()
{
    std::optional<Raster> pasted = PictureFromClipboard();
    if (!pasted) return; // no image there: nothing changes, silently
    const int width = pasted->Width(), height = pasted->Height();
    Image1->SetPicture(std::move(*pasted));
    // Pixel counts, not cells: the pasted picture is not scaled to nStretch.
    Edit6->setText(QString::number(width));
    Edit7->setText(QString::number(height));
    SetAreaSize(width, height);
    Generation = 0;
    ShowGenerationText();
}

void TForm1::ImageHCExecute()
{
    const Raster screen = GrabPrimaryScreen();
    Picture().CopyRect(0, 0, screen, Rect{0, 0, screen.Width(), screen.Height()});
    // Shown at once rather than at the next repaint that happens to come.
    Image1->update();
}
