// New, Open, Save and Save As, and the file-name display.
#include "app/Unit1.h"

#include "io/BmpReader.h"
#include "io/BmpWriter.h"
#include "platform/Application.h"
#include "platform/Paths.h"

namespace {

// Where a file's picture goes in the W x H area: centred along an axis where
// it is smaller, cut to its first columns or rows where it is larger.
struct Placement {
    int X0, Y0, Width, Height;
};

Placement PlaceInArea(int W, int H, int w, int h)
{
    Placement p{};
    if (w > W) {
        p.X0 = 0;
        p.Width = W;
    } else {
        p.X0 = (W - w) / 2;
        p.Width = w;
    }
    if (h < H) {
        p.Y0 = (H - h) / 2;
        p.Height = h;
    } else {
        p.Y0 = 0;
        p.Height = H;
    }
    return p;
}

FileDialogSettings OpenDialog1()
{
    FileDialogSettings settings;
    settings.Title = "ファイルを開く";
    settings.Filter = "テキストファイル|*.bmp|すべてのファイル|*.*";
    settings.DefaultExt = "bmp";
    return settings;
}

} // namespace

void TForm1::ShowFileName()
{
    // The tooltip carries the whole name when the panel cuts it off.
    StatusBar1->SetPanelText(0, FileName);
    StatusBar1->SetHint(FileName);
}

void TForm1::FileNewExecute()
{
    FileName = DefaultFileName;
    ShowFileName();
    ImageClearExecute();
}

void TForm1::FileOpenExecute()
{
    const auto chosen = Application()->GetDialogs().OpenFile(OpenDialog1());
    if (!chosen) return;
    // The name is shown first, so a file that fails to load is still named.
    FileName = *chosen;
    ShowFileName();
    const Raster file = LoadBmpFile(FileName);
    const Placement at = PlaceInArea(AreaWidth(), AreaHeight(), file.Width(), file.Height());
    // CopyRect clips, so an area larger than a pasted Raster stays inside it.
    Picture().CopyRect(at.X0, at.Y0, file, Rect{0, 0, at.Width, at.Height});
    Image1->update();
}

void TForm1::FileSaveExecute()
{
    if (FileName == DefaultFileName) {
        FileSaveAsExecute();
        return;
    }
    // Any other name came from Open or Save As: store the picture there.
    SaveBmpFile(Picture(), FileName);
}

void TForm1::FileSaveAsExecute()
{
    FileDialogSettings settings;
    settings.FileName = FileName;
    settings.InitialDir = ExtractFilePath(FileName);
    const auto chosen = Application()->GetDialogs().SaveFile(settings);
    if (!chosen) return;
    FileName = *chosen;
    ShowFileName();
    // The writer replaces the file only once every byte is on disk.
    SaveBmpFile(Picture(), FileName);
}
