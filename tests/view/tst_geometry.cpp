// The board layout: cells to pixels and back, for every size and the extremes of the cell size.
#include "Geometry.h"

#include <QTest>
#include <climits>

using namespace kestrune;

Q_DECLARE_METATYPE(std::optional<Cell>)

namespace {

QString Describe(const std::optional<Cell>& c)
{
    return c ? QStringLiteral("(%1,%2,%3,%4)").arg(c->i).arg(c->j).arg(c->k).arg(c->l) : QStringLiteral("none");
}

}  // namespace

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<std::optional<Cell>>("cell");
        const std::optional<Cell> none;
        QTest::newRow("first pixel") << 100 << 55 << std::optional<Cell>(Cell{0, 0, 0, 0});
        QTest::newRow("last column of block 0") << 147 << 70 << std::optional<Cell>(Cell{2, 0, 0, 0});
        QTest::newRow("gap after block 0") << 148 << 70 << none;
        QTest::newRow("block 1") << 153 << 55 << std::optional<Cell>(Cell{0, 0, 1, 0});
        QTest::newRow("gap below block row 0") << 120 << 104 << none;
        QTest::newRow("last pixel") << 253 << 208 << std::optional<Cell>(Cell{2, 2, 2, 2});
        QTest::newRow("gap after the last block") << 254 << 208 << none;
        QTest::newRow("the column after the area") << 259 << 100 << none;
        QTest::newRow("beyond the area") << 260 << 100 << none;
        QTest::newRow("left of the origin") << 99 << 60 << none;
        QTest::newRow("negative") << -3 << 60 << none;
        QTest::newRow("above the origin") << 120 << 54 << none;
        QTest::newRow("far away") << INT_MAX << INT_MAX << none;
        QTest::newRow("far negative") << INT_MIN << INT_MIN << none;
    }

    void workedExample()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(std::optional<Cell>, cell);
        const Geometry g(16, 3);
        QCOMPARE(g.BlockPitch(), 53);
        QCOMPARE(g.BoardExtent(), 159);
        QCOMPARE(Describe(g.CellAt(x, y)), Describe(cell));
    }

    void cellOriginAndCentre()
    {
        const Geometry g(16, 3);
        QCOMPARE(g.CellOrigin({1, 2, 1, 0}), (PixelPoint{169, 87}));
        QCOMPARE(g.CellCentre({1, 2, 1, 0}), (PixelPoint{177, 95}));
        const Geometry odd(17, 4);
        const PixelPoint o = odd.CellOrigin({3, 1, 2, 3});
        QCOMPARE(odd.CellCentre({3, 1, 2, 3}), (PixelPoint{o.x + 8, o.y + 8}));
    }

    // Every pixel of the board area, row by row: cells answer with themselves, gaps with none.
    void everyPixelMapsBack_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("boardSize");
        for (int cellSize : {11, 16, 499})
            for (int n = 3; n <= 7; ++n)
                QTest::addRow("cell %d, size %d", cellSize, n) << cellSize << n;
    }

    void everyPixelMapsBack()
    {
        QFETCH(int, cellSize);
        QFETCH(int, boardSize);
        const Geometry g(cellSize, boardSize);
        const std::int64_t extent = g.BoardExtent();
        // On one axis: which coordinate a pixel offset belongs to, or -1 in a gap.
        const auto expected = [&](std::int64_t d) -> int {
            const std::int64_t inBlock = d % g.BlockPitch();
            return inBlock < std::int64_t{cellSize} * boardSize ? int(inBlock / cellSize) : -1;
        };
        // 499 x 7 gives an area of 24,486 pixels a side; walk one row and one column in full,
        // and the diagonal, which between them meet every cell and gap on both axes.
        for (std::int64_t d = -1; d <= extent; ++d) {
            const std::int64_t x = g.OriginX() + d;
            for (std::int64_t y : {std::int64_t{g.OriginY()}, g.OriginY() + d, g.OriginY() + extent - 6}) {
                const std::int64_t dy = y - g.OriginY();
                const std::optional<Cell> got = g.CellAt(x, y);
                const bool inside = d >= 0 && d < extent && dy >= 0 && dy < extent;
                const int i = inside ? expected(d) : -1;
                const int j = inside ? expected(dy) : -1;
                if (i < 0 || j < 0) {
                    QVERIFY2(!got, qPrintable(QStringLiteral("(%1,%2) gave %3").arg(x).arg(y).arg(Describe(got))));
                    continue;
                }
                const Cell want{i, j, int(d / g.BlockPitch()), int(dy / g.BlockPitch())};
                QVERIFY2(got && *got == want, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
                const PixelPoint o = g.CellOrigin(want);
                QVERIFY(x >= o.x && x < o.x + cellSize && y >= o.y && y < o.y + cellSize);
            }
        }
        // The last column of the last cell is the sixth pixel from the area's end.
        const std::optional<Cell> last = g.CellAt(g.OriginX() + extent - 6, g.OriginY());
        QVERIFY(last && last->i == boardSize - 1 && last->k == boardSize - 1);
        QVERIFY(!g.CellAt(g.OriginX() + extent - 5, g.OriginY()));
    }

    // A damaged store can hold any cell size: none may divide by zero or overflow.
    void extremeCellSizes_data()
    {
        QTest::addColumn<int>("cellSize");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("min") << INT_MIN;
        QTest::newRow("1") << 1;
        QTest::newRow("max") << INT_MAX;
    }

    void extremeCellSizes()
    {
        QFETCH(int, cellSize);
        const Geometry g(cellSize, 7);
        for (int x : {INT_MIN, -1, 0, 100, 101, 140, 1000, INT_MAX})
            for (int y : {INT_MIN, 55, 56, 1000, INT_MAX}) {
                const std::optional<Cell> c = g.CellAt(x, y);
                if (cellSize < 1)
                    QVERIFY(!c);
                else if (c)
                    QVERIFY(c->i >= 0 && c->i < 7 && c->j >= 0 && c->j < 7 && c->k >= 0 && c->k < 7 && c->l >= 0
                            && c->l < 7);
            }
        if (cellSize == INT_MAX) {
            QCOMPARE(g.BlockPitch(), std::int64_t{INT_MAX} * 7 + 5);
            QCOMPARE(g.CellOrigin({6, 6, 6, 6}).x, 100 + 6 * (std::int64_t{INT_MAX} * 7 + 5) + 6 * std::int64_t{INT_MAX});
            QCOMPARE(*g.CellAt(INT_MAX, 55), (Cell{0, 0, 0, 0}));
        }
    }
};

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
