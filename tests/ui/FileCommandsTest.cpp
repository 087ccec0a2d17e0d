// New, Open, Save and Save As through the window, with files in a temporary folder.
#include "tests/ui/FormFixture.h"

#include "io/BmpReader.h"
#include "io/BmpWriter.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string DefaultName = "新規ビットマップ.bmp";
const TColor Sentinel = RGB(12, 34, 56);
const TColor Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255);

void SetPixelBytes(Raster& r, int x, int y, TColor c)
{
    std::uint8_t* p = r.Bits() + std::size_t(y) * r.Stride() + std::size_t(x) * 3;
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
}

// Every pixel tells where it came from.
Raster Pattern(int width, int height)
{
    Raster r(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixelBytes(r, x, y, RGB(x * 7 + 1, y * 5 + 2, (x ^ y) + 3));
    return r;
}

std::vector<std::string> FilesIn(const QTemporaryDir& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::u8path(dir.path().toStdString())))
        names.push_back(entry.path().filename().string());
    return names;
}

std::uintmax_t SizeOf(const std::string& path) { return fs::file_size(fs::u8path(path)); }

std::uint32_t Read32(const std::vector<char>& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

} // namespace

class FileCommandsTest : public FormTest {
protected:
    std::string Path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }

    void WriteBytes(const std::string& path, const std::string& bytes) const
    {
        std::ofstream(fs::u8path(path), std::ios::binary) << bytes;
    }

    void FillWholePicture(TColor c) { form->Picture().FillRect({0, 0, 4000, 3000}, c); }

    // Chooses `path` in the open dialog and runs Open as the menu does.
    void Open(const std::string& path)
    {
        dialogs->OpenNames.push_back(path);
        form->FileOpen.Execute();
    }
    void SaveAs(const std::string& path)
    {
        dialogs->SaveNames.push_back(path);
        form->FileSaveAs.Execute();
    }

    void ExpectFileNameShown(const std::string& name)
    {
        EXPECT_EQ(form->FileName, name);
        EXPECT_EQ(form->StatusBar1->PanelText(0), name);
        EXPECT_EQ(form->StatusBar1->Hint(), name);
    }

    QTemporaryDir dir;
};

struct PlacementCase {
    const char* Name;
    int CellSize, FileWidth, FileHeight;
    int X0, Y0, CopyWidth, CopyHeight;
};

TEST_F(FileCommandsTest, OpenCentresOrCutsEachAxisAndTouchesNothingElse)
{
    const PlacementCase cases[] = {
        {"exact size", 1, 320, 240, 0, 0, 320, 240},
        {"one narrower", 1, 319, 240, 0, 0, 319, 240},
        {"three narrower", 1, 317, 240, 1, 0, 317, 240},
        {"one pixel", 1, 1, 1, 159, 119, 1, 1},
        {"larger both ways", 1, 330, 250, 0, 0, 320, 240},
        {"centred across, cut down", 1, 100, 500, 110, 0, 100, 240},
        {"pixels, not cells", 2, 5, 5, 317, 237, 5, 5},
        {"larger than the Raster", 1, 4001, 3001, 0, 0, 320, 240},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.CellSize != form->nStretch) {
            form->ComboBox1->setEditText(QString::number(c.CellSize));
            form->ImageZoom.Execute();
            ASSERT_EQ(form->AreaWidth(), 320 * c.CellSize);
        }
        form->Generation = 42;
        form->ShowGenerationText();
        FillWholePicture(Sentinel);
        const Raster file = Pattern(c.FileWidth, c.FileHeight);
        const std::string path = Path("placement.bmp");
        SaveBmpFile(file, path);

        Open(path);

        Raster expected(4000, 3000);
        expected.FillRect({0, 0, 4000, 3000}, Sentinel);
        for (int y = 0; y < c.CopyHeight; ++y)
            for (int x = 0; x < c.CopyWidth; ++x) SetPixelBytes(expected, c.X0 + x, c.Y0 + y, file.Pixel(x, y));
        EXPECT_TRUE(form->Picture() == expected);
        EXPECT_TRUE(dialogs->Messages.empty());
        ExpectFileNameShown(path);
        // Open leaves the run state and the area alone.
        EXPECT_EQ(form->Generation, 42);
        EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:    42 ");
        EXPECT_EQ(form->AreaWidth(), 320 * c.CellSize);
        EXPECT_EQ(form->AreaHeight(), 240 * c.CellSize);
        EXPECT_EQ(form->Edit6->text(), "320");
        EXPECT_EQ(form->nStretch, c.CellSize);
    }
}

TEST_F(FileCommandsTest, OpenDialogHasItsSettings)
{
    form->FileOpen.Execute(); // cancelled
    ASSERT_EQ(dialogs->OpenRequests.size(), 1u);
    const FileDialogSettings& s = dialogs->OpenRequests[0];
    EXPECT_EQ(s.Title, "ファイルを開く");
    EXPECT_EQ(s.Filter, "テキストファイル|*.bmp|すべてのファイル|*.*");
    EXPECT_EQ(s.DefaultExt, "bmp");
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing)
{
    FillWholePicture(Sentinel);
    const Raster before = form->Picture();
    form->FileOpen.Execute();
    EXPECT_TRUE(form->Picture() == before);
    ExpectFileNameShown(DefaultName);
    EXPECT_TRUE(dialogs->Messages.empty());
}

TEST_F(FileCommandsTest, FailedOpenReportsNamesTheFileAndKeepsThePicture)
{
    struct Case {
        const char* Name;
        const char* Contents; // nullptr: no such file
        std::string Message;
    };
    const std::string missing = Path("無い.bmp");
    const Case cases[] = {
        {"無い.bmp", nullptr, "ファイル " + missing + " は開けません."},
        {"text.bmp", "just some text, not a picture", "ビットマップイメージが不正です."},
        {"empty.bmp", "", "ストリームからの読み込みエラー."},
        {"short.bmp", "BM\x10\x00\x00\x00", "ストリームからの読み込みエラー."},
    };
    FillWholePicture(Sentinel);
    const Raster before = form->Picture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = Path(c.Name);
        if (c.Contents) WriteBytes(path, c.Contents);
        dialogs->Messages.clear();
        Open(path);
        ASSERT_EQ(dialogs->Messages.size(), 1u);
        EXPECT_EQ(dialogs->Messages[0].Caption, "Pixolen");
        EXPECT_EQ(dialogs->Messages[0].Icon, MessageIcon::Error);
        EXPECT_EQ(dialogs->Messages[0].Text, c.Message);
        EXPECT_TRUE(form->Picture() == before);
        ExpectFileNameShown(path); // named before it was read
    }
}

TEST_F(FileCommandsTest, SaveWithTheDefaultNameAsksForOneAtStartAndAfterNew)
{
    const bool defaultExisted = fs::exists(fs::u8path(DefaultName));
    form->FileSave.Execute(); // cancelled
    SaveAs(Path("a.bmp"));
    form->FileNew.Execute();
    form->FileSave.Execute(); // cancelled again
    ASSERT_EQ(dialogs->SaveRequests.size(), 3u);
    for (int i : {0, 2}) {
        EXPECT_EQ(dialogs->SaveRequests[i].FileName, DefaultName);
        EXPECT_EQ(dialogs->SaveRequests[i].InitialDir, "");
    }
    ExpectFileNameShown(DefaultName);
    // Cancelling writes nothing, not even under the default name.
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"a.bmp"});
    EXPECT_EQ(fs::exists(fs::u8path(DefaultName)), defaultExisted);
}

TEST_F(FileCommandsTest, SaveAsWritesTheWholeRasterAndStartsTheNextDialogThere)
{
    const std::string path = Path("絵 その1.bmp");
    SaveAs(path);
    ExpectFileNameShown(path);
    ASSERT_EQ(SizeOf(path), 36'000'054u); // the whole Raster, however small the area
    std::vector<char> bytes(54);
    std::ifstream(fs::u8path(path), std::ios::binary).read(bytes.data(), 54);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Read32(bytes, 18), 4000u);
    EXPECT_EQ(Read32(bytes, 22), 3000u);

    form->FileSaveAs.Execute(); // cancelled
    ASSERT_EQ(dialogs->SaveRequests.size(), 2u);
    EXPECT_EQ(dialogs->SaveRequests[1].FileName, path);
    EXPECT_EQ(dialogs->SaveRequests[1].InitialDir, dir.path().toStdString() + "/");
    ExpectFileNameShown(path);
}

TEST_F(FileCommandsTest, SaveWithAChosenNameWritesThereWithoutAsking)
{
    const std::string path = Path("picture.bmp");
    SaveAs(path);
    form->Picture().FillRect({10, 20, 30, 40}, Red);
    form->FileSave.Execute();
    EXPECT_EQ(dialogs->SaveRequests.size(), 1u);
    EXPECT_TRUE(dialogs->Messages.empty());
    EXPECT_TRUE(LoadBmpFile(path) == form->Picture());
}

TEST_F(FileCommandsTest, SaveAsIntoAMissingFolderReportsAndKeepsTheName)
{
    const std::string path = Path("無いフォルダ/a.bmp");
    SaveAs(path);
    EXPECT_EQ(dialogs->LastMessage(), "ファイル " + path + " を作成できません.");
    ExpectFileNameShown(path);
}

TEST_F(FileCommandsTest, SavedPictureOpensAgainPixelForPixel)
{
    const Raster painted = Pattern(320, 240);
    form->Picture().CopyRect(0, 0, painted, {0, 0, 320, 240});
    const Raster before = form->Picture();
    const std::string path = Path("往復.bmp");
    SaveAs(path);
    form->FileNew.Execute();
    ASSERT_FALSE(form->Picture() == before);
    Open(path);
    EXPECT_TRUE(dialogs->Messages.empty());
    EXPECT_TRUE(form->Picture() == before);
}

TEST_F(FileCommandsTest, NewClearsTheAreaResetsTheNameAndKeepsTheRasterSize)
{
    SaveAs(Path("x.bmp"));
    QGuiApplication::clipboard()->setImage(QImage(200, 150, QImage::Format_RGB32));
    form->ImagePaste.Execute();
    ASSERT_EQ(form->Picture().Width(), 200);
    form->Picture().FillRect({0, 0, 200, 150}, Red);
    form->BackColor = Blue;
    form->Generation = 9;

    form->FileNew.Execute();
    ExpectFileNameShown(DefaultName);
    Raster expected(200, 150);
    expected.FillRect({0, 0, 200, 150}, Blue);
    EXPECT_TRUE(form->Picture() == expected);
    EXPECT_EQ(form->Generation, 0);
    EXPECT_EQ(form->StatusBar2->PanelText(0), "世代:     0 ");
}
