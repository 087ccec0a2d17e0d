// The pointer read-outs of the drawing surface in the lower status bar.
#include "tests/ui/FormFixture.h"
#include "tests/ui/PenPointer.h"

class ReadoutTest : public FormTest {
protected:
    std::string Panel1() const { return form->StatusBar1->PanelText(1); }
    std::string Panel2() const { return form->StatusBar1->PanelText(2); }
    std::string Panel3() const { return form->StatusBar1->PanelText(3); }
    void Put(int x, int y, TColor c) { form->Picture().FillRect({x, y, x + 1, y + 1}, c); }
};

TEST_F(ReadoutTest, MoveShowsPositionAndColourOfTheRasterPixel)
{
    EXPECT_EQ(Panel1(), "X:00000 Y:00000");
    const struct {
        QPoint at;
        TColor colour;
        const char *position, *rgb, *name;
    } cases[] = {
        {{0, 0}, 0x0000FF, "X:  0 Y:  0", "R:255 G:  0 B:  0 ", "clRed"},
        {{319, 239}, 0x00C08040, "X:319 Y:239", "R: 64 G:128 B:192 ", "0x00C08040"},
        {{1234, 5}, 0x808080, "X:1234 Y:  5", "R:128 G:128 B:128 ", "clGray"},
        {{3999, 2999}, 0x000001, "X:3999 Y:2999", "R:  1 G:  0 B:  0 ", "0x00000001"}, // darkest that shows
    };
    for (const auto& c : cases) {
        Put(c.at.x(), c.at.y(), c.colour);
        Move(form->Image1, c.at);
        EXPECT_EQ(Panel1(), c.position);
        EXPECT_EQ(Panel2(), c.rgb);
        EXPECT_EQ(Panel3(), c.name);
    }
}

TEST_F(ReadoutTest, BlackAndPointsOutsideTheRasterKeepTheColourPanels)
{
    Put(10, 10, 0x0000FF);
    Move(form->Image1, {10, 10});
    const struct {
        QPoint at;
        const char* position;
    } cases[] = {
        {{11, 10}, "X: 11 Y: 10"},       {{-3, 7}, "X: -3 Y:  7"},       {{4000, 5}, "X:4000 Y:  5"},
        {{5, 3000}, "X:  5 Y:3000"}, {{-100000, 2}, "X:-100000 Y:  2"},
    };
    for (const auto& c : cases) {
        Move(form->Image1, c.at, Qt::RightButton); // a drag that paints nothing
        EXPECT_EQ(Panel1(), c.position);
        EXPECT_EQ(Panel2(), "R:255 G:  0 B:  0 ");
        EXPECT_EQ(Panel3(), "clRed");
    }
}

TEST_F(ReadoutTest, PositionIsThePixelNotTheCell)
{
    form->nStretch = 4;
    form->SetAreaSize(1280, 960);
    Put(5, 9, 0x00FF00);
    Move(form->Image1, {5, 9});
    EXPECT_EQ(Panel1(), "X:  5 Y:  9");
    EXPECT_EQ(Panel2(), "R:  0 G:255 B:  0 ");
    EXPECT_EQ(Panel3(), "clLime");
}

TEST_F(ReadoutTest, PressWritesOnlyThePositionAndADragShowsItsOwnStamp)
{
    Click(form->Image1, {5, 9}, Qt::RightButton);
    EXPECT_EQ(Panel1(), "X:  5 Y:  9");
    EXPECT_EQ(Panel2(), "R:255 G:255 B:255 "); // the text from the form, not a read
    EXPECT_EQ(Panel3(), "$00A0A0A0");

    form->PenColor = 0x00C08040;
    QTest::mousePress(form->Image1, Qt::LeftButton, {}, {100, 100});
    Move(form->Image1, {150, 120}, Qt::LeftButton);
    QTest::mouseRelease(form->Image1, Qt::LeftButton, {}, {150, 120});
    EXPECT_EQ(Panel2(), "R: 64 G:128 B:192 ");
    EXPECT_EQ(Panel3(), "0x00C08040");
}

TEST_F(ReadoutTest, ConfirmedPenDialogPutsTheNameInPanelTwo)
{
    Put(3, 3, 0x0000FF);
    Move(form->Image1, {3, 3});
    dialogs->Colors = {clWhite};
    DoubleClick(form->penimage);
    EXPECT_EQ(Panel2(), "clWhite");
    EXPECT_EQ(Panel3(), "clRed");
}
