// pixolen-life run as a separate program on files.
#include "io/BmpReader.h"
#include "io/BmpWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LifeCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("pixolen-life-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    Result Run(const std::string& arguments)
    {
        const fs::path out = folder / "stdout", err = folder / "stderr";
        const std::string command = std::string(PIXOLEN_LIFE_COMMAND) + " " + arguments + " >" + out.string() +
                                    " 2>" + err.string();
        const int raw = std::system(command.c_str());
        return {WEXITSTATUS(raw), ReadAll(out), ReadAll(err)};
    }

    std::string Path(const char* name) const { return (folder / name).string(); }

    fs::path folder;
};

} // namespace

TEST_F(LifeCommand, RunsGenerationsOnTheWholePictureAndPrintsTheCounts)
{
    // A green blinker and a red block, value 200.
    Raster picture(12, 10);
    for (int x = 3; x <= 5; ++x) picture.FillRect({x, 4, x + 1, 5}, RGB(0, 200, 0));
    picture.FillRect({8, 2, 10, 4}, RGB(200, 0, 0));
    SaveBmpFile(picture, Path("in.bmp"));

    const Result r = Run(Path("in.bmp") + " " + Path("out.bmp") + " --generations 3");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "7 4 3 0\n");
    const Raster out = LoadBmpFile(Path("out.bmp"));
    ASSERT_EQ(out.Width(), 12);
    EXPECT_EQ(out.Pixel(4, 3), RGB(0, 200, 0)); // upright after an odd number
    EXPECT_EQ(out.Pixel(3, 4), 0u);
    EXPECT_EQ(out.Pixel(9, 3), RGB(200, 0, 0));

    const Result high = Run(Path("in.bmp") + " " + Path("out.bmp") + " --generations 1 --thresholds 255,100,255");
    EXPECT_EQ(high.out, "3 0 3 0\n");
    const Result cells = Run(Path("in.bmp") + " " + Path("out.bmp") + " --generations 1 --cell 2 --thresholds -1,-1,-1");
    EXPECT_EQ(cells.out, "60 20 20 20\n"); // every one of the 5 by 4 computed cells lives
}

TEST_F(LifeCommand, BadArgumentsAndFilesGiveOneLineAndStatusTwo)
{
    SaveBmpFile(Raster(8, 8), Path("in.bmp"));
    std::ofstream(Path("broken.bmp")) << "not a bitmap at all";
    const std::string ok = Path("in.bmp") + " " + Path("out.bmp");
    const std::string cases[] = {
        "",
        ok,
        ok + " --generations",
        ok + " --generations x",
        ok + " --generations -1",
        ok + " --generations 1 --cell 3",
        ok + " --generations 1 --thresholds 1,2",
        ok + " --generations 1 --thresholds 1,2,x",
        ok + " --generations 1 --colour 3",
        Path("missing.bmp") + " " + Path("out.bmp") + " --generations 1",
        Path("broken.bmp") + " " + Path("out.bmp") + " --generations 1",
        Path("in.bmp") + " " + Path("no/such/folder/out.bmp") + " --generations 1",
    };
    for (const std::string& arguments : cases) {
        SCOPED_TRACE(arguments);
        const Result r = Run(arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1); // one line
    }
}
