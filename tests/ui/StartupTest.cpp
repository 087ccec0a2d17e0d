// The window as start-up leaves it, and the size, cell-size and zoom commands.
#include "tests/ui/FormFixture.h"

#include "platform/Paths.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <iostream>
#include <sstream>

using StartupTest = FormTest;

TEST_F(StartupTest, EditorStateAndControlsHaveTheirStartValues)
{
    EXPECT_EQ(form->FileName, "新規ビットマップ.bmp");
    EXPECT_EQ(form->PenColor, 0xFFFFFFu);
    EXPECT_EQ(form->BackColor, 0u);
    EXPECT_EQ(form->PenSize, 4);
    EXPECT_EQ(form->Generation, 0);
    EXPECT_FALSE(form->StopRequest);
    EXPECT_EQ(form->nStretch, 1);
    EXPECT_EQ(form->BaseWidth, 4000);
    EXPECT_EQ(form->BaseHeight, 3000);
    EXPECT_EQ(form->windowTitle(), "Pixolen");

    EXPECT_EQ(form->StatusBar1->PanelText(0), "新規ビットマップ.bmp");
    EXPECT_EQ(form->StatusBar1->Hint(), "新規ビットマップ.bmp");
    const char* labels[5] = {"世代:", "生存:", "赤:", "緑:", "青:"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(form->StatusBar2->PanelText(i), labels[i]);

    EXPECT_FALSE(form->ToolButton11->isEnabled());
    EXPECT_FALSE(form->Break1->isEnabled());
    EXPECT_TRUE(form->ToolButton6->isEnabled());
    EXPECT_TRUE(form->Start1->isEnabled());
    EXPECT_FALSE(form->Option1->isEnabled());

    EXPECT_EQ(Application()->HelpFile, ExtractFilePath(Application()->ExeName()) + "Pixolen.hlp");
}

TEST_F(StartupTest, TheWholeRasterIsBlackAndTheAreaIs320By240)
{
    const Raster& picture = form->Picture();
    ASSERT_EQ(picture.Width(), 4000);
    ASSERT_EQ(picture.Height(), 3000);
    for (std::size_t i = 0; i < picture.SizeBytes(); ++i) ASSERT_EQ(picture.Bits()[i], 0) << i;
    EXPECT_EQ(form->AreaWidth(), 320);
    EXPECT_EQ(form->AreaHeight(), 240);
    EXPECT_EQ(form->Image1->pos(), QPoint(0, 0));
    EXPECT_EQ(form->ListBox1->count(), 7);
    EXPECT_EQ(form->ListBox1->currentRow(), 0);
    EXPECT_EQ(form->ListBox1->item(0)->text(), "0 QVGA  (320x240)");
    EXPECT_EQ(form->ListBox1->item(6)->text(), "6 UXGA  (1600x1200)");
    EXPECT_EQ(form->Edit6->text(), "320");
    EXPECT_EQ(form->Edit7->text(), "240");
    EXPECT_EQ(form->ComboBox1->currentText(), "1");
}

TEST_F(StartupTest, NumberBoxesTakeDigitsOnly)
{
    for (QLineEdit* box : {form->Edit2, form->Edit3, form->Edit4, form->Edit5}) {
        box->clear();
        box->setFocus();
        QTest::keyClicks(box, "1a-2");
        EXPECT_EQ(box->text(), "12") << box->objectName().toStdString();
    }
    form->Edit3->clear();
    QTest::keyClicks(form->Edit3, "12345");
    EXPECT_EQ(form->Edit3->text(), "123");
}

TEST_F(StartupTest, ThreeTogglesNeverShowTwoDown)
{
    EXPECT_TRUE(form->SpeedButton2->isChecked());
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(form->SpeedButton1->isChecked());
    EXPECT_FALSE(form->SpeedButton2->isChecked());
    EXPECT_FALSE(form->SpeedButton3->isChecked());
}

TEST_F(StartupTest, CtrlCInASizeFieldCopiesItsText)
{
    form->Edit6->setFocus();
    form->Edit6->selectAll();
    form->EditCopy1.Execute();
    EXPECT_EQ(QApplication::clipboard()->text(), "320");
}

namespace {

// Captures what a command writes to standard output.
class StdoutCapture {
public:
    StdoutCapture() : old_(std::cout.rdbuf(buffer_.rdbuf())) {}
    ~StdoutCapture() { std::cout.rdbuf(old_); }
    std::string Text() const { return buffer_.str(); }

private:
    std::ostringstream buffer_;
    std::streambuf* old_;
};

const char* const InvalidChoice = "\n選択が不正です! さようなら...";

} // namespace

class AreaTest : public FormTest {
protected:
    void ChooseCellSize(const char* text) { form->ComboBox1->setEditText(text); }
    void SetFields(const char* w, const char* h)
    {
        form->Edit6->setText(w);
        form->Edit7->setText(h);
    }
};

TEST_F(AreaTest, PresetClickFillsTheFieldsAndDoubleClickResizes)
{
    form->ListBox1->setCurrentRow(3);
    EXPECT_EQ(form->Edit6->text(), "1024");
    EXPECT_EQ(form->Edit7->text(), "768");
    EXPECT_EQ(form->AreaWidth(), 320);

    QListWidgetItem* vga = form->ListBox1->item(1);
    const QRect r = form->ListBox1->visualItemRect(vga);
    QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(form->ListBox1->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(form->Edit6->text(), "640");
    EXPECT_EQ(form->AreaWidth(), 640);
    EXPECT_EQ(form->AreaHeight(), 480);
}

TEST_F(AreaTest, NoSelectionWritesTheMessageAndChangesNothing)
{
    StdoutCapture out;
    form->ListBox1->setCurrentRow(-1); // selecting nothing runs the click handler
    EXPECT_EQ(out.Text(), InvalidChoice);
    EXPECT_EQ(form->Edit6->text(), "320");
}

TEST_F(AreaTest, CellSizeChoiceRefillsTheListOnly)
{
    struct Case { const char* text; int count; };
    for (Case c : {Case{"2", 7}, Case{"4", 3}, Case{"8", 1}, Case{"1", 10}}) {
        ChooseCellSize(c.text);
        EXPECT_EQ(form->ListBox1->count(), c.count) << c.text;
        EXPECT_EQ(form->ListBox1->currentRow(), -1);
    }
    EXPECT_EQ(form->nStretch, 1);
    EXPECT_EQ(form->AreaWidth(), 320);
    // An index means the same size in every list.
    ChooseCellSize("4");
    form->ListBox1->setCurrentRow(2);
    EXPECT_EQ(form->Edit6->text(), "800");
    // The resize uses the cell size in force, not the drop-down's.
    form->ImageResize.Execute();
    EXPECT_EQ(form->AreaWidth(), 800);
}

TEST_F(AreaTest, TypedCellSizesOutsideTheItemsKeepTheList)
{
    StdoutCapture out;
    form->ComboBox1->clearEditText();
    QTest::keyClicks(form->ComboBox1, "16");
    EXPECT_EQ(form->ListBox1->count(), 10); // "1" refilled, "16" kept it
    EXPECT_NE(out.Text().find(InvalidChoice), std::string::npos);
}

TEST_F(AreaTest, ZoomScalesThePictureByTheRatioOfAreas)
{
    Raster& picture = form->Picture();
    picture.FillRect({10, 20, 11, 21}, 0x0000FF);
    picture.FillRect({1999, 1499, 2000, 1500}, 0x00FF00);
    ChooseCellSize("2");
    form->ImageZoom.Execute();
    EXPECT_EQ(form->nStretch, 2);
    EXPECT_EQ(form->AreaWidth(), 640);
    EXPECT_EQ(form->AreaHeight(), 480);
    for (auto [x, y] : {std::pair{20, 40}, {21, 40}, {20, 41}, {21, 41}}) EXPECT_EQ(picture.Pixel(x, y), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(22, 40), 0u);
    EXPECT_EQ(picture.Pixel(3999, 2999), 0x00FF00u); // the old 2000 by 1500 fills the Raster

    ChooseCellSize("1");
    picture.FillRect({3000, 2000, 3001, 2001}, 0xFFFFFF);
    form->ImageZoom.Execute();
    EXPECT_EQ(form->AreaWidth(), 320);
    EXPECT_EQ(picture.Pixel(10, 20), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(3000, 2000), 0xFFFFFFu); // outside (0,0)-(2000,1500) kept
}

TEST_F(AreaTest, ZoomWithCellSizeThreeTakesIt)
{
    ChooseCellSize("3");
    form->ImageZoom.Execute();
    EXPECT_EQ(form->nStretch, 3);
    EXPECT_EQ(form->AreaWidth(), 960);
    EXPECT_EQ(form->AreaHeight(), 720);
}

TEST_F(AreaTest, RefusedSizesAndCellSizesChangeNothing)
{
    const Raster before = form->Picture();
    struct Case { const char* cell; const char* w; const char* h; };
    const Case cases[] = {{"0", "320", "240"}, {"-2", "320", "240"}, {"x", "320", "240"}, {"", "320", "240"},
                          {"1", "0", "240"}, {"1", "", "240"}, {"1", "-320", "240"}, {"1", "99999999", "240"}, {"8", "999999999", "240"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.cell) + " " + c.w + " " + c.h);
        StdoutCapture out;
        ChooseCellSize(c.cell);
        SetFields(c.w, c.h);
        form->ImageZoom.Execute();
        form->ImageResize.Execute();
        EXPECT_EQ(form->nStretch, 1);
        EXPECT_EQ(form->AreaWidth(), 320);
        EXPECT_EQ(form->AreaHeight(), 240);
    }
    EXPECT_TRUE(form->Picture() == before);
    // With a cell size of 1 or more the fills still end.
    form->ImageRandom.Execute();
}
