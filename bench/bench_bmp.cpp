// Save As and Open of the default 4000 x 3000 picture, each next to a plain
// write or read of the same 36,000,054 bytes as one buffer, in a temp folder.
#include "io/BmpReader.h"
#include "io/BmpWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t FileBytes = 36000054;

struct BenchFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("pixolen-bench-bmp-" + std::to_string(std::random_device()()));
    BenchFolder() { std::filesystem::create_directories(path); }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::string File(const char* name) const { return (path / name).string(); }
};

const BenchFolder& Folder()
{
    static const BenchFolder folder;
    return folder;
}

const Raster& Picture()
{
    static const Raster picture = [] {
        Raster p(4000, 3000);
        std::mt19937 random(1);
        for (std::size_t i = 0; i < p.SizeBytes(); i += 4) {
            const std::uint32_t r = random();
            for (std::size_t k = 0; k < 4 && i + k < p.SizeBytes(); ++k) p.Bits()[i + k] = std::uint8_t(r >> (8 * k));
        }
        return p;
    }();
    return picture;
}

void PlainWrite(benchmark::State& state)
{
    const std::vector<char> bytes(FileBytes, 'x');
    const std::string path = Folder().File("plain.bin");
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) state.SkipWithError("write failed");
        if (file) std::fclose(file);
    }
}

void SaveBmp(benchmark::State& state)
{
    const std::string path = Folder().File("saved.bmp");
    for (auto _ : state) SaveBmpFile(Picture(), path);
}

void PlainRead(benchmark::State& state)
{
    const std::string path = Folder().File("plain-read.bin");
    {
        const std::vector<char> bytes(FileBytes, 'x');
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    for (auto _ : state) {
        std::vector<char> bytes(FileBytes);
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file || std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) state.SkipWithError("read failed");
        if (file) std::fclose(file);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void OpenBmp(benchmark::State& state)
{
    const std::string path = Folder().File("open.bmp");
    SaveBmpFile(Picture(), path);
    for (auto _ : state) {
        Raster picture = LoadBmpFile(path);
        benchmark::DoNotOptimize(picture.Bits());
    }
}

} // namespace

BENCHMARK(PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenBmp)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
