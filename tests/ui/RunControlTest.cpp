// Start, Break, the run lock and the threshold controls through the window.
#include "tests/ui/FormFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

class RunControlTest : public FormTest {
protected:
    // Runs Start with `during` called in the pauses between generations.
    void Run(const char* limit, std::function<void()> during = nullptr)
    {
        form->Edit2->setText(limit);
        QTimer timer;
        if (during) {
            QObject::connect(&timer, &QTimer::timeout, during);
            timer.start(0);
        }
        form->LifeStart.Execute();
    }

    // Every control of the run lock with whether it is enabled.
    std::vector<std::pair<std::string, bool>> LockState() const
    {
        std::vector<std::pair<std::string, bool>> state;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 form->ToolButton6, form->Edit2, form->ToolButton11, form->TrackBar1, form->TrackBar2, form->TrackBar3,
                 form->Edit3, form->Edit4, form->Edit5, form->ListBox1, form->Edit6, form->Edit7, form->Button2,
                 form->ComboBox1, form->Button8, form->Edit9, form->UpDown1, form->SpeedButton2, form->SpeedButton1,
                 form->SpeedButton3})
            state.emplace_back(w->objectName().toStdString(), w->isEnabled());
        for (QAction* a : {form->New1, form->Open1, form->Save1, form->SaveAs1})
            state.emplace_back(a->objectName().toStdString(), a->isEnabled());
        state.emplace_back("MenuEdit1", form->MenuEdit1->menuAction()->isEnabled());
        for (QAction* a : {form->Start1, form->Break1}) state.emplace_back(a->objectName().toStdString(), a->isEnabled());
        return state;
    }

    static std::vector<std::pair<std::string, bool>> Expected(bool running)
    {
        std::vector<std::pair<std::string, bool>> state;
        for (const char* name : {"ToolButton6", "Edit2"}) state.emplace_back(name, !running);
        state.emplace_back("ToolButton11", running);
        for (const char* name : {"TrackBar1", "TrackBar2", "TrackBar3", "Edit3", "Edit4", "Edit5", "ListBox1", "Edit6",
                                 "Edit7", "Button2", "ComboBox1", "Button8", "Edit9", "UpDown1", "SpeedButton2",
                                 "SpeedButton1", "SpeedButton3", "New1", "Open1", "Save1", "SaveAs1", "MenuEdit1"})
            state.emplace_back(name, !running);
        state.emplace_back("Start1", !running);
        state.emplace_back("Break1", running);
        return state;
    }
};

TEST_F(RunControlTest, TheLockIsAppliedDuringARunAndReleasedByBreak)
{
    std::vector<std::pair<std::string, bool>> during;
    bool outsideTheLock = false;
    Run("0", [&] {
        during = LockState();
        outsideTheLock = form->ToolButton12->isEnabled() && form->ToolButton7->isEnabled() &&
                         form->ToolButton8->isEnabled() && form->Exit1->isEnabled() && form->Dump1->isEnabled() &&
                         form->pallete->isEnabled() && form->Image1->isEnabled();
        form->LifeBreak.Execute();
    });
    EXPECT_EQ(during, Expected(true));
    EXPECT_TRUE(outsideTheLock);
    EXPECT_EQ(LockState(), Expected(false));
    EXPECT_EQ(form->Generation, 1);
    EXPECT_FALSE(form->StopRequest);
}

TEST_F(RunControlTest, LimitsRunExactlyOrFallBackTo100000)
{
    Run("5");
    EXPECT_EQ(form->Generation, 5);
    EXPECT_EQ(LockState(), Expected(false)); // the end by the limit releases the lock
    Run("5");
    EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:    10 ");

    for (const char* limit : {"0", "", "-3", "99999999999"}) {
        form->Generation = 0;
        Run(limit, [&] {
            if (form->Generation == 12) form->LifeBreak.Execute();
        });
        EXPECT_EQ(form->Generation, 12) << limit;
    }
}

TEST_F(RunControlTest, ReadoutsShowTheGenerationAndThePopulations)
{
    // A green blinker, value 200: three cells alive in green only.
    Raster& p = form->Picture();
    for (int x = 10; x <= 12; ++x) p.FillRect({x, 10, x + 1, 11}, RGB(0, 200, 0));
    Run("3");
    EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:     3 ");
    EXPECT_EQ(form->StatusBar2->PanelText(1), "生存:     3 ");
    EXPECT_EQ(form->StatusBar2->PanelText(2), "赤:     0 ");
    EXPECT_EQ(form->StatusBar2->PanelText(3), "緑:     3 ");
    EXPECT_EQ(form->StatusBar2->PanelText(4), "青:     0 ");
    // After an odd number of generations the blinker stands upright.
    EXPECT_EQ(p.Pixel(11, 9), RGB(0, 200, 0));
    EXPECT_EQ(p.Pixel(11, 11), RGB(0, 200, 0));
    EXPECT_EQ(p.Pixel(10, 10), 0u);
}

TEST_F(RunControlTest, ThresholdsAt255LeaveEveryCellBlack)
{
    form->ImageCRandomExecute();
    for (QLineEdit* box : {form->Edit3, form->Edit4, form->Edit5}) box->setText("255");
    Run("1");
    EXPECT_EQ(form->StatusBar2->PanelText(1), "生存:     0 ");
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) ASSERT_EQ(form->Picture().Pixel(x, y), 0u);
}

TEST_F(RunControlTest, AThresholdThatIsNoIntegerReportsAndLocksNothing)
{
    form->Edit3->setText("");
    EXPECT_EQ(form->Edit3->text(), ""); // the slider is already at 0
    form->Picture().FillRect({0, 0, 320, 240}, clWhite);
    Run("5");
    ASSERT_EQ(dialogs->Messages.size(), 1u);
    EXPECT_EQ(dialogs->Messages[0].Caption, "Pixolen");
    EXPECT_EQ(dialogs->Messages[0].Text, "'' は整数ではありません.");
    EXPECT_EQ(dialogs->Messages[0].Icon, MessageIcon::Error);
    EXPECT_EQ(LockState(), Expected(false));
    EXPECT_EQ(form->Generation, 0);
    EXPECT_EQ(form->Picture().Pixel(0, 0), clWhite); // no frame drawn
}

TEST_F(RunControlTest, ABreakAfterTheRunDoesNotCutTheNextOneShort)
{
    Run("2");
    form->LifeBreak.Execute();
    EXPECT_TRUE(form->StopRequest);
    Run("4");
    EXPECT_EQ(form->Generation, 6);
    EXPECT_FALSE(form->StopRequest);
}

TEST_F(RunControlTest, ClearDuringARunRestartsTheCount)
{
    std::vector<std::string> seen;
    Run("0", [&] {
        seen.push_back(form->StatusBar2->PanelText(0));
        if (form->Generation == 3) QTest::mouseClick(form->ToolButton12, Qt::LeftButton);
        if (seen.size() == 5) form->LifeBreak.Execute();
    });
    EXPECT_EQ(seen[2], "世代:     3 ");
    EXPECT_EQ(seen[3], "世代:     1 ");
}

TEST_F(RunControlTest, StartInsideARunStartsNoSecondRun)
{
    int pauses = 0;
    Run("3", [&] {
        ++pauses;
        form->LifeStartExecute();
    });
    EXPECT_EQ(form->Generation, 3);
    EXPECT_GE(pauses, 3);
}

TEST_F(RunControlTest, APasteThatChangesThePictureSizeEndsTheRun)
{
    Run("0", [&] {
        if (form->Generation == 2) {
            form->Image1->SetPicture(Raster(200, 150));
            form->SetAreaSize(200, 150);
        }
    });
    EXPECT_EQ(form->Generation, 2);
    EXPECT_EQ(LockState(), Expected(false));
}

TEST_F(RunControlTest, ClosingTheWindowEndsTheRunWithoutAnError)
{
    Run("0", [&] {
        if (form->Generation == 2) form->close();
    });
    EXPECT_EQ(form->Generation, 2);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs->Messages.empty());
}

TEST_F(RunControlTest, SlidersAndBoxesFollowEachOther)
{
    form->Edit3->setText("300");
    EXPECT_EQ(form->Edit3->text(), "255");
    EXPECT_EQ(form->TrackBar1->value(), 255);
    form->Edit3->setText("");
    EXPECT_EQ(form->Edit3->text(), "0");
    EXPECT_EQ(form->TrackBar1->value(), 0);
    form->TrackBar2->setValue(77);
    EXPECT_EQ(form->Edit4->text(), "77");
    form->Edit5->setText("42");
    EXPECT_EQ(form->TrackBar3->value(), 42);
    EXPECT_EQ(form->Edit5->text(), "42");
}
