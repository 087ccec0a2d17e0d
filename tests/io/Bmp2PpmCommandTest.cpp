// pixolen-bmp2ppm run as a separate program on files.
#include "io/BmpWriter.h"
#include "tests/CommandRunner.h"

#include <fstream>

class Bmp2PpmCommand : public CommandTest {
protected:
    Bmp2PpmCommand() : CommandTest(PIXOLEN_BMP2PPM_COMMAND) {}
};

TEST_F(Bmp2PpmCommand, WritesTheDecodedPictureAsBinaryPpm)
{
    Raster picture(3, 2);
    picture.FillRect({0, 0, 1, 1}, 0x00C08040); // red 0x40, green 0x80, blue 0xC0
    picture.FillRect({2, 1, 3, 2}, clWhite);
    SaveBmpFile(picture, Path("in.bmp"));
    const CommandResult r = Run(Path("in.bmp") + " " + Path("out.ppm"));
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string ppm = ReadWholeFile(Path("out.ppm"));
    const std::string header = "P6\n3 2\n255\n";
    ASSERT_EQ(ppm.size(), header.size() + 18);
    EXPECT_EQ(ppm.substr(0, header.size()), header);
    EXPECT_EQ(ppm.substr(header.size(), 3), "\x40\x80\xC0"); // red, green, blue
    EXPECT_EQ(ppm.substr(header.size() + 15, 3), "\xFF\xFF\xFF");
}

TEST_F(Bmp2PpmCommand, BadFilesGiveTheReadersMessage)
{
    std::ofstream(Path("text.bmp")) << "this file is plain text, not a bitmap";
    std::ofstream(Path("empty.bmp"));
    SaveBmpFile(Raster(2, 2), Path("in.bmp"));
    struct Case { std::string arguments; const char* message; };
    const Case cases[] = {
        {"", nullptr},
        {Path("in.bmp"), nullptr},
        {Path("missing.bmp") + " " + Path("out.ppm"), "は開けません"},
        {Path("text.bmp") + " " + Path("out.ppm"), "ビットマップイメージが不正です"},
        {Path("empty.bmp") + " " + Path("out.ppm"), "ストリームからの読み込みエラー"},
        {Path("in.bmp") + " " + Path("no/folder/out.ppm"), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CommandResult r = Run(c.arguments);
        ExpectOneLineFailure(r);
        if (c.message) EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}
