// The palette strip through its control: picking the pen colour and the
// read-outs of the strip.
#include "tests/ui/FormFixture.h"
#include "tests/ui/PenPointer.h"

class PaletteTest : public FormTest {
protected:
    std::string Panel(int i) const { return form->StatusBar1->PanelText(i); }
    const Raster& PenSwatch() const { return std::as_const(*form->penimage).Picture(); }
};

TEST_F(PaletteTest, StripIsBuiltAtStartInItsControl)
{
    const Raster& strip = std::as_const(*form->pallete).Picture();
    ASSERT_EQ(strip.Width(), 256);
    ASSERT_EQ(strip.Height(), 32);
    EXPECT_EQ(strip.Pixel(255, 31), clWhite);
    EXPECT_EQ(strip.Pixel(128, 7), 0x000080u);
    EXPECT_EQ(strip.Pixel(128, 8), 0x800000u);
}

TEST_F(PaletteTest, PressPicksThePenColourWithAnyButton)
{
    const struct {
        QPoint at;
        Qt::MouseButton button;
        TColor colour;
        const char* rgb;
    } cases[] = {
        {{128, 5}, Qt::LeftButton, 0x000080, "R:128 G:  0 B:  0 "},
        {{255, 28}, Qt::LeftButton, 0xFFFFFF, "R:255 G:255 B:255 "},
        {{200, 10}, Qt::RightButton, 0xC80000, "R:  0 G:  0 B:200 "},
        {{1, 4}, Qt::MiddleButton, 0x000001, "R:  1 G:  0 B:  0 "},
        {{1, 3}, Qt::LeftButton, 0x000000, "R:  0 G:  0 B:  0 "}, // the band above is black
        {{0, 31}, Qt::LeftButton, 0x000000, "R:  0 G:  0 B:  0 "},
        {{255, 16}, Qt::LeftButton, 0x00FF00, "R:  0 G:255 B:  0 "},
    };
    const std::string panel1 = Panel(1), panel3 = Panel(3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rgb);
        form->penimage->resize(25, 26);
        Click(form->pallete, c.at, c.button);
        EXPECT_EQ(form->PenColor, c.colour);
        EXPECT_EQ(Panel(2), c.rgb);
        EXPECT_EQ(form->penimage->size(), QSize(5, 5));
        EXPECT_EQ(PenSwatch().Pixel(3, 3), c.colour);
    }
    EXPECT_EQ(Panel(1), panel1);
    EXPECT_EQ(Panel(3), panel3);
}

TEST_F(PaletteTest, MovesDownTheColumnsShowTheBandNames)
{
    const struct {
        int column;
        std::vector<std::string> names;
    } cases[] = {
        {128, {"clBlack", "clMaroon", "clNavy", "clPurple", "clGreen", "clOlive", "clTeal", "clGray"}},
        {255, {"clBlack", "clRed", "clBlue", "clFuchsia", "clLime", "clYellow", "clAqua", "clWhite"}},
        {192, {"clBlack", "0x000000C0", "0x00C00000", "0x00C000C0", "0x0000C000", "0x0000C0C0", "0x00C0C000",
               "clSilver"}},
    };
    for (const auto& c : cases)
        for (int band = 0; band < 8; ++band) {
            Move(form->pallete, {c.column, 4 * band + band % 4}); // a different row of each band
            EXPECT_EQ(Panel(3), c.names[band]) << c.column << " band " << band;
        }
    Move(form->pallete, {128, 5});
    EXPECT_EQ(Panel(2), "R:128 G:  0 B:  0 ");
    EXPECT_EQ(Panel(3), "clMaroon");
    EXPECT_EQ(form->PenColor, clWhite); // no button held
    EXPECT_EQ(PenSwatch().Pixel(0, 0), clWhite);
}

TEST_F(PaletteTest, OnlyALeftDragTakesTheColourAndKeepsTheSwatchSize)
{
    Move(form->pallete, {64, 6}, Qt::RightButton);
    EXPECT_EQ(Panel(3), "0x00000040");
    EXPECT_EQ(form->PenColor, clWhite);

    form->penimage->resize(9, 9);
    QTest::mousePress(form->pallete, Qt::LeftButton, {}, {10, 30});
    EXPECT_EQ(form->penimage->size(), QSize(5, 5));
    form->penimage->resize(9, 9); // the drag must not resize it again
    Move(form->pallete, {255, 4}, Qt::LeftButton);
    EXPECT_EQ(form->PenColor, 0x0000FFu);
    EXPECT_EQ(PenSwatch().Pixel(3, 3), 0x0000FFu);
    EXPECT_EQ(form->penimage->size(), QSize(9, 9));

    // Dragged off the strip: nothing is read and nothing changes.
    for (QPoint at : {QPoint(-1, 5), QPoint(256, 5), QPoint(10, 32), QPoint(10, -1), QPoint(-100000, 100000)}) {
        Move(form->pallete, at, Qt::LeftButton);
        EXPECT_EQ(form->PenColor, 0x0000FFu);
        EXPECT_EQ(Panel(2), "R:255 G:  0 B:  0 ");
        EXPECT_EQ(Panel(3), "clRed");
    }
    QTest::mouseRelease(form->pallete, Qt::LeftButton, {}, {10, 30});
}
