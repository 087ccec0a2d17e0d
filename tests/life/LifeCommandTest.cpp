// pixolen-life run as a separate program on files.
#include "io/BmpReader.h"
#include "io/BmpWriter.h"

#include "tests/CommandRunner.h"

#include <fstream>

class LifeCommand : public CommandTest {
protected:
    LifeCommand() : CommandTest(PIXOLEN_LIFE_COMMAND) {}
};

TEST_F(LifeCommand, RunsGenerationsOnTheWholePictureAndPrintsTheCounts)
{
    // A green blinker and a red block, value 200.
    Raster picture(12, 10);
    for (int x = 3; x <= 5; ++x) picture.FillRect({x, 4, x + 1, 5}, RGB(0, 200, 0));
    picture.FillRect({8, 2, 10, 4}, RGB(200, 0, 0));
    SaveBmpFile(picture, Path("in.bmp"));

    const CommandResult r = Run(Path("in.bmp") + " " + Path("out.bmp") + " --generations 3");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "7 4 3 0\n");
    const Raster out = LoadBmpFile(Path("out.bmp"));
    ASSERT_EQ(out.Width(), 12);
    EXPECT_EQ(out.Pixel(4, 3), RGB(0, 200, 0)); // upright after an odd number
    EXPECT_EQ(out.Pixel(3, 4), 0u);
    EXPECT_EQ(out.Pixel(9, 3), RGB(200, 0, 0));

    const CommandResult high = Run(Path("in.bmp") + " " + Path("out.bmp") + " --generations 1 --thresholds 255,100,255");
    EXPECT_EQ(high.out, "3 0 3 0\n");
    const CommandResult cells = Run(Path("in.bmp") + " " + Path("out.bmp") + " --generations 1 --cell 2 --thresholds -1,-1,-1");
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
        ExpectOneLineFailure(Run(arguments));
    }
}
