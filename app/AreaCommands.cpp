// The size presets, the resize and the zoom commands.
#include "app/Unit1.h"

#include "raster/ActiveArea.h"
#include "platform/StrConv.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <iostream>

namespace {

void WriteInvalidChoice()
{
    std::cout << "\n選択が不正です! さようなら..." << std::flush;
}

int NumberIn(const QLineEdit* field) { return StrToIntDef(field->text().toStdString(), 0); }

} // namespace

void TForm1::FillPresetList(int count)
{
    const QSignalBlocker quiet(ListBox1); // refilling selects nothing
    ListBox1->clear();
    for (int i = 0; i < count; ++i) ListBox1->addItem(PresetAt(i).Text);
    ListBox1->setCurrentRow(-1);
}

void TForm1::ListBox1Click()
{
    const int index = ListBox1->currentRow();
    if (index < 0 || index >= PresetCount) {
        WriteInvalidChoice();
        return;
    }
    Edit6->setText(QString::number(PresetAt(index).Width));
    Edit7->setText(QString::number(PresetAt(index).Height));
}

void TForm1::ListBox1DblClick()
{
    ImageResizeExecute();
}

void TForm1::ImageResizeExecute()
{
    // An empty, negative or overflowing size changes nothing.
    if (auto area = AreaInPixels(NumberIn(Edit6), NumberIn(Edit7), nStretch)) SetAreaSize(area->first, area->second);
}

void TForm1::ImageZoomExecute()
{
    const int cellSize = StrToIntDef(ComboBox1->currentText().toStdString(), 0);
    if (cellSize < 1) {
        // A cell size below 1 would make every cell loop stand still.
        WriteInvalidChoice();
        return;
    }
    const auto area = AreaInPixels(NumberIn(Edit6), NumberIn(Edit7), cellSize);
    if (!area) return;
    nStretch = cellSize;
    const int oldW = AreaWidth(), oldH = AreaHeight();
    const auto [newW, newH] = *area;
    SetAreaSize(newW, newH);
    if (auto target = ZoomTarget(BaseWidth, BaseHeight, oldW, oldH, newW, newH)) Picture().StretchDrawSelf(*target);
    Image1->update();
}

void TForm1::ComboBox1Change()
{
    const int n = StrToIntDef(ComboBox1->currentText().toStdString(), 0);
    const int count = PresetCountFor(n);
    if (count == 0) {
        WriteInvalidChoice();
        return;
    }
    FillPresetList(count);
}
