#include "life/Sweep.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// One row at cell size 1, over the bytes [begin, end) of the row: every byte
// is one channel of one cell, its neighbours are the bytes 3 apart in the same
// row and in the rows above and below. Branch-free so that g++ vectorises it;
// the AVX2 clone is chosen at run time where the processor has it. `above`
// holds each byte's threshold clamped to 0..254 (moved down by 128); `valid` is 0 for a channel
// whose threshold lets nothing or everything live, where every new value is 0.
__attribute__((target_clones("avx2", "default")))
void PixelRow(const std::uint8_t* __restrict up, const std::uint8_t* __restrict mid,
              const std::uint8_t* __restrict down, std::uint8_t* __restrict out,
              const std::int8_t* __restrict above, const std::uint8_t* __restrict valid,
              std::uint8_t* __restrict alive, int begin, int end)
{
    // v > t on bytes, as a signed compare of both moved down by 128, which
    // the processor does in one step; `above` holds t already moved.
    auto live = [](std::uint8_t v, std::int8_t t) {
        return std::uint8_t(-(std::int8_t(v ^ 0x80) > t));
    };
    for (int i = begin; i < end; ++i) {
        const std::int8_t t = above[i];
        const std::uint8_t v0 = up[i - 3], v1 = up[i], v2 = up[i + 3];
        const std::uint8_t v3 = mid[i - 3], v4 = mid[i + 3];
        const std::uint8_t v5 = down[i - 3], v6 = down[i], v7 = down[i + 3];
        // 0xFF where the neighbour is alive, so the sum is minus the count.
        const std::uint8_t m0 = live(v0, t), m1 = live(v1, t), m2 = live(v2, t), m3 = live(v3, t);
        const std::uint8_t m4 = live(v4, t), m5 = live(v5, t), m6 = live(v6, t), m7 = live(v7, t);
        const std::uint8_t count = std::uint8_t(-(m0 + m1 + m2 + m3 + m4 + m5 + m6 + m7));
        const std::uint8_t x = std::uint8_t((v0 & m0) ^ (v1 & m1) ^ (v2 & m2) ^ (v3 & m3) ^ (v4 & m4) ^ (v5 & m5) ^
                                            (v6 & m6) ^ (v7 & m7));
        const std::uint8_t keep = std::uint8_t(-(count == 2));
        const std::uint8_t born = std::uint8_t(-(count == 3));
        const std::uint8_t value = std::uint8_t(((mid[i] & keep) | (x & born)) & valid[i]);
        out[i] = value;
        alive[i] = std::uint8_t(alive[i] - live(value, t));
    }
}

void CopyBack(Raster& picture, const Raster& work, int row, int begin, int end)
{
    std::memcpy(picture.ScanLine(row) + begin, work.ScanLine(row) + begin, std::size_t(end - begin));
}

// Counts per channel byte (0 blue, 1 green, 2 red); a cell alive in all three counts three times.
Population CountsOf(const long long (&living)[3])
{
    Population counts;
    counts.Blue = int(living[0]);
    counts.Green = int(living[1]);
    counts.Red = int(living[2]);
    counts.Total = counts.Red + counts.Green + counts.Blue;
    return counts;
}

int ThresholdOf(const Thresholds& t, int channelByte)
{
    return channelByte == 0 ? t.Blue : channelByte == 1 ? t.Green : t.Red;
}

} // namespace

void Sweep::PrepareThresholds(int W, Thresholds thresholds)
{
    if (W == preparedWidth_ && thresholds.Red == prepared_.Red && thresholds.Green == prepared_.Green &&
        thresholds.Blue == prepared_.Blue)
        return;
    const std::size_t bytes = std::size_t(W) * 3;
    above_.resize(bytes);
    valid_.resize(bytes);
    alive_.resize(bytes);
    for (std::size_t i = 0; i < bytes; ++i) {
        // Below 0 every value lives and from 255 on none does: either way every
        // cell has 0 or 8 live neighbours and becomes 0.
        const int t = ThresholdOf(thresholds, int(i % 3));
        above_[i] = std::int8_t(std::clamp(t, 0, 254) ^ 0x80);
        valid_[i] = (t < 0 || t >= 255) ? 0 : 0xFF;
    }
    preparedWidth_ = W;
    prepared_ = thresholds;
}

Population Sweep::Compute(Raster& picture, Raster& work, int W, int H, int n, Thresholds thresholds)
{
    W = std::min({W, picture.Width(), work.Width()});
    H = std::min({H, picture.Height(), work.Height()});
    copiedBack_ = {};
    // Written so that no cell size, however large, overflows.
    if (n < 1 || W <= 2 || H <= 2 || W - 1 <= n || H - 1 <= n) return {};
    return n == 1 ? ComputePixels(picture, work, W, H, thresholds) : ComputeCells(picture, work, W, H, n, thresholds);
}

Population Sweep::ComputePixels(Raster& picture, Raster& work, int W, int H, Thresholds thresholds)
{
    PrepareThresholds(W, thresholds);
    const int begin = 3, end = 3 * (W - 1); // columns 1 to W - 2
    long long living[3] = {0, 0, 0};       // blue, green, red
    // The byte counters hold up to 255 rows; they are added up in between.
    constexpr int RowsPerFlush = 255;
    for (int first = 1; first < H - 1; first += RowsPerFlush) {
        std::fill(alive_.begin(), alive_.end(), std::uint8_t(0));
        const int last = std::min(H - 1, first + RowsPerFlush);
        for (int y = first; y < last; ++y) {
            PixelRow(picture.ScanLine(y - 1), picture.ScanLine(y), picture.ScanLine(y + 1),
                     work.ScanLine(y), above_.data(), valid_.data(), alive_.data(),
                     begin, end);
            // Row y - 1 is read no more: its new cells go into the picture while still in the cache.
            if (y >= 2) CopyBack(picture, work, y - 1, begin, end);
        }
        for (int i = begin; i < end; ++i) living[i % 3] += alive_[std::size_t(i)];
    }
    CopyBack(picture, work, H - 2, begin, end);
    copiedBack_ = {1, 1, W - 1, H - 1};
    // A channel where everything lives: every computed cell counts.
    const long long cells = (long long)(W - 2) * (H - 2);
    const int threshold[3] = {thresholds.Blue, thresholds.Green, thresholds.Red};
    for (int k = 0; k < 3; ++k)
        if (threshold[k] < 0) living[k] = cells;
    return CountsOf(living);
}

Population Sweep::ComputeCells(Raster& picture, Raster& work, int W, int H, int n, Thresholds thresholds)
{
    const std::size_t rowBytes = std::size_t(W) * 3, stride = picture.Stride();
    previous_.resize(rowBytes);
    current_.resize(rowBytes);
    std::memcpy(previous_.data(), picture.ScanLine(0), rowBytes);
    std::memcpy(current_.data(), picture.ScanLine(1), rowBytes);
    const int channelThreshold[3] = {thresholds.Blue, thresholds.Green, thresholds.Red};
    long long living[3] = {0, 0, 0}; // blue, green, red

    for (int y = 1; y < H - n; y += n) {
        const std::uint8_t* up = previous_.data();
        const std::uint8_t* mid = current_.data();
        const std::uint8_t* down = picture.ScanLine(y + n);
        std::uint8_t* out = work.ScanLine(y);
        std::uint8_t* blockTop = picture.ScanLine(y);
        for (int x = 1; x < W - n; x += n) {
            // Left of the first column lies the frame column 0.
            const std::size_t l = std::size_t(std::max(x - n, 0)) * 3, c = std::size_t(x) * 3,
                              r = std::size_t(x + n) * 3;
            std::uint8_t value[3];
            for (int k = 2; k >= 0; --k) { // red, green, blue
                const std::uint8_t neighbours[8] = {up[l + k],  up[c + k],   up[r + k],   mid[l + k],
                                                    mid[r + k], down[l + k], down[c + k], down[r + k]};
                value[k] = NextValue(mid[c + k], neighbours, channelThreshold[k]);
                out[c + k] = value[k];
                living[k] += Alive(value[k], channelThreshold[k]);
            }
            // The cell's block in the picture, n rows of n pixels.
            std::uint8_t* row = blockTop + c;
            for (int j = 0; j < n; ++j, row += stride)
                for (int i = 0; i < 3 * n; i += 3) {
                    row[i] = value[0];
                    row[i + 1] = value[1];
                    row[i + 2] = value[2];
                }
        }
        std::swap(previous_, current_);
        std::memcpy(current_.data(), picture.ScanLine(y + n), rowBytes);
    }
    return CountsOf(living);
}

void Sweep::Show(Raster& picture, const Raster& work, int n)
{
    if (n != 1) return;
    if (picture.Width() != work.Width() || picture.Height() != work.Height()) {
        picture.CopyRect(0, 0, work, {0, 0, work.Width(), work.Height()});
        return;
    }
    const Rect done = copiedBack_;
    copiedBack_ = {};
    if (done.Empty()) {
        std::memcpy(picture.Bits(), work.Bits(), work.SizeBytes());
        return;
    }
    // Everything but the cells Compute copied back: the rows above and below
    // them whole, and in their rows the bytes before and after them.
    const std::size_t stride = work.Stride();
    auto copyBytes = [&](std::size_t from, std::size_t to) {
        if (to > from) std::memcpy(picture.Bits() + from, work.Bits() + from, to - from);
    };
    copyBytes(0, std::size_t(done.Top) * stride + std::size_t(done.Left) * 3);
    for (int y = done.Top; y < done.Bottom; ++y) {
        const std::size_t rowEnd = std::size_t(y) * stride + std::size_t(done.Right) * 3;
        const std::size_t nextStart = std::size_t(y + 1) * stride + std::size_t(done.Left) * 3;
        copyBytes(rowEnd, y + 1 < done.Bottom ? nextStart : work.SizeBytes());
    }
}
