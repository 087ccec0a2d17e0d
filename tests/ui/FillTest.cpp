// Clear and the random fills through the window.
#include "tests/ui/FormFixture.h"

#include <QComboBox>
#include <QTest>
#include <QToolButton>

#include <set>

using FillTest = FormTest;

namespace {

std::set<TColor> ColoursIn(const Raster& r, int W, int H)
{
    std::set<TColor> colours;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) colours.insert(r.Pixel(x, y));
    return colours;
}

} // namespace

TEST_F(FillTest, RandomFillUsesPenAndBackgroundAndIsTheSameAtEveryStart)
{
    form->StatusBar2->SetPanelText(0, "世代:    99 ");
    form->Generation = 99;
    QTest::mouseClick(form->ToolButton13, Qt::LeftButton);
    EXPECT_EQ(form->Generation, 0);
    EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:     0 ");
    const Raster first = form->Picture();
    EXPECT_EQ(ColoursIn(first, 320, 240), (std::set<TColor>{clBlack, clWhite}));
    int white = 0;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) white += first.Pixel(x, y) == clWhite;
    EXPECT_NEAR(white, 38400, 1500);
    EXPECT_EQ(first.Pixel(320, 0), 0u); // outside the area untouched

    // A second window starts the generator at the same place.
    TForm1 another;
    another.ImageRandomExecute();
    EXPECT_TRUE(another.Picture() == first);
    // The next fill continues the sequence.
    form->ImageRandomExecute();
    EXPECT_FALSE(form->Picture() == first);
}

TEST_F(FillTest, BackgroundWhitePenBlackGivesBlackCellsOnWhite)
{
    form->BackColor = clWhite;
    form->PenColor = clBlack;
    form->ImageRandomExecute();
    EXPECT_EQ(ColoursIn(form->Picture(), 320, 240), (std::set<TColor>{clBlack, clWhite}));
    form->ImageClearExecute();
    EXPECT_EQ(ColoursIn(form->Picture(), 320, 240), (std::set<TColor>{clWhite}));
}

TEST_F(FillTest, CellsAtSizeEightAreWholeSquaresOnTheGrid)
{
    form->ComboBox1->setEditText("8");
    form->ImageZoom.Execute();
    ASSERT_EQ(form->nStretch, 8);
    for (auto fill : {&TForm1::ImageRandomExecute, &TForm1::ImageCRandomExecute}) {
        (form.get()->*fill)();
        const Raster& p = form->Picture();
        for (int y = 0; y < 1920; ++y)
            for (int x = 0; x < 2560; ++x) ASSERT_EQ(p.Pixel(x, y), p.Pixel(x - x % 8, y - y % 8)) << x << "," << y;
    }
}

TEST_F(FillTest, ColourFillsInTheSameSecondAgree)
{
    // Retry across a change of second, which is rare but possible.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const auto second = std::time(nullptr);
        form->ImageCRandomExecute();
        const Raster first = form->Picture();
        form->ImageCRandomExecute();
        if (std::time(nullptr) != second) continue;
        EXPECT_TRUE(form->Picture() == first);
        EXPECT_GT(ColoursIn(first, 320, 240).size(), 1000u);
        return;
    }
    ADD_FAILURE() << "clock kept changing";
}

TEST_F(FillTest, AnEmptyAreaPaintsNothingButResetsTheGeneration)
{
    form->SetAreaSize(0, 0);
    form->Generation = 5;
    form->BackColor = clWhite;
    form->ImageClearExecute();
    form->ImageRandomExecute();
    EXPECT_EQ(form->Generation, 0);
    EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:     0 ");
    EXPECT_EQ(form->Picture().Pixel(0, 0), 0u);
}
