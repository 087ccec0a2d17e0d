// A run of 100 generations through the real window (sweep, read-outs,
// repaint, message dispatch), next to the bare sweep of the same area.
#include "app/Unit1.h"
#include "life/Sweep.h"
#include "platform/Application.h"

#include <QLineEdit>

#include "bench/WindowBenchmarks.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Generations = 100;

void RandomPicture(Raster& picture, int W, int H)
{
    std::uint32_t state = 12345;
    for (int y = 0; y < H; ++y) {
        std::uint8_t* row = picture.ScanLine(y);
        for (int i = 0; i < W * 3; ++i) {
            state = state * 1664525u + 1013904223u;
            row[i] = std::uint8_t(state >> 24);
        }
    }
}

void WindowRun(benchmark::State& state)
{
    const int W = int(state.range(0)), H = int(state.range(1));
    TForm1 form;
    form.show();
    form.SetAreaSize(W, H);
    form.Edit2->setText(QString::number(Generations));
    for (auto _ : state) {
        state.PauseTiming();
        RandomPicture(form.Picture(), W, H);
        state.ResumeTiming();
        form.LifeStartExecute();
    }
    state.counters["generations/s"] =
        benchmark::Counter(double(Generations) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BareSweep(benchmark::State& state)
{
    const int W = int(state.range(0)), H = int(state.range(1));
    Raster picture(4000, 3000);
    for (auto _ : state) {
        state.PauseTiming();
        RandomPicture(picture, W, H);
        picture.FrameRect({0, 0, W, H}, clBlack);
        Raster work = picture;
        Sweep sweep;
        state.ResumeTiming();
        for (int g = 0; g < Generations; ++g) {
            benchmark::DoNotOptimize(sweep.Compute(picture, work, W, H, 1, Thresholds{}));
            sweep.Show(picture, work, 1);
        }
    }
    state.counters["generations/s"] =
        benchmark::Counter(double(Generations) * double(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BareSweep)->Args({320, 240})->Args({1600, 1200})->Unit(benchmark::kMillisecond);
BENCHMARK(WindowRun)->Args({320, 240})->Args({1600, 1200})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv);
}
