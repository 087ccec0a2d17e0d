// Copy, Paste and the screen capture through the window, and the Raster <-> QImage conversion.
#include "tests/ui/FormFixture.h"

#include "platform/RasterImage.h"
#include "platform/Screen.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>

namespace {

const TColor Sentinel = RGB(12, 34, 56);
const TColor Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255), Yellow = RGB(255, 255, 0);

Raster Pattern(int width, int height)
{
    Raster r(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) r.FillRect({x, y, x + 1, y + 1}, RGB(x * 3 + 1, y * 7 + 2, (x ^ y) + 5));
    return r;
}

TColor ColorAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

QClipboard& SystemClipboard() { return *QGuiApplication::clipboard(); }

} // namespace

// ---- Conversion ---------------------------------------------------------

TEST(ClipboardImageTest, RasterBecomesAnIndependent24BitImage)
{
    Raster r = Pattern(7, 3); // 21 bytes a row: QImage pads its rows, we do not
    const QImage image = ImageFromRaster(r);
    ASSERT_EQ(image.size(), QSize(7, 3));
    EXPECT_EQ(image.depth(), 24);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(ColorAt(image, x, y), r.Pixel(x, y)) << x << "," << y;
    const TColor before = ColorAt(image, 0, 0);
    r.FillRect({0, 0, 7, 3}, Red);
    EXPECT_EQ(ColorAt(image, 0, 0), before); // a copy, not a view of our buffer
    EXPECT_TRUE(ImageFromRaster(Raster()).isNull());
}

TEST(ClipboardImageTest, EveryImageFormatGivesTheSameColours)
{
    const TColor colours[] = {clBlack, clWhite, Red, Green, Blue, Yellow};
    QImage source(6, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) {
            const TColor c = colours[(x + y) % 6];
            source.setPixel(x, y, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
        }
    QList<QRgb> table;
    for (TColor c : colours) table << qRgb(RedOf(c), GreenOf(c), BlueOf(c));
    const QImage images[] = {
        source,
        source.convertToFormat(QImage::Format_ARGB32),
        source.convertToFormat(QImage::Format_ARGB32_Premultiplied),
        source.convertToFormat(QImage::Format_RGB888),
        source.convertToFormat(QImage::Format_BGR888),
        source.convertToFormat(QImage::Format_RGB16),
        source.convertToFormat(QImage::Format_Indexed8, table), // colours from the table
    };
    for (const QImage& image : images) {
        SCOPED_TRACE(int(image.format()));
        const Raster r = RasterFromImage(image);
        ASSERT_EQ(r.Width(), 6);
        ASSERT_EQ(r.Height(), 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 6; ++x) EXPECT_EQ(r.Pixel(x, y), colours[(x + y) % 6]) << x << "," << y;
    }
    EXPECT_EQ(RasterFromImage(QImage()).Width(), 0);
}

// ---- Copy and Paste -----------------------------------------------------

using ClipboardTest = FormTest;

TEST_F(ClipboardTest, CopyPutsTheWholeRasterOnTheClipboard)
{
    form->Picture().FillRect({3999, 2999, 4000, 3000}, Red); // far outside the area
    form->Picture().FillRect({0, 0, 1, 1}, Blue);
    SystemClipboard().setText("old");
    form->ImageCopy.Execute();
    EXPECT_TRUE(dialogs->Messages.empty());
    const QMimeData* data = SystemClipboard().mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(data->hasText()); // replaced, not added to
    const QImage image = SystemClipboard().image();
    ASSERT_EQ(image.size(), QSize(4000, 3000));
    EXPECT_EQ(ColorAt(image, 3999, 2999), Red);
    EXPECT_EQ(ColorAt(image, 0, 0), Blue);
    // Painting after the copy does not reach the clipboard.
    form->Picture().FillRect({0, 0, 1, 1}, Green);
    EXPECT_EQ(ColorAt(SystemClipboard().image(), 0, 0), Blue);
}

TEST_F(ClipboardTest, CopyThenPasteGivesThePictureBackAndResetsTheGeneration)
{
    form->Picture().CopyRect(0, 0, Pattern(320, 240), {0, 0, 320, 240});
    form->Picture().FillRect({3990, 2990, 4000, 3000}, Yellow);
    const Raster before = form->Picture();
    form->ImageCopy.Execute();
    form->ImageClearExecute();
    form->Generation = 7;
    form->ShowGenerationText();

    form->ImagePaste.Execute();
    EXPECT_TRUE(dialogs->Messages.empty());
    EXPECT_TRUE(form->Picture() == before);
    EXPECT_EQ(form->Generation, 0);
    EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:     0 ");
    EXPECT_EQ(form->Edit6->text(), "4000");
    EXPECT_EQ(form->Edit7->text(), "3000");
    EXPECT_EQ(form->AreaWidth(), 4000);
    EXPECT_EQ(form->AreaHeight(), 3000);
}

TEST_F(ClipboardTest, PasteTakesTheImageWithItsSizeInPixels)
{
    struct Case {
        int CellSize, Width, Height;
    };
    for (const Case c : {Case{1, 200, 150}, Case{2, 100, 80}}) {
        SCOPED_TRACE(c.CellSize);
        form = std::make_unique<TForm1>();
        if (c.CellSize != 1) {
            form->ComboBox1->setEditText(QString::number(c.CellSize));
            form->ImageZoom.Execute();
        }
        const int row = form->ListBox1->currentRow();
        const char* counts[5] = {"", "生存: 1", "赤: 2", "緑: 3", "青: 4"};
        for (int i = 1; i < 5; ++i) form->StatusBar2->SetPanelText(i, counts[i]);
        form->Generation = 3;
        const Raster pasted = Pattern(c.Width, c.Height);
        SystemClipboard().setImage(ImageFromRaster(pasted).convertToFormat(QImage::Format_ARGB32));

        form->ImagePaste.Execute();
        EXPECT_TRUE(form->Picture() == pasted);
        EXPECT_EQ(form->Edit6->text(), QString::number(c.Width)); // not divided by the cell size
        EXPECT_EQ(form->Edit7->text(), QString::number(c.Height));
        EXPECT_EQ(form->AreaWidth(), c.Width);
        EXPECT_EQ(form->AreaHeight(), c.Height);
        EXPECT_EQ(form->Generation, 0);
        EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:     0 ");
        // What Paste leaves alone.
        for (int i = 1; i < 5; ++i) EXPECT_EQ(form->StatusBar2->PanelText(i), counts[i]);
        EXPECT_EQ(form->nStretch, c.CellSize);
        EXPECT_EQ(form->ComboBox1->currentText(), QString::number(c.CellSize));
        EXPECT_EQ(form->ListBox1->currentRow(), row);
        EXPECT_EQ(form->FileName, "新規ビットマップ.bmp");
        EXPECT_EQ(form->StatusBar1->PanelText(0), "新規ビットマップ.bmp");
        EXPECT_EQ(form->PenColor, clWhite);
        EXPECT_EQ(form->BackColor, clBlack);
    }
}

TEST_F(ClipboardTest, PasteWithoutAnImageChangesNothingSilently)
{
    form->Picture().CopyRect(0, 0, Pattern(320, 240), {0, 0, 320, 240});
    form->Generation = 5;
    form->ShowGenerationText();
    const Raster before = form->Picture();
    for (bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty" : "text");
        if (empty)
            SystemClipboard().clear();
        else
            SystemClipboard().setText("kein Bild");
        form->ImagePaste.Execute();
        EXPECT_TRUE(dialogs->Messages.empty());
        EXPECT_TRUE(form->Picture() == before);
        EXPECT_EQ(form->Edit6->text(), "320");
        EXPECT_EQ(form->AreaWidth(), 320);
        EXPECT_EQ(form->Generation, 5);
        EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:     5 ");
    }
}

// ---- Screen capture -----------------------------------------------------

using ClipboardScreenCaptureTest = FormTest;

// The offscreen platform leaves the screen outside its windows undefined, so
// the content is compared where our own window lies; the rest of the Raster
// must keep its old pixels.
TEST_F(ClipboardScreenCaptureTest, CaptureCopiesTheScreenToTheTopLeftCornerOnly)
{
    for (const int pasteWidth : {0, 200}) { // 0: the start-up Raster
        SCOPED_TRACE(pasteWidth);
        form = std::make_unique<TForm1>();
        form->move(0, 0);
        form->show();
        Application()->ProcessMessages();
        if (pasteWidth) {
            SystemClipboard().setImage(ImageFromRaster(Raster(pasteWidth, 150)));
            form->ImagePaste.Execute();
        }
        form->Picture().FillRect({0, 0, 4000, 3000}, Sentinel);
        form->Generation = 4;
        form->ShowGenerationText();
        const Raster screen = GrabPrimaryScreen();
        if (screen.Width() == 0) GTEST_SKIP() << "this platform gives no screen contents";
        const Raster before = form->Picture();

        form->ImageHC.Execute();
        EXPECT_TRUE(dialogs->Messages.empty());
        const Raster& after = form->Picture();
        ASSERT_EQ(after.Width(), before.Width());
        ASSERT_EQ(after.Height(), before.Height());
        const QRect window = form->geometry(); // the frame around it is not drawn
        int compared = 0;
        for (int y = 0; y < after.Height(); ++y)
            for (int x = 0; x < after.Width(); ++x) {
                if (x >= screen.Width() || y >= screen.Height()) {
                    ASSERT_EQ(after.Pixel(x, y), Sentinel) << x << "," << y;
                } else if (window.contains(x, y)) {
                    ASSERT_EQ(after.Pixel(x, y), screen.Pixel(x, y)) << x << "," << y;
                    ++compared;
                }
            }
        EXPECT_GT(compared, 25000); // most of the copied rectangle, in both cases
        EXPECT_EQ(form->Generation, 4);
        EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:     4 ");
    }
}
