// The palette row dump and the key message.
#include "tests/ui/FormFixture.h"

#include "platform/RasterText.h"
#include "platform/StrConv.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

constexpr int H = 12; // the text font's character height
constexpr int Pitch = 18;
constexpr TColor Grey = 0x808080;
const char* const OutOfRange = "スキャンライン のインデックスが範囲を越えました.";

// How "%3d " of a value looks on its own, cut to one column's pitch.
Raster Rendered(int value)
{
    Raster text(Pitch, H);
    TRasterCanvas(text).TextOut(0, 0, FormatInt("%3d ", value));
    return text;
}

// The pitch-wide part of the text at (x, y) of a picture.
Raster CellAt(const Raster& picture, int x, int y)
{
    Raster cell(Pitch, H);
    cell.CopyRect(0, 0, picture, {x, y, x + Pitch, y + H});
    return cell;
}

} // namespace

class DiagnosticsTest : public FormTest {
protected:
    void Dump(std::optional<std::string> answer)
    {
        dialogs->InputAnswers.push_back(std::move(answer));
        Dispatch([&] { form->PaletteDump.Execute(); });
    }
    // Every value of the dumped row in its place: line i, column j holds byte 24 i + j.
    void ExpectRowDumped(int row)
    {
        const std::uint8_t* bytes = form->pallete->Picture().ScanLine(row);
        for (int i = 0; i < 32; ++i)
            for (int j = 0; j < 24; ++j)
                ASSERT_TRUE(CellAt(form->Picture(), Pitch * j, H * i) == Rendered(bytes[24 * i + j]))
                    << "row " << row << ", line " << i << ", column " << j;
    }
    bool HasWhite(int left, int top, int right, int bottom) const
    {
        const Raster& picture = form->Picture();
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (picture.Pixel(x, y) == clWhite) return true;
        return false;
    }
};

TEST_F(DiagnosticsTest, TheTextFontDrawsDistinctWhiteDigits)
{
    EXPECT_EQ(TRasterCanvas::TextHeight(), H);
    const Raster seven = Rendered(7);
    int white = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < Pitch; ++x) {
            const TColor c = seven.Pixel(x, y);
            EXPECT_TRUE(c == clWhite || c == clBlack) << "no blended pixels";
            white += c == clWhite;
        }
    EXPECT_GT(white, 5);
    EXPECT_FALSE(Rendered(1) == Rendered(7));
    EXPECT_FALSE(Rendered(255) == Rendered(25));
}

TEST_F(DiagnosticsTest, RowFourAndTheLastRowAreDumpedInPlace)
{
    Dump("4");
    EXPECT_EQ(dialogs->InputCaptions, std::vector<std::string>{"カラーパレットデータの16進ダンプ"});
    EXPECT_EQ(dialogs->InputPrompts, std::vector<std::string>{"表示する行を入力してください。（0～31）"});
    EXPECT_TRUE(dialogs->Messages.empty());
    // The first row of the red band: pixel p is 0, 0, p.
    EXPECT_TRUE(CellAt(form->Picture(), 5 * Pitch, 0) == Rendered(1));
    EXPECT_TRUE(CellAt(form->Picture(), 2 * Pitch, H) == Rendered(8)) << "line 1, column 2 at (36, 12)";
    EXPECT_TRUE(CellAt(form->Picture(), 414, 372) == Rendered(255)) << "the last value";
    ExpectRowDumped(4);
    Dump("31");
    ExpectRowDumped(31);
    EXPECT_EQ(form->Generation, 0);
}

TEST_F(DiagnosticsTest, AnythingButANumberDumpsRowZero)
{
    for (std::optional<std::string> answer : {std::optional<std::string>("abc"), std::optional<std::string>(""),
                                              std::optional<std::string>(std::nullopt), std::optional<std::string>("4x"),
                                              std::optional<std::string>("99999999999")}) {
        form->Picture().FillRect({0, 0, 4000, 3000}, Grey);
        Dump(answer);
        EXPECT_TRUE(dialogs->Messages.empty()) << answer.value_or("(cancelled)");
        ExpectRowDumped(0);
        EXPECT_TRUE(CellAt(form->Picture(), 0, 0) == Rendered(0));
    }
}

TEST_F(DiagnosticsTest, ARowOutsideTheStripGivesTheErrorAndLeavesOnlyTheFrame)
{
    for (const char* answer : {"32", "-1", "$20", "2147483647", "-2147483648"}) {
        dialogs->Messages.clear();
        form->Picture().FillRect({0, 0, 4000, 3000}, Grey);
        Dump(answer);
        ASSERT_EQ(dialogs->Messages.size(), 1u) << answer;
        EXPECT_EQ(dialogs->Messages[0].Caption, "Pixolen");
        EXPECT_EQ(dialogs->Messages[0].Text, OutOfRange);
        EXPECT_EQ(dialogs->Messages[0].Icon, MessageIcon::Error);
        const Raster& picture = form->Picture();
        for (auto [x, y] : {std::pair{0, 0}, {319, 0}, {0, 239}, {319, 239}, {160, 0}, {160, 239}, {0, 120}, {319, 120}})
            EXPECT_EQ(picture.Pixel(x, y), clBlack) << answer << " frame at " << x << "," << y;
        for (auto [x, y] : {std::pair{1, 1}, {318, 238}, {320, 0}, {0, 240}, {36, 12}})
            EXPECT_EQ(picture.Pixel(x, y), Grey) << answer << " untouched at " << x << "," << y;
        EXPECT_FALSE(HasWhite(0, 0, 440, 390)) << answer;
    }
}

TEST_F(DiagnosticsTest, APictureSmallerThanTheTextBlockIsWrittenOnlyInside)
{
    struct Case { int width, height; };
    for (Case c : {Case{50, 30}, Case{1, 1}, Case{430, 5}}) {
        form->Image1->SetPicture(Raster(c.width, c.height));
        Dump("4");
        ASSERT_EQ(form->Picture().Width(), c.width);
        ASSERT_EQ(form->Picture().Height(), c.height);
        EXPECT_TRUE(dialogs->Messages.empty());
    }
    // What fits is the top-left of the whole block.
    form->Image1->SetPicture(Raster(50, 30));
    Dump("4");
    Raster full(4000, 3000);
    {
        TRasterCanvas canvas(full);
        const std::uint8_t* bytes = form->pallete->Picture().ScanLine(4);
        for (int i = 0; i < 32; ++i)
            for (int j = 0; j < 24; ++j) canvas.TextOut(Pitch * j, H * i, FormatInt("%3d ", bytes[24 * i + j]));
    }
    Raster expected(50, 30);
    expected.CopyRect(0, 0, full, {0, 0, 50, 30});
    expected.FrameRect({0, 0, form->AreaWidth(), form->AreaHeight()}, clBlack);
    EXPECT_TRUE(form->Picture() == expected);
}

TEST_F(DiagnosticsTest, KeysReachingTheWindowItselfShowTheKeyMessage)
{
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    QTest::keyClick(form.get(), Qt::Key_A);
    ASSERT_EQ(dialogs->Messages.size(), 1u);
    EXPECT_EQ(dialogs->Messages[0].Caption, "Key Press");
    EXPECT_EQ(dialogs->Messages[0].Text, "a Was Pressed");
    EXPECT_EQ(dialogs->Messages[0].Icon, MessageIcon::None);
}

TEST_F(DiagnosticsTest, KeysTypedIntoAControlShowNoMessage)
{
    form->activateWindow();
    for (QWidget* control : {static_cast<QWidget*>(form->Edit9), static_cast<QWidget*>(form->SpeedButton1)}) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_A);
        EXPECT_TRUE(dialogs->Messages.empty()) << control->objectName().toStdString();
    }
}
