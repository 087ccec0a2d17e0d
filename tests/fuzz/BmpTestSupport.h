#pragma once
// Helpers for the BMP tests: pictures as 0xRRGGBB lists, patched headers, and
// a scratch folder that removes itself.
#include "raster/Raster.h"
#include "tests/fuzz/BmpSamples.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

inline std::vector<std::uint32_t> RgbPixels(const Raster& picture)
{
    std::vector<std::uint32_t> rgb;
    const std::uint8_t* p = picture.Bits();
    for (std::size_t i = 0; i < picture.SizeBytes(); i += 3) rgb.push_back(std::uint32_t(p[i + 2]) << 16 | p[i + 1] << 8 | p[i]);
    return rgb;
}

inline std::vector<std::uint8_t> SampleFile(const std::string& name)
{
    for (auto& sample : bmpsamples::ValidSamples())
        if (sample.name == name) return sample.file;
    ADD_FAILURE() << "no sample " << name;
    return {};
}

inline std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> file, std::size_t offset, std::uint32_t value, int bytes = 4)
{
    for (int i = 0; i < bytes; ++i) file.at(offset + std::size_t(i)) = std::uint8_t(value >> (8 * i));
    return file;
}

inline std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> file, std::size_t length)
{
    file.resize(length);
    return file;
}

inline Raster RandomPicture(int width, int height, unsigned seed)
{
    Raster picture(width, height);
    std::mt19937 random(seed);
    for (std::size_t i = 0; i < picture.SizeBytes(); ++i) picture.Bits()[i] = std::uint8_t(random());
    return picture;
}

inline std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string Utf8(const std::filesystem::path& path)
{
    const auto text = path.u8string();
    return {text.begin(), text.end()};
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("pixolen-bmp-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::vector<std::filesystem::path> Entries() const
    {
        return {std::filesystem::directory_iterator(path_), std::filesystem::directory_iterator()};
    }

private:
    std::filesystem::path path_;
};

// Runs `call` and checks that it throws exactly `Expected` with `message`.
template <class Expected, class Call>
void ExpectError(Call&& call, const std::string& message)
{
    try {
        call();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const Expected& error) {
        EXPECT_EQ(typeid(error), typeid(Expected));
        EXPECT_EQ(error.what(), message);
    } catch (const std::exception& error) {
        ADD_FAILURE() << "wrong error: " << typeid(error).name() << " " << error.what();
    }
}
