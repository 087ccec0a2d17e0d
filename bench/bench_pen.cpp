// The pen at its largest sizes: the bare stamp and a drag through the real
// window, next to a memset of the same bytes.
#include "app/Unit1.h"
#include "platform/Application.h"
#include "tools/PenStamp.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include "bench/WindowBenchmarks.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

// Pen size and cell size of each case: 64 x 8 = 512 pixels square, 20 x 8 = 160.
void PenCases(benchmark::internal::Benchmark* b)
{
    b->Args({64, 8})->Args({20, 8})->Args({4, 1});
}

std::size_t StampBytes(const benchmark::State& state)
{
    const std::size_t side = std::size_t(state.range(0) * state.range(1));
    return side * side * 3;
}

// The floor: the same number of bytes written in one piece.
void Memset(benchmark::State& state)
{
    std::vector<std::uint8_t> bytes(StampBytes(state));
    std::uint8_t value = 0;
    for (auto _ : state) {
        std::memset(bytes.data(), ++value, bytes.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes.size()));
}

// The same rows written with memset where the stamp lies: the floor for a
// stamp into the big picture, whose rows are 12000 bytes apart.
void RowMemset(benchmark::State& state)
{
    Raster picture(4000, 3000);
    int i = 0;
    for (auto _ : state) {
        ++i;
        const Rect r = PenStampRect((i * 37) % 3200, (i * 23) % 2400, int(state.range(0)), int(state.range(1)),
                                    picture.Width(), picture.Height());
        for (int y = r.Top; y < r.Bottom; ++y)
            std::memset(picture.ScanLine(y) + std::size_t(r.Left) * 3, i & 0xFF, std::size_t(r.Right - r.Left) * 3);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * StampBytes(state)));
}

// The stamp into the 4000 by 3000 picture; a grey pen takes the memset path,
// any other colour the row-copy path. The colour changes on every stamp, in
// its own kind, so each stamp writes all its bytes.
void Stamp(benchmark::State& state, TColor colour)
{
    Raster picture(4000, 3000);
    const int pen = int(state.range(0)), cell = int(state.range(1));
    int i = 0;
    for (auto _ : state) {
        ++i;
        benchmark::DoNotOptimize(StampPen(picture, (i * 37) % 3200, (i * 23) % 2400, pen, cell, colour ^ (i & 1 ? 0x010101 : 0)));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * StampBytes(state)));
}

// A left-button drag over the whole 3200 by 2400 area through the window:
// the move event, the stamp, the read-outs and the repaint request.
void WindowDrag(benchmark::State& state, bool wholeRepaint)
{
    TForm1 form;
    form.show();
    form.Edit9->setText(QString::number(state.range(0)));
    form.nStretch = int(state.range(1));
    form.SetAreaSize(3200, 2400);
    form.PenColor = 0x00C08040;
    Application()->ProcessMessages();
    int i = 0;
    for (auto _ : state) {
        ++i;
        const QPoint at((i * 37) % 3200, (i * 23) % 2400);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.Image1, &move);
        if (wholeRepaint) form.Image1->update(); // what repainting the whole surface would cost
        // Let the repaint of the stamped square through, as the message loop would.
        Application()->ProcessMessages();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * StampBytes(state)));
}

} // namespace

BENCHMARK(Memset)->Apply(PenCases);
BENCHMARK(RowMemset)->Apply(PenCases);
BENCHMARK_CAPTURE(Stamp, grey, TColor(0xFFFFFF))->Apply(PenCases);
BENCHMARK_CAPTURE(Stamp, colour, TColor(0xC08040))->Apply(PenCases);
BENCHMARK_CAPTURE(WindowDrag, stamped_square, false)->Apply(PenCases);
BENCHMARK_CAPTURE(WindowDrag, whole_surface, true)->Apply(PenCases);

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv);
}
