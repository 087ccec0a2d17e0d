#include "io/BmpReader.h"
#include "io/BmpWriter.h"
#include "platform/Paths.h"
#include "platform/Exception.h"
#include "tests/fuzz/BmpTestSupport.h"

#include <csignal>
#include <sys/resource.h>

namespace {

std::uint32_t Field(const std::vector<std::uint8_t>& file, std::size_t at)
{
    return std::uint32_t(file[at]) | file[at + 1] << 8 | file[at + 2] << 16 | std::uint32_t(file[at + 3]) << 24;
}

TEST(BmpWriter, WritesTheLayoutByteForByte)
{
    Raster picture(3, 2); // rows of 9 bytes padded to 12
    for (std::size_t i = 0; i < picture.SizeBytes(); ++i) picture.Bits()[i] = std::uint8_t(i + 1);
    std::vector<std::uint8_t> expected{'B', 'M'};
    for (std::uint32_t v : {78u, 0u, 54u, 40u, 3u, 2u}) bmpsamples::Put(expected, v, 4);
    bmpsamples::Put(expected, 1, 2);
    bmpsamples::Put(expected, 24, 2);
    for (std::uint32_t v : {0u, 24u, 0u, 0u, 0u, 0u}) bmpsamples::Put(expected, v, 4);
    // The bottom row first.
    for (std::uint8_t b : {10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0})
        expected.push_back(b);
    EXPECT_EQ(EncodeBmp(picture), expected);
}

TEST(BmpWriter, TheDefaultPictureIs36000054Bytes)
{
    const auto file = EncodeBmp(Raster(4000, 3000));
    ASSERT_EQ(file.size(), 36000054u);
    EXPECT_EQ(Field(file, 2), 36000054u);
    EXPECT_EQ(Field(file, 18), 4000u);
    EXPECT_EQ(Field(file, 22), 3000u);
    EXPECT_EQ(Field(file, 34), 36000000u);
}

TEST(BmpWriter, WhatIsWrittenReadsBackTheSame)
{
    for (int width = 1; width <= 5; ++width) { // every padding
        SCOPED_TRACE(width);
        const Raster picture = RandomPicture(width, 3, unsigned(width));
        EXPECT_EQ(DecodeBmp(EncodeBmp(picture)), picture);
    }
}

class BmpFiles : public ::testing::Test {
protected:
    ScratchFolder folder;
    const Raster picture = RandomPicture(7, 5, 42);
};

TEST_F(BmpFiles, SavesAndLoadsUnderAJapaneseName)
{
    const std::string path = Utf8(folder.Path()) + "/新規ビットマップ 絵.bmp";
    SaveBmpFile(picture, path);
    EXPECT_EQ(FileBytes(PathFromUtf8(path)), EncodeBmp(picture));
    EXPECT_EQ(LoadBmpFile(path), picture);
    EXPECT_EQ(folder.Entries().size(), 1u) << "a temporary file was left behind";
}

TEST_F(BmpFiles, ALargePictureIsWrittenWhole)
{
    const Raster large = RandomPicture(1001, 1500, 3); // padded rows, over 4 MiB: a second, partial write block
    const std::string path = Utf8(folder.Path() / "large.bmp");
    SaveBmpFile(large, path);
    EXPECT_EQ(FileBytes(path), EncodeBmp(large));
}

TEST_F(BmpFiles, ReplacesAnExistingFile)
{
    const std::string path = Utf8(folder.Path() / "old.bmp");
    SaveBmpFile(RandomPicture(40, 40, 1), path);
    SaveBmpFile(picture, path);
    EXPECT_EQ(LoadBmpFile(path), picture);
    EXPECT_EQ(folder.Entries().size(), 1u);
}

TEST_F(BmpFiles, AFileThatCannotBeCreatedNamesItself)
{
    const std::string missing = Utf8(folder.Path() / "無い" / "a.bmp");
    ExpectError<EFCreateError>([&] { SaveBmpFile(picture, missing); }, "ファイル " + missing + " を作成できません");
    const std::string aFolder = Utf8(folder.Path() / "folder");
    std::filesystem::create_directory(aFolder);
    ExpectError<EFCreateError>([&] { SaveBmpFile(picture, aFolder); }, "ファイル " + aFolder + " を作成できません");
    EXPECT_TRUE(std::filesystem::is_directory(aFolder));
    EXPECT_EQ(folder.Entries().size(), 1u);
}

// A file size limit makes the write fail half-way, as a full disk would.
TEST_F(BmpFiles, AFailedWriteKeepsTheOldFile)
{
    const auto path = folder.Path() / "keep.bmp";
    SaveBmpFile(picture, Utf8(path));
    const auto old = FileBytes(path);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectError<EWriteError>([&] { SaveBmpFile(RandomPicture(100, 100, 2), Utf8(path)); }, Messages::StreamWrite);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(folder.Entries().size(), 1u) << "the temporary file was left behind";
}

TEST_F(BmpFiles, AFileThatCannotBeOpenedNamesItself)
{
    const std::string missing = Utf8(folder.Path() / "無い.bmp");
    ExpectError<EFOpenError>([&] { LoadBmpFile(missing); }, "ファイル " + missing + " は開けません");
    const std::string aFolder = Utf8(folder.Path());
    ExpectError<EFOpenError>([&] { LoadBmpFile(aFolder); }, "ファイル " + aFolder + " は開けません");
}

TEST_F(BmpFiles, LoadingGivesTheReadersErrors)
{
    const auto path = folder.Path() / "empty.bmp";
    std::ofstream(path).close();
    ExpectError<EReadError>([&] { LoadBmpFile(Utf8(path)); }, Messages::StreamRead);
    std::ofstream(path, std::ios::binary) << "BA" << std::string(60, '\0');
    ExpectError<EInvalidGraphic>([&] { LoadBmpFile(Utf8(path)); }, Messages::InvalidBitmap);
    auto cut = EncodeBmp(picture);
    cut.pop_back();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(cut.data()), std::streamsize(cut.size()));
    ExpectError<EReadError>([&] { LoadBmpFile(Utf8(path)); }, Messages::StreamRead);
}

TEST_F(BmpFiles, LoadsEveryFormFromAFile)
{
    const auto path = folder.Path() / "form.bmp";
    for (const auto& sample : bmpsamples::ValidSamples()) {
        SCOPED_TRACE(sample.name);
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(sample.file.data()), std::streamsize(sample.file.size()));
        EXPECT_EQ(LoadBmpFile(Utf8(path)), DecodeBmp(sample.file));
    }
}

} // namespace
