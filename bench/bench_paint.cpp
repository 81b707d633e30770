// Benchmarks of PaintBoard: a full board of counts, the largest cells, and a fresh small board.
#include "Painting.h"
#include "Random.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Arguments: board size, cell size. A size-7 board is played out, every cell opened over about
// 7 per cent mines; a size-3 board is fresh. Cells of 16 pixels go on a 1024 x 900 canvas, larger
// ones on a full-HD one.
void BM_PaintBoard(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const int cellSize = static_cast<int>(state.range(1));
    kestrune::Board board(size);
    std::srand(2024);
    board.PlaceMines(7);
    if (size == kestrune::Board::kMaxSize)
        for (int index = 0; index < board.CellCount(); ++index)
            board.OpenedAt(index) = 1;
    QImage image = cellSize <= 16 ? QImage(1024, 900, QImage::Format_RGB32) : QImage(1920, 1080, QImage::Format_RGB32);
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
BENCHMARK(BM_PaintBoard)->Args({7, 16})->Args({7, 499})->Args({3, 16})->Unit(benchmark::kMillisecond);

}  // namespace
