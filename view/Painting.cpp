// Painting the board on the main window's canvas: cells, counts, mines, marks and the explosion.
#include "Painting.h"

#include "Random.h"

#include <algorithm>
#include <array>
#include <string>

namespace kestrune {

namespace {

constexpr int kRays = 30;

// The text of every count a cell can show, made once by the board's own text form.
const std::string& CountText(int count)
{
    static const std::array<std::string, 82> texts = [] {
        std::array<std::string, 82> made;
        for (int count = 0; count < 82; ++count)
            made[count] = MinesAroundText(count);
        return made;
    }();
    return texts[count];
}

// Which cell columns (or rows) can put a pixel on the canvas, indexed block * n + cell. A cell
// draws inside its square except for its count, whose text may reach past the square at large
// sizes, so the reach of text is allowed for generously.
struct Reach {
    std::int64_t before = 0;  // first pixel, relative to the square's first one
    std::int64_t after = 0;   // last pixel, relative to the square's first one
};

std::array<bool, Board::kMaxSize * Board::kMaxSize> VisibleLines(const Geometry& geometry, int n, bool columns,
                                                                  Reach reach, int canvasExtent)
{
    std::array<bool, Board::kMaxSize * Board::kMaxSize> visible{};
    for (int block = 0; block < n; ++block)
        for (int cell = 0; cell < n; ++cell) {
            const PixelPoint origin = columns ? geometry.CellOrigin({cell, 0, block, 0})
                                              : geometry.CellOrigin({0, cell, 0, block});
            const std::int64_t first = (columns ? origin.x : origin.y) + reach.before;
            const std::int64_t last = (columns ? origin.x : origin.y) + reach.after;
            visible[block * n + cell] = last >= 0 && first < canvasExtent;
        }
    return visible;
}

}  // namespace

std::vector<std::uint8_t> MinesAroundAll(const Board& board)
{
    const int n = board.Size();
    const int cells = board.CellCount();
    std::vector<std::uint8_t> sums(cells);
    std::vector<std::uint8_t> scratch(cells);
    for (int index = 0; index < cells; ++index)
        sums[index] = board.MinesAt(index) != 0;
    // The 3 x 3 x 3 x 3 block clipped at the edges is a product of three-cell ranges, one per
    // axis, so summing neighbours along each axis in turn counts exactly the mines in it.
    for (int stride = 1; stride < cells; stride *= n) {
        for (int outer = 0; outer < cells; outer += stride * n)
            for (int coordinate = 0; coordinate < n; ++coordinate)
                for (int index = outer + coordinate * stride, end = index + stride; index < end; ++index) {
                    int sum = sums[index];
                    if (coordinate > 0)
                        sum += sums[index - stride];
                    if (coordinate < n - 1)
                        sum += sums[index + stride];
                    scratch[index] = static_cast<std::uint8_t>(sum);
                }
        sums.swap(scratch);
    }
    return sums;
}

void PaintBoard(Canvas& canvas, const Board& board, const Geometry& geometry, const SettingsRecord& colors,
                bool exploded)
{
    const int n = board.Size();
    const int cellSize = geometry.CellSize();
    if (cellSize < 1)
        return;
    canvas.SetFontColor(colors.DarkColor);
    canvas.SetFontHeight(cellSize - 5);

    // The character cell is at most min(CellSize - 5, the canvas's cap) high; the ink of a count of
    // two digits stays within three such heights of its start and one before it.
    const std::int64_t textHeight = std::min(cellSize - 5, Canvas::kMaxFontHeight);
    Reach reachX{0, cellSize - 1};
    Reach reachY{0, cellSize - 1};
    if (textHeight >= 1) {
        reachX = {std::min<std::int64_t>(0, 2 - textHeight), std::max<std::int64_t>(cellSize - 1, 2 + 3 * textHeight)};
        reachY = {std::min<std::int64_t>(0, 2 - textHeight), std::max<std::int64_t>(cellSize - 1, 2 + 2 * textHeight)};
    }
    const auto visibleColumn = VisibleLines(geometry, n, true, reachX, canvas.Width());
    const auto visibleRow = VisibleLines(geometry, n, false, reachY, canvas.Height());

    std::vector<std::uint8_t> counts;
    const std::int64_t h = cellSize / 2;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k) {
                if (!visibleColumn[k * n + i])
                    continue;
                for (int l = 0; l < n; ++l) {
                    if (!visibleRow[l * n + j])
                        continue;
                    const Cell cell{i, j, k, l};
                    const int index = board.Index(cell);
                    const bool opened = board.OpenedAt(index) != 0;
                    const bool mine = board.MinesAt(index) != 0;
                    const bool marked = board.MarkedAt(index) != 0;
                    const PixelPoint origin = geometry.CellOrigin(cell);
                    const std::int64_t x0 = origin.x, y0 = origin.y;
                    const std::int64_t x1 = x0 + cellSize - 1, y1 = y0 + cellSize - 1;

                    canvas.SetBrushColor(colors.FillColor);
                    canvas.SetPenColor(colors.DarkColor);
                    canvas.Rectangle(x0, y0, x0 + cellSize, y0 + cellSize);
                    canvas.SetPenColor(colors.LightColor);
                    canvas.MoveTo(x0, y1);
                    if (opened) {
                        canvas.LineTo(x1, y1);
                        canvas.LineTo(x1, y0);
                        if (counts.empty())
                            counts = MinesAroundAll(board);
                        canvas.TextOut(x0 + 2, y0 + 2, CountText(counts[index]));
                    } else {
                        canvas.LineTo(x0, y0);
                        canvas.LineTo(x1, y0);
                    }
                    if (opened && mine && !marked) {
                        canvas.SetBrushColor(colors.BombColor);
                        canvas.FillRect(x0, y0, x1, y1);
                        if (exploded)
                            DrawExplosion(canvas, x0 + h, y0 + h, cellSize, colors.BoomColor);
                    }
                    if (mine && marked) {
                        canvas.SetBrushColor(colors.BombColor);
                        canvas.Ellipse(x0 + 3, y0 + 3, x1 - 3, y1 - 3);
                    }
                }
            }
}

void ClearBoardArea(Canvas& canvas, const Geometry& geometry)
{
    const std::int64_t extent = geometry.BoardExtent();
    canvas.SetBrushColor(kBackgroundColor);
    canvas.FillRect(geometry.OriginX(), geometry.OriginY(), geometry.OriginX() + extent, geometry.OriginY() + extent);
}

void DrawExplosion(Canvas& canvas, std::int64_t cx, std::int64_t cy, int cellSize, Color boomColor)
{
    const int h = cellSize / 2;
    canvas.SetPenColor(boomColor);
    SeedFromClock();
    for (int ray = 0; ray < kRays; ++ray) {
        const int dx = RandomBelow(cellSize) - h;
        const int dy = RandomBelow(cellSize) - h;
        canvas.MoveTo(cx, cy);
        canvas.LineTo(cx + dx, cy + dy);
    }
}

}  // namespace kestrune
