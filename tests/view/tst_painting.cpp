// Painting the board: every state of a cell pixel for pixel, counts, the explosion, clearing, any cell size,
// and the same board on images of several pixels per logical pixel.
#include "Colors.h"
#include "Painting.h"

#include <QFontMetrics>
#include <QTest>

#include <algorithm>

#include <cstdlib>
#include <ctime>
#include <functional>

using namespace kestrune;

Q_DECLARE_METATYPE(Cell)

namespace {

constexpr QRgb kUntouched = qRgb(0x12, 0x34, 0x56);
const SettingsRecord kColours;  // the defaults: five distinct colours

QImage Blank(int width, int height, int scale = 1)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(kUntouched);
    return image;
}

// The board painted with its origin at (originX, originY) on a logical width x height image.
QImage Paint(const Board& board, int cellSize, bool exploded, int width, int height, int originX = 100,
             int originY = 55, int scale = 1)
{
    QImage image = Blank(width, height, scale);
    Canvas canvas(image);
    PaintBoard(canvas, board, Geometry(cellSize, board.Size(), originX, originY), kColours, exploded);
    return image;
}

// Runs f until one run starts and ends within the same second, so that every explosion drawn in
// it uses the same rays. False when three runs in a row met a second boundary.
bool WithinOneSecond(const std::function<void()>& f)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::time_t before = std::time(nullptr);
        f();
        if (std::time(nullptr) == before)
            return true;
    }
    return false;
}

struct Ray {
    int dx;
    int dy;
};

// The 30 rays of an explosion in the current second, as drawn from the seeded generator: dx
// first, then dy, each RandomBelow(cellSize) less half the cell size.
std::vector<Ray> RaysOfThisSecond(int cellSize)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    std::vector<Ray> rays;
    for (int ray = 0; ray < 30; ++ray) {
        const int dx = std::rand() % cellSize - cellSize / 2;
        const int dy = std::rand() % cellSize - cellSize / 2;
        rays.push_back({dx, dy});
    }
    return rays;
}

void DrawRays(QImage& image, int cx, int cy, const std::vector<Ray>& rays, std::size_t except = SIZE_MAX)
{
    Canvas canvas(image);
    canvas.SetPenColor(kColours.BoomColor);
    for (std::size_t r = 0; r < rays.size(); ++r) {
        if (r == except)
            continue;
        canvas.MoveTo(cx, cy);
        canvas.LineTo(cx + rays[r].dx, cy + rays[r].dy);
    }
}

// Every cell's state drawn at random from seed, any of the eight combinations of the layers.
void ScrambleBoard(Board& board, unsigned seed)
{
    std::srand(seed);
    for (int index = 0; index < board.CellCount(); ++index) {
        board.MinesAt(index) = std::rand() % 3 == 0;
        board.OpenedAt(index) = std::rand() % 2;
        board.MarkedAt(index) = std::rand() % 3 == 0;
    }
}

QString At(int x, int y)
{
    return QStringLiteral("(%1,%2)").arg(x).arg(y);
}

}  // namespace

class TestPainting : public QObject {
    Q_OBJECT

private slots:
    // Mostly cell (1, 2, 1, 0) of a size-3 board at cell size 16: x 169 to 184, y 87 to 102.
    void cellStates_data()
    {
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("mine");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("exploded");
        QTest::addColumn<int>("otherMines");  // -1: every cell holds a mine
        QTest::addColumn<QString>("digits");
        const auto row = [](const char* name, bool opened, bool mine, bool marked, bool exploded, int otherMines,
                            const char* digits) {
            QTest::newRow(name) << Cell{1, 2, 1, 0} << QPoint(169, 87) << opened << mine << marked << exploded
                                << otherMines << QString(digits);
        };
        row("closed", false, false, false, false, 2, "");
        row("closed mine", false, true, false, true, 0, "");
        row("marked, no mine", false, false, true, false, 0, "");
        row("opened, count 0", true, false, false, false, 0, "");
        row("opened, count 3", true, false, false, false, 3, "3");
        row("opened and marked, no mine", true, false, true, false, 2, "2");
        row("opened mine", true, true, false, false, 1, "2");
        row("opened mine, exploded", true, true, false, true, 1, "2");
        row("marked mine", false, true, true, true, 1, "");
        row("marked opened mine", true, true, true, true, -1, "36");
        QTest::newRow("marked opened mine in the middle, count 81")
            << Cell{1, 1, 1, 1} << QPoint(169, 124) << true << true << true << true << -1 << QString("81");
    }

    void cellStates()
    {
        QFETCH(Cell, cell);
        QFETCH(QPoint, origin);
        QFETCH(bool, opened);
        QFETCH(bool, mine);
        QFETCH(bool, marked);
        QFETCH(bool, exploded);
        QFETCH(int, otherMines);
        QFETCH(QString, digits);
        const int x0 = origin.x(), y0 = origin.y(), x1 = x0 + 15, y1 = y0 + 15;
        QCOMPARE(Geometry(16, 3).CellOrigin(cell), (PixelPoint{x0, y0}));

        Board board(3);
        const Cell neighbours[] = {{0, 1, 0, 0}, {2, 2, 2, 1}, {1, 1, 1, 1}};  // around (1, 2, 1, 0)
        for (int index = 0; index < board.CellCount(); ++index)
            board.MinesAt(index) = otherMines < 0;
        for (int m = 0; m < otherMines; ++m)
            board.Mines(neighbours[m]) = 1;
        board.Mines(cell) = mine;
        board.Opened(cell) = opened;
        board.Marked(cell) = marked;

        // The cell as the table of resulting pixels has it, in the square's own coordinates.
        QImage expected = Blank(16, 16);
        const auto set = [&](int x, int y, Color c) { expected.setPixel(x - x0, y - y0, ToRgb(c)); };
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                Color c = kColours.FillColor;
                if (!opened) {
                    if (x == x0 || (y == y0 && x < x1))
                        c = kColours.LightColor;
                    else if (x == x1 || y == y1)
                        c = kColours.DarkColor;
                } else {
                    if (y == y0 || (x == x0 && y < y1))
                        c = kColours.DarkColor;
                    else if (y == y1 || x == x1)
                        c = kColours.LightColor;
                }
                set(x, y, c);
            }
        {
            Canvas canvas(expected);
            canvas.SetBrushColor(kColours.FillColor);
            canvas.SetFontColor(kColours.DarkColor);
            canvas.SetFontHeight(11);
            canvas.TextOut(2, 2, digits.toStdString());
            canvas.SetPenColor(kColours.LightColor);
            canvas.SetBrushColor(kColours.BombColor);
            if (mine && marked)
                canvas.Ellipse(3, 3, 12, 12);  // (172, 90, 181, 99) for cell (1, 2, 1, 0)
        }
        if (opened && mine && !marked)
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    set(x, y, kColours.BombColor);

        QImage painted;
        std::vector<Ray> rays;
        QVERIFY(WithinOneSecond([&] {
            painted = Paint(board, 16, exploded, 300, 250);
            rays = RaysOfThisSecond(16);
        }));
        if (exploded && opened && mine && !marked)
            DrawRays(expected, 8, 8, rays);  // the centre, (177, 95) for cell (1, 2, 1, 0)
        const QImage square = painted.copy(x0, y0, 16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                QVERIFY2(square.pixel(x, y) == expected.pixel(x, y), qPrintable(At(x0 + x, y0 + y)));
    }

    void explosion_data()
    {
        QTest::addColumn<int>("cellSize");
        for (const int size : {11, 16, 17, 120})
            QTest::addRow("cell size %d", size) << size;
    }

    // Rays from the centre to pixels of the square, the end pixel left out, the same within a second.
    void explosion()
    {
        QFETCH(int, cellSize);
        Board board(3);
        const Cell cell{1, 2, 1, 0};
        board.Mines(cell) = board.Opened(cell) = 1;
        // The cell's square at (10, 10) on an image with a margin of 10 around it.
        const Geometry placed(cellSize, 3);
        const PixelPoint origin = placed.CellOrigin(cell);
        const int originX = static_cast<int>(10 - (origin.x - 100));
        const int originY = static_cast<int>(10 - (origin.y - 55));
        const int side = cellSize + 20;
        const int centre = 10 + cellSize / 2;

        QImage first, second;
        std::vector<Ray> rays;
        QVERIFY(WithinOneSecond([&] {
            std::srand(12345);  // whatever state the generator is in, the explosion reseeds it
            first = Paint(board, cellSize, true, side, side, originX, originY);
            second = Paint(board, cellSize, true, side, side, originX, originY);
            rays = RaysOfThisSecond(cellSize);
        }));
        QVERIFY(first == second);

        QImage expected = Blank(side, side);
        DrawRays(expected, centre, centre, rays);
        const QRgb boom = ToRgb(kColours.BoomColor);
        int boomPixels = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const bool isBoom = first.pixel(x, y) == boom;
                boomPixels += isBoom;
                QVERIFY2(isBoom == (expected.pixel(x, y) == boom), qPrintable(At(x, y)));
                QVERIFY2(!isBoom || (x >= 10 && x < 10 + cellSize && y >= 10 && y < 10 + cellSize), qPrintable(At(x, y)));
            }
        QVERIFY(boomPixels > 0);
        // A ray's end pixel is boom only where another ray passes.
        for (std::size_t r = 0; r < rays.size(); ++r) {
            QImage others = Blank(side, side);
            DrawRays(others, centre, centre, rays, r);
            const int ex = centre + rays[r].dx, ey = centre + rays[r].dy;
            QVERIFY2(first.pixel(ex, ey) != boom || others.pixel(ex, ey) == boom, qPrintable(At(ex, ey)));
        }
    }

    void minesAroundAllCountsAsMinesAround()
    {
        for (int n = Board::kMinSize; n <= Board::kMaxSize; ++n)
            for (const int percent : {0, 10, 50, 100}) {
                Board board(n);
                std::srand(static_cast<unsigned>(n * 100 + percent));
                for (int index = 0; index < board.CellCount(); ++index)
                    board.MinesAt(index) = std::rand() % 100 < percent ? static_cast<std::uint8_t>(1 + std::rand() % 255) : 0;
                const std::vector<std::uint8_t> counts = MinesAroundAll(board);
                QCOMPARE(counts.size(), static_cast<std::size_t>(board.CellCount()));
                for (int index = 0; index < board.CellCount(); ++index)
                    QVERIFY2(counts[index] == board.MinesAround(board.CellOf(index)),
                             qPrintable(QStringLiteral("size %1, %2%, cell %3").arg(n).arg(percent).arg(index)));
            }
    }

    void digits_data()
    {
        QTest::addColumn<int>("percent");
        for (const int percent : {5, 30, 60})
            QTest::addRow("%d%% mines", percent) << percent;
    }

    // Every opened cell shows MinesAround in DarkColor on FillColor from (x0 + 2, y0 + 2).
    void digits()
    {
        QFETCH(int, percent);
        Board board(4);
        std::srand(static_cast<unsigned>(percent));
        for (int index = 0; index < board.CellCount(); ++index) {
            board.MinesAt(index) = std::rand() % 100 < percent;
            board.OpenedAt(index) = !board.MinesAt(index);
        }
        const Geometry geometry(16, 4);
        const QImage painted = Paint(board, 16, false, 400, 350);
        const QRgb fill = ToRgb(kColours.FillColor), dark = ToRgb(kColours.DarkColor);
        for (int index = 0; index < board.CellCount(); ++index) {
            if (!board.OpenedAt(index))
                continue;
            const Cell cell = board.CellOf(index);
            const std::string text = MinesAroundText(board.MinesAround(cell));
            const PixelPoint o = geometry.CellOrigin(cell);
            QImage expected = Blank(14, 14);
            {
                Canvas canvas(expected);
                canvas.SetBrushColor(kColours.FillColor);
                canvas.FillRect(0, 0, 14, 14);
                canvas.SetFontColor(kColours.DarkColor);
                canvas.SetFontHeight(11);
                canvas.TextOut(1, 1, text);
            }
            const QImage inside = painted.copy(static_cast<int>(o.x) + 1, static_cast<int>(o.y) + 1, 14, 14);
            const QString where = QStringLiteral("cell %1, \"%2\"").arg(index).arg(QString::fromStdString(text));
            QVERIFY2(inside == expected, qPrintable(where));
            bool anyDark = false;
            for (int y = 0; y < 14; ++y)
                for (int x = 0; x < 14; ++x) {
                    const QRgb pixel = inside.pixel(x, y);
                    QVERIFY2(pixel == fill || pixel == dark, qPrintable(where));
                    QVERIFY2(pixel == fill || (x >= 1 && y >= 1), qPrintable(where));
                    anyDark = anyDark || pixel == dark;
                }
            QCOMPARE(anyDark, !text.empty());
        }
    }

    void onlyTheSquaresArePainted_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("cellSize");
        for (int cellSize = 1; cellSize <= 11; ++cellSize)
            QTest::addRow("size 3, cell size %d", cellSize) << 3 << cellSize;
        QTest::newRow("size 3, cell size 16") << 3 << 16;
        QTest::newRow("size 5, cell size 7") << 5 << 7;
        QTest::newRow("size 7, cell size 16") << 7 << 16;
    }

    // Gaps and everything off the board keep their pixels; every pixel of every square is drawn.
    void onlyTheSquaresArePainted()
    {
        QFETCH(int, size);
        QFETCH(int, cellSize);
        Board board(size);
        ScrambleBoard(board, static_cast<unsigned>(size * 1000 + cellSize));
        const Geometry geometry(cellSize, size);
        const int extent = static_cast<int>(geometry.BoardExtent());
        const QImage painted = Paint(board, cellSize, true, 100 + extent + 20, 55 + extent + 20);
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                QVERIFY2(geometry.CellAt(x, y).has_value() == (painted.pixel(x, y) != kUntouched), qPrintable(At(x, y)));
    }

    void clearBoardArea_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<QRect>("cleared");
        QTest::newRow("size 3, cell size 16") << 16 << 3 << QSize(300, 250) << QRect(QPoint(100, 55), QPoint(258, 213));
        QTest::newRow("size 3, cell size 1") << 1 << 3 << QSize(200, 100) << QRect(QPoint(100, 55), QPoint(123, 78));
        QTest::newRow("size 7, cell size 499, beyond the canvas")
            << 499 << 7 << QSize(1024, 768) << QRect(QPoint(100, 55), QPoint(1023, 767));
        QTest::newRow("largest stored cell size")
            << 2147483647 << 7 << QSize(320, 240) << QRect(QPoint(100, 55), QPoint(319, 239));
    }

    void clearBoardArea()
    {
        QFETCH(int, cellSize);
        QFETCH(int, size);
        QFETCH(QSize, canvas);
        QFETCH(QRect, cleared);
        QImage image = Blank(canvas.width(), canvas.height());
        Canvas surface(image);
        ClearBoardArea(surface, Geometry(cellSize, size));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(image.pixel(x, y) == (cleared.contains(x, y) ? ToRgb(kBackgroundColor) : kUntouched),
                         qPrintable(At(x, y)));
    }

    void windows_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<QRect>("first");  // the client pixels shown, of the board at its usual place
        QTest::addColumn<QRect>("second");
        QTest::newRow("size 7, cell size 499, on 1024 x 768") << 499 << QRect(0, 0, 1024, 768) << QRect(600, 400, 1024, 768);
        // The counts of the last cells of a block reach past their squares at this size: the
        // second window shows only that overhang of cells lying wholly left of it.
        QTest::newRow("count reaching past its square") << 499 << QRect(3450, 0, 300, 200) << QRect(3610, 0, 300, 200);
        QTest::newRow("largest stored cell size") << 2147483647 << QRect(0, 0, 200, 150) << QRect(37, 23, 200, 150);
    }

    // However large the board area, a canvas showing part of it shows the same pixels as any
    // other canvas showing that part.
    void windows()
    {
        QFETCH(int, cellSize);
        QFETCH(QRect, first);
        QFETCH(QRect, second);
        Board board(7);
        ScrambleBoard(board, 99);
        for (int index = 0; index < board.CellCount(); ++index)
            board.MinesAt(index) = 1;
        board.Opened({6, 0, 0, 0}) = board.Marked({6, 0, 0, 0}) = 1;
        const auto window = [&](const QRect& r) {
            return Paint(board, cellSize, true, r.width(), r.height(), 100 - r.left(), 55 - r.top());
        };
        QImage a, b;
        QVERIFY(WithinOneSecond([&] {
            a = window(first);
            b = window(second);
        }));
        const QRect common = first & second;
        QVERIFY(!common.isEmpty());
        QVERIFY(a.copy(common.translated(-first.topLeft())) == b.copy(common.translated(-second.topLeft())));
        QVERIFY(a != Blank(a.width(), a.height()));
    }

    void countReachesPastItsSquare()
    {
        // Checks that the overhang the windows test relies on is there: digits of cell
        // (6, 0, 0, 0) right of its square, over the gap and the next block.
        Board board(7);
        for (int index = 0; index < board.CellCount(); ++index)
            board.MinesAt(index) = board.OpenedAt(index) = board.MarkedAt(index) = 1;
        const QImage a = Paint(board, 499, false, 300, 200, 100 - 3450, 55);
        bool dark = false;
        for (int y = 0; y < 200; ++y)
            for (int x = 3593 - 3450; x < 300; ++x)
                dark = dark || a.pixel(x, y) == ToRgb(kColours.DarkColor);
        QVERIFY(dark);
    }

    void denseScreen_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("scale");
        QTest::newRow("cell size 16, scale 2") << 16 << 2;
        QTest::newRow("cell size 11, scale 2") << 11 << 2;
        QTest::newRow("cell size 40, scale 2") << 40 << 2;
        QTest::newRow("cell size 16, scale 3") << 16 << 3;
    }

    // On a denser image the board is the scale-1 painting magnified pixel for pixel, except for the
    // characters of the counts, which are drawn finer within the same boxes.
    void denseScreen()
    {
        QFETCH(int, cellSize);
        QFETCH(int, scale);
        // Every combination of the three layers, cycling through the cells, with counts of two digits.
        Board board(3);
        for (int index = 0; index < board.CellCount(); ++index) {
            board.MinesAt(index) = index % 2;
            board.OpenedAt(index) = index / 2 % 2;
            board.MarkedAt(index) = index / 4 % 2;
        }
        const Geometry geometry(cellSize, 3);
        const int side = 100 + int(geometry.BoardExtent()) + 10;
        QImage flat, dense;
        QVERIFY(WithinOneSecond([&] {
            flat = Paint(board, cellSize, true, side, side);
            dense = Paint(board, cellSize, true, side, side, 100, 55, scale);
        }));

        // The count boxes, and whether the count is still to be seen (not covered by a mine's fill
        // or a mark).
        const QFontMetrics metrics(*Canvas::TextFont(cellSize - 5));
        struct Box {
            QRect rect;
            bool shown;
        };
        std::vector<Box> boxes;
        for (int index = 0; index < board.CellCount(); ++index) {
            const std::string text = MinesAroundText(board.MinesAround(board.CellOf(index)));
            if (!board.OpenedAt(index) || text.empty())
                continue;
            const PixelPoint o = geometry.CellOrigin(board.CellOf(index));
            const QRect rect(int(o.x) + 2, int(o.y) + 2, metrics.horizontalAdvance(QString::fromStdString(text)),
                             metrics.height());
            boxes.push_back({rect, !board.MinesAt(index)});
        }
        QVERIFY(boxes.size() > 4);
        const auto inBox = [&](int x, int y) {
            return std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) { return b.rect.contains(x, y); });
        };
        for (int y = 0; y < dense.height(); ++y)
            for (int x = 0; x < dense.width(); ++x)
                if (!inBox(x / scale, y / scale))
                    QVERIFY2(dense.pixel(x, y) == flat.pixel(x / scale, y / scale), qPrintable(At(x, y)));

        const QRgb fill = ToRgb(kColours.FillColor), dark = ToRgb(kColours.DarkColor);
        int denseDark = 0, flatDark = 0, mixedBlocks = 0;
        for (const Box& box : boxes) {
            if (!box.shown)
                continue;
            for (int y = box.rect.top() * scale; y <= box.rect.bottom() * scale + scale - 1; ++y)
                for (int x = box.rect.left() * scale; x <= box.rect.right() * scale + scale - 1; ++x) {
                    const QRgb pixel = dense.pixel(x, y);
                    QVERIFY2(pixel == fill || pixel == dark, qPrintable(At(x, y)));
                    denseDark += pixel == dark;
                    flatDark += flat.pixel(x / scale, y / scale) == dark;
                }
            // A block of one logical pixel holding both colours is finer than any magnification.
            for (int y = box.rect.top(); y <= box.rect.bottom(); ++y)
                for (int x = box.rect.left(); x <= box.rect.right(); ++x) {
                    bool anyDark = false, anyFill = false;
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx) {
                            anyDark = anyDark || dense.pixel(x * scale + dx, y * scale + dy) == dark;
                            anyFill = anyFill || dense.pixel(x * scale + dx, y * scale + dy) == fill;
                        }
                    mixedBlocks += anyDark && anyFill;
                }
        }
        QVERIFY(flatDark > 0);
        QVERIFY2(denseDark > flatDark / 3 && denseDark < flatDark * 2,
                 qPrintable(QStringLiteral("%1 dark pixels against %2 magnified").arg(denseDark).arg(flatDark)));
        QVERIFY(mixedBlocks > 0);
    }

    void freshBoardAtLargestCellSize()
    {
        Board board(7);
        const QImage painted = Paint(board, 2147483647, false, 200, 150);
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x) {
                const QRgb expected = x < 100 || y < 55           ? kUntouched
                                      : x == 100 || y == 55       ? ToRgb(kColours.LightColor)
                                                                  : ToRgb(kColours.FillColor);
                QVERIFY2(painted.pixel(x, y) == expected, qPrintable(At(x, y)));
            }
    }
};

QTEST_MAIN(TestPainting)
#include "tst_painting.moc"
