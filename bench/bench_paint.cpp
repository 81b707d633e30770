// Benchmarks of PaintBoard: a full board of counts, the largest cells, a fresh small board, and a dense screen.
#include "Painting.h"
#include "Random.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Arguments: board size, cell size. A size-7 board is played out, every cell opened over about
// 7 per cent mines; a size-3 board is fresh. Cells of 16 pixels go on a 1024 x 900 canvas, larger
// ones on a full-HD one; at a scale above 1 the canvas has that many image pixels per logical one.
void PaintBoardAtScale(benchmark::State& state, int scale)
{
    const int size = static_cast<int>(state.range(0));
    const int cellSize = static_cast<int>(state.range(1));
    kestrune::Board board(size);
    std::srand(2024);
    board.PlaceMines(7);
    if (size == kestrune::Board::kMaxSize)
        for (int index = 0; index < board.CellCount(); ++index)
            board.OpenedAt(index) = 1;
    const QSize logical = cellSize <= 16 ? QSize(1024, 900) : QSize(1920, 1080);
    QImage image(logical * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    const kestrune::Geometry geometry(cellSize, size);
    const kestrune::SettingsRecord colors;
    for (auto _ : state) {
        kestrune::Canvas canvas(image);
        kestrune::PaintBoard(canvas, board, geometry, colors, false);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

void BM_PaintBoard(benchmark::State& state)
{
    PaintBoardAtScale(state, 1);
}
BENCHMARK(BM_PaintBoard)->Args({7, 16})->Args({7, 499})->Args({3, 16})->Unit(benchmark::kMillisecond);

// The same on a screen of twice the density.
void BM_PaintBoardScale2(benchmark::State& state)
{
    PaintBoardAtScale(state, 2);
}
BENCHMARK(BM_PaintBoardScale2)->Args({7, 16})->Unit(benchmark::kMillisecond);

}  // namespace
