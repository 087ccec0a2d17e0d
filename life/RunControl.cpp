// The Start and Break commands, the run lock, and the threshold controls.
#include "app/Unit1.h"

#include "life/Sweep.h"
#include "platform/Application.h"
#include "platform/StrConv.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {

constexpr int DefaultLimit = 100000;

std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }

} // namespace

void TForm1::ApplyRunLock(bool locked)
{
    // The settings of a run, the area and the cell size; Start and Break swap.
    auto settings = [this](bool enabled) {
        Edit2->setEnabled(enabled);
        for (QSlider* s : {TrackBar1, TrackBar2, TrackBar3}) s->setEnabled(enabled);
        for (QLineEdit* e : {Edit3, Edit4, Edit5}) e->setEnabled(enabled);
        ListBox1->setEnabled(enabled);
        Edit6->setEnabled(enabled);
        Edit7->setEnabled(enabled);
        Button2->setEnabled(enabled);
        ComboBox1->setEnabled(enabled);
        Button8->setEnabled(enabled);
        Edit9->setEnabled(enabled);
        UpDown1->setEnabled(enabled);
        for (QToolButton* b : {SpeedButton2, SpeedButton1, SpeedButton3}) b->setEnabled(enabled);
        for (QAction* item : {New1, Open1, Save1, SaveAs1}) item->setEnabled(enabled);
        MenuEdit1->menuAction()->setEnabled(enabled);
        Start1->setEnabled(enabled);
    };
    if (locked) {
        ToolButton6->setEnabled(false);
        Edit2->setEnabled(false);
        ToolButton11->setEnabled(true);
        settings(false);
        Break1->setEnabled(true);
    } else {
        settings(true);
        ToolButton6->setEnabled(true);
        Break1->setEnabled(false);
        ToolButton11->setEnabled(false);
    }
}

void TForm1::LifeStartExecute()
{
    if (running_) return; // a Start that slips into the pause of a run starts no second run
    // Read before locking, so a box that holds no integer leaves nothing locked.
    const Thresholds thresholds{StrToInt(TextOf(Edit3)), StrToInt(TextOf(Edit4)), StrToInt(TextOf(Edit5))};
    StopRequest = false; // a Break after the last run must not cut this one short
    Raster workRaster;
    ApplyRunLock(true);
    running_ = true;

    const int W = AreaWidth(), H = AreaHeight();
    const int n = nStretch;
    Raster& picture = Picture();
    const int pictureWidth = picture.Width(), pictureHeight = picture.Height();
    picture.FrameRect({0, 0, W, H}, clBlack);
    workRaster = picture;
    int limit = StrToIntDef(TextOf(Edit2), 0);
    if (limit < 1) limit = DefaultLimit;

    Sweep sweep;
    for (int done = 0; done < limit; ++done) {
        const Population counts = sweep.Compute(Picture(), workRaster, W, H, n, thresholds);
        ++Generation;
        ShowGenerationText();
        StatusBar2->SetPanelText(1, FormatInt("生存:%6d ", counts.Total));
        StatusBar2->SetPanelText(2, FormatInt("赤:%6d ", counts.Red));
        StatusBar2->SetPanelText(3, FormatInt("緑:%6d ", counts.Green));
        StatusBar2->SetPanelText(4, FormatInt("青:%6d ", counts.Blue));
        sweep.Show(Picture(), workRaster, n);
        if (n == 1) Image1->repaint();
        else Image1->update();
        Application()->ProcessMessages();
        if (StopRequest) {
            StopRequest = false;
            break;
        }
        // A paste in the pause may have replaced the picture; the run's area
        // and work picture no longer fit it, so the run ends here.
        if (Picture().Width() != pictureWidth || Picture().Height() != pictureHeight) break;
    }
    running_ = false;
    if (ToolButton11->isEnabled()) ApplyRunLock(false); // an end by the limit releases the lock as Break does
}

void TForm1::LifeBreakExecute()
{
    StopRequest = true;
    ApplyRunLock(false);
}

namespace {

void SliderToBox(const QSlider* slider, QLineEdit* box)
{
    box->setText(QString::fromStdString(IntToStr(slider->value())));
}

void BoxToSlider(const QLineEdit* box, QSlider* slider)
{
    slider->setValue(StrToIntDef(TextOf(box), 0)); // clamped; a change writes back into the box
}

} // namespace

void TForm1::TrackBar1Change() { SliderToBox(TrackBar1, Edit3); }
void TForm1::TrackBar2Change() { SliderToBox(TrackBar2, Edit4); }
void TForm1::TrackBar3Change() { SliderToBox(TrackBar3, Edit5); }
void TForm1::Edit3Change() { BoxToSlider(Edit3, TrackBar1); }
void TForm1::Edit4Change() { BoxToSlider(Edit4, TrackBar2); }
void TForm1::Edit5Change() { BoxToSlider(Edit5, TrackBar3); }
