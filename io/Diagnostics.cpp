// The palette row dump and the key message.
#include "app/Unit1.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/RasterText.h"
#include "platform/StrConv.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int PaletteRows = 32;
constexpr int ValuesPerLine = 24;
constexpr int Lines = 32;
} // namespace

void TForm1::PaletteDumpExecute()
{
    Picture().FrameRect({0, 0, AreaWidth(), AreaHeight()}, clBlack);
    Image1->update();
    const int h = TRasterCanvas::TextHeight();
    const std::string answer = Application()->GetDialogs().InputBox(
        "カラーパレットデータの16進ダンプ", "表示する行を入力してください。（0～31）", "");
    const int row = StrToIntDef(answer, 0);
    if (row < 0 || row >= PaletteRows) throw EInvalidOperation(Messages::ScanLineOutOfRange);
    const Raster& palette = pallete->Picture();
    const std::uint8_t* bytes = palette.ScanLine(row);
    const int rowBytes = int(std::min<std::size_t>(palette.Stride(), std::size_t(Lines) * ValuesPerLine));

    TRasterCanvas canvas(Picture());
    canvas.FontColor = clWhite;
    canvas.BrushColor = clBlack;
    for (int i = 0; i < Lines; ++i)
        for (int j = 0; j < ValuesPerLine; ++j) {
            const int k = ValuesPerLine * i + j;
            if (k >= rowBytes) break;
            canvas.TextOut(3 * (h / 2) * j, h * i, FormatInt("%3d ", bytes[k]));
        }
    Image1->update();
}

void TForm1::FormKeyPress(const QString& key)
{
    Application()->GetDialogs().ShowMessage("Key Press", key.toStdString() + " Was Pressed", MessageIcon::None);
}
