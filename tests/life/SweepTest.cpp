#include "life/Generations.h"
#include "life/Sweep.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>
#include <utility>

namespace {

using Cells = std::set<std::pair<int, int>>; // (column, row) of living cells

constexpr TColor Green200 = RGB(0, 200, 0);

// Paints cells as the pen and the fills lay them: n by n squares from (i n, j n).
void Paint(Raster& picture, const Cells& cells, int n, TColor colour)
{
    for (auto [i, j] : cells) picture.FillRect({i * n, j * n, i * n + n, j * n + n}, colour);
}

// The pixel the sweep samples for cell i: one right of and below the corner
// at n >= 2; at n = 1 every pixel is a cell.
int Sample(int i, int n) { return n == 1 ? i : 1 + i * n; }

Cells LivingCells(const Raster& picture, int columns, int rows, int n)
{
    Cells cells;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i)
            if (GreenOf(picture.Pixel(Sample(i, n), Sample(j, n))) > 128) cells.insert({i, j});
    return cells;
}

Cells Conway(const Cells& cells)
{
    Cells next;
    std::set<std::pair<int, int>> candidates;
    for (auto [i, j] : cells)
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di) candidates.insert({i + di, j + dj});
    for (auto [i, j] : candidates) {
        int live = 0;
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di) live += (di || dj) && cells.count({i + di, j + dj});
        if (live == 3 || (live == 2 && cells.count({i, j}))) next.insert({i, j});
    }
    return next;
}

struct LifeRun {
    Raster picture;
    Raster work;
    Sweep sweep;
    int W, H, n;
    Thresholds thresholds{128, 128, 128};

    LifeRun(int columns, int rows, int cell) : picture(columns * cell + 7, rows * cell + 5), W(columns * cell), H(rows * cell), n(cell) {}
    void Start()
    {
        picture.FrameRect({0, 0, W, H}, clBlack);
        work = picture;
    }
    Population Step()
    {
        const Population counts = sweep.Compute(picture, work, W, H, n, thresholds);
        sweep.Show(picture, work, n);
        return counts;
    }
};

} // namespace

class SweepAtEachCellSize : public ::testing::TestWithParam<int> {};

TEST_P(SweepAtEachCellSize, EqualValuesEvolveAsConwaysLifeAndKeepTheirValue)
{
    const int n = GetParam();
    const Cells blinker{{5, 5}, {6, 5}, {7, 5}};
    const Cells glider{{12, 3}, {13, 4}, {11, 5}, {12, 5}, {13, 5}};
    Cells expected = blinker;
    expected.insert(glider.begin(), glider.end());

    LifeRun run(30, 24, n);
    Paint(run.picture, expected, n, Green200);
    run.Start();
    for (int generation = 1; generation <= 8; ++generation) {
        const Population counts = run.Step();
        expected = Conway(expected);
        ASSERT_EQ(LivingCells(run.picture, 30, 24, n), expected) << "generation " << generation;
        EXPECT_EQ(counts, (Population{int(expected.size()), 0, int(expected.size()), 0}));
    }
    for (auto [i, j] : expected) EXPECT_EQ(run.picture.Pixel(Sample(i, n), Sample(j, n)), Green200);
}

INSTANTIATE_TEST_SUITE_P(CellSizes, SweepAtEachCellSize, ::testing::Values(1, 2, 4, 8));

TEST(Sweep, AtCellSizeOneABlinkerOnTheFrameColumnDies)
{
    LifeRun run(20, 20, 1);
    Paint(run.picture, {{1, 5}, {1, 6}, {1, 7}}, 1, Green200);
    run.Start();
    EXPECT_EQ(run.Step().Green, 2); // the cell born on column 0 is never computed
    EXPECT_EQ(run.Step().Green, 0);
    EXPECT_TRUE(LivingCells(run.picture, 20, 20, 1).empty());
}

TEST(Sweep, ComputesEveryCellButTheBorder)
{
    // With a negative threshold every value lives, so the counts tell how many cells were computed.
    struct Case { int n; int columns; int rows; int computed; };
    for (Case c : {Case{1, 320, 240, 318 * 238}, Case{2, 320, 240, 319 * 239}, Case{4, 320, 240, 319 * 239},
                   Case{8, 320, 240, 319 * 239}}) {
        LifeRun run(c.columns, c.rows, c.n);
        run.thresholds = {-1, -1, -1};
        run.Start();
        const Population counts = run.Step();
        EXPECT_EQ(counts.Red, c.computed) << c.n;
        EXPECT_EQ(counts.Total, 3 * c.computed) << c.n;
    }
}

TEST(Sweep, BorderIsDeadAtOneAndTwoButTheLastCellsFeedAtFourAndEight)
{
    for (int n : {1, 2, 4, 8}) {
        SCOPED_TRACE(n);
        const int columns = 16, rows = 16;
        // Two live cells in the last column beside one in the column before it.
        const int last = columns - 1;
        LifeRun run(columns, rows, n);
        Paint(run.picture, {{last, 6}, {last, 8}, {last - 1, 7}}, n, Green200);
        run.Start();
        run.Step();
        const bool lastColumnIsComputed = n <= 2;
        const Cells living = LivingCells(run.picture, columns, rows, n);
        if (lastColumnIsComputed) {
            // Frame and dead border: nothing remains of the pattern.
            EXPECT_TRUE(living.empty());
        } else {
            // The last column is never computed: its cells stay and feed (last - 1, 7).
            EXPECT_TRUE(living.count({last, 6}) && living.count({last, 8}));
            EXPECT_TRUE(living.count({last - 1, 7})); // two live neighbours keep it
        }
    }
}

TEST(Sweep, TinyAreasComputeNothing)
{
    for (int n : {1, 2, 4, 8}) {
        Raster picture(40, 40), work(40, 40);
        picture.FillRect({0, 0, 40, 40}, clWhite);
        work = picture;
        Sweep sweep;
        EXPECT_EQ(sweep.Compute(picture, work, n + 1, 30, n, {-1, -1, -1}), Population{}) << n;
        EXPECT_EQ(sweep.Compute(picture, work, 30, n + 1, n, {-1, -1, -1}), Population{}) << n;
        EXPECT_EQ(sweep.Compute(picture, work, 30, 30, 0, {-1, -1, -1}), Population{});
        EXPECT_EQ(sweep.Compute(picture, work, 30, 30, -4, {-1, -1, -1}), Population{});
        EXPECT_EQ(sweep.Compute(picture, work, 30, 30, std::numeric_limits<int>::max(), {-1, -1, -1}), Population{});
    }
    Raster picture(10, 10);
    picture.FillRect({0, 0, 10, 10}, clWhite);
    EXPECT_EQ(RunGenerations(picture, 2, 2, 1, {}, 3), Population{});
    EXPECT_EQ(picture.Pixel(0, 0), 0u); // only the frame is drawn
    EXPECT_EQ(picture.Pixel(2, 2), clWhite);
}

TEST(Sweep, AnAreaLargerThanThePictureIsClippedToIt)
{
    for (int n : {1, 2, 8}) {
        Raster picture(50, 40);
        picture.FillRect({0, 0, 50, 40}, clWhite);
        Raster work = picture;
        Sweep sweep;
        const Population counts = sweep.Compute(picture, work, 25600, 19200, n, {-1, -1, -1});
        EXPECT_GT(counts.Total, 0);
        sweep.Show(picture, work, n);
        EXPECT_EQ(picture.Width(), 50);
    }
}

TEST(Sweep, ChannelsAreIndependent)
{
    LifeRun run(30, 30, 1);
    const Cells glider{{12, 3}, {13, 4}, {11, 5}, {12, 5}, {13, 5}};
    Paint(run.picture, glider, 1, Green200);
    Paint(run.picture, {{20, 20}, {21, 20}, {22, 20}}, 1, RGB(255, 0, 0)); // a red blinker elsewhere
    run.Start();
    Cells expected = glider;
    for (int g = 0; g < 4; ++g) {
        const Population counts = run.Step();
        expected = Conway(expected);
        EXPECT_EQ(counts.Green, 5);
        EXPECT_EQ(counts.Red, 3);
        EXPECT_EQ(counts.Blue, 0);
    }
    EXPECT_EQ(LivingCells(run.picture, 30, 30, 1), expected);
}

TEST(Sweep, ShowMakesThePictureTheWorkPictureAtCellSizeOneOnly)
{
    Raster picture(20, 20), work(20, 20);
    work.FillRect({15, 15, 20, 20}, clWhite); // outside any area
    Sweep sweep;
    sweep.Show(picture, work, 4);
    EXPECT_FALSE(picture == work);
    sweep.Show(picture, work, 1);
    EXPECT_TRUE(picture == work);
    // After a generation too, whatever was painted between generations.
    for (int n : {1, 2}) {
        Raster p(40, 30), w(40, 30);
        p.FillRect({3, 3, 9, 9}, clWhite);
        w = p;
        p.FillRect({25, 2, 40, 30}, RGB(0, 0, 200)); // painted beyond the area after the copy
        p.FillRect({0, 0, 40, 1}, RGB(0, 0, 200));   // and onto the frame row
        sweep.Compute(p, w, 24, 20, n, {});
        sweep.Show(p, w, n);
        if (n == 1) EXPECT_TRUE(p == w);
        else EXPECT_EQ(p.Pixel(30, 10), RGB(0, 0, 200));
    }
}

namespace {

// The rule applied cell by cell, straight from its description.
Population ReferenceGeneration(const Raster& old, Raster& work, int W, int H, Thresholds t)
{
    Population counts;
    const int threshold[3] = {t.Blue, t.Green, t.Red};
    int* count[3] = {&counts.Blue, &counts.Green, &counts.Red};
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x)
            for (int k = 0; k < 3; ++k) {
                auto at = [&](int dx, int dy) { return old.ScanLine(y + dy)[(x + dx) * 3 + k]; };
                const std::uint8_t neighbours[8] = {at(-1, -1), at(0, -1), at(1, -1), at(-1, 0),
                                                    at(1, 0),   at(-1, 1), at(0, 1),  at(1, 1)};
                const std::uint8_t v = NextValue(at(0, 0), neighbours, threshold[k]);
                work.ScanLine(y)[x * 3 + k] = v;
                if (Alive(v, threshold[k])) ++*count[k];
            }
    counts.Total = counts.Red + counts.Green + counts.Blue;
    return counts;
}

} // namespace

TEST(Sweep, TheByteKernelAgreesWithTheRuleOnRandomPictures)
{
    std::mt19937 random(7);
    struct KernelCase { Thresholds t; int minimumHeight; };
    // The last picture is taller than the 255 rows that the byte counters hold between two sums.
    const KernelCase cases[] = {{{128, 128, 128}, 23}, {{0, 255, 17}, 23}, {{-5, 300, 254}, 23},
                                {{200, 40, -1}, 23},   {{129, 127, 128}, 520}};
    for (const auto& [t, minimumHeight] : cases) {
        const int W = 37 + int(random() % 50), H = minimumHeight + int(random() % 30);
        Raster picture(W + 3, H + 2);
        for (std::size_t i = 0; i < picture.SizeBytes(); ++i) {
            // Values near the thresholds matter most.
            const int choice = int(random() % 4);
            picture.Bits()[i] = std::uint8_t(choice == 0 ? random() : choice == 1 ? 0 : 120 + random() % 20);
        }
        picture.FrameRect({0, 0, W, H}, clBlack);
        const Raster old = picture;
        Raster work = picture, expectedWork = picture;
        Sweep sweep;
        const Population counts = sweep.Compute(picture, work, W, H, 1, t);
        sweep.Show(picture, work, 1);
        EXPECT_EQ(counts, ReferenceGeneration(old, expectedWork, W, H, t));
        EXPECT_TRUE(work == expectedWork);
        EXPECT_TRUE(picture == expectedWork);
    }
}

TEST(Sweep, CountsACellColumnThatLivesInHundredsOfRows)
{
    // A vertical line lives on in every row and its sides are born: each byte
    // of those columns counts far more than a byte counter holds.
    const int W = 21, H = 600;
    Raster picture(W, H);
    picture.FillRect({10, 0, 11, H}, RGB(200, 170, 140));
    picture.FrameRect({0, 0, W, H}, clBlack);
    const Raster old = picture;
    Raster work = picture, expectedWork = picture;
    Sweep sweep;
    const Population counts = sweep.Compute(picture, work, W, H, 1, {});
    const Population expected = ReferenceGeneration(old, expectedWork, W, H, {});
    EXPECT_GT(expected.Red, 3 * 255);
    EXPECT_EQ(counts, expected);
    EXPECT_TRUE(work == expectedWork);
}
