// One generation (compute plus show) on a random picture, next to the copy
// that every generation at cell size 1 needs anyway: two 36,000,000-byte memcpys.
#include "life/Sweep.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

Raster RandomPicture()
{
    Raster picture(4000, 3000);
    std::mt19937 random(1);
    for (std::size_t i = 0; i < picture.SizeBytes(); ++i) picture.Bits()[i] = std::uint8_t(random());
    return picture;
}

void Generation(benchmark::State& state)
{
    const int W = int(state.range(0)), H = int(state.range(1)), n = int(state.range(2));
    Raster picture = RandomPicture();
    picture.FrameRect({0, 0, W, H}, clBlack);
    Raster work = picture;
    Sweep sweep;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sweep.Compute(picture, work, W, H, n, Thresholds{}));
        sweep.Show(picture, work, n);
        benchmark::ClobberMemory();
    }
}

void TwoCopies(benchmark::State& state)
{
    std::vector<std::uint8_t> a(36000000, 1), b(36000000, 2);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size());
        benchmark::ClobberMemory();
        std::memcpy(a.data(), b.data(), b.size());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(TwoCopies)->Unit(benchmark::kMillisecond);
BENCHMARK(Generation)
    ->ArgNames({"W", "H", "n"})
    ->Args({4000, 3000, 1})
    ->Args({3200, 2400, 1})
    ->Args({3200, 2400, 2})
    ->Args({3200, 2400, 8})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
