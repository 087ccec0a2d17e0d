// Clear and the two random fills of the active area.
#include "app/Unit1.h"

#include "platform/StrConv.h"
#include "raster/Fills.h"

#include <ctime>

void TForm1::ShowGenerationText()
{
    StatusBar2->SetPanelText(0, FormatInt("世代:%6d ", Generation));
}

void TForm1::ImageClearExecute()
{
    FillClear(Picture(), AreaWidth(), AreaHeight(), BackColor);
    Image1->update();
    Generation = 0;
    ShowGenerationText();
}

void TForm1::ImageRandomExecute()
{
    FillRandom(Picture(), AreaWidth(), AreaHeight(), nStretch, PenColor, BackColor, Random);
    Image1->update();
    Generation = 0;
    ShowGenerationText();
}

void TForm1::ImageCRandomExecute()
{
    const auto now = std::uint32_t(std::time(nullptr));
    FillColorRandom(Picture(), AreaWidth(), AreaHeight(), nStretch, BackColor, Random, now);
    Image1->update();
    Generation = 0;
    ShowGenerationText();
}
