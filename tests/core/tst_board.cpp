// The board: mine placement, the neighbour count, the resolution test and the random helpers.
#include "Board.h"
#include "Random.h"

#include <QTest>
#include <cstdlib>
#include <ctime>
#include <vector>

using namespace kestrune;

namespace {

std::vector<std::uint8_t> MinesOf(const Board& board)
{
    std::vector<std::uint8_t> mines;
    for (int index = 0; index < board.CellCount(); ++index)
        mines.push_back(board.MinesAt(index));
    return mines;
}

// The count as the rules define it: all 81 offsets, each coordinate checked against the board.
int ReferenceMinesAround(const Board& b, const Cell& c)
{
    const int n = b.Size();
    int count = 0;
    for (int di = -1; di <= 1; ++di)
        for (int dj = -1; dj <= 1; ++dj)
            for (int dk = -1; dk <= 1; ++dk)
                for (int dl = -1; dl <= 1; ++dl) {
                    const Cell d{c.i + di, c.j + dj, c.k + dk, c.l + dl};
                    if (d.i >= 0 && d.i < n && d.j >= 0 && d.j < n && d.k >= 0 && d.k < n && d.l >= 0 && d.l < n)
                        count += b.Mines(d) != 0;
                }
    return count;
}

}  // namespace

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void indexRunsLFastest()
    {
        const Board board(4);
        QCOMPARE(board.Index({0, 0, 0, 1}), 1);
        QCOMPARE(board.Index({0, 0, 1, 0}), 4);
        QCOMPARE(board.Index({1, 2, 1, 0}), 64 + 32 + 4);
        for (int index = 0; index < board.CellCount(); ++index)
            QCOMPARE(board.Index(board.CellOf(index)), index);
    }

    void placeMinesByPercent_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("minMines");
        QTest::addColumn<int>("maxMines");
        QTest::newRow("-2147483648") << int(INT32_MIN) << 0 << 0;
        QTest::newRow("0") << 0 << 0 << 0;
        QTest::newRow("100") << 100 << 625 << 625;
        QTest::newRow("2147483647") << int(INT32_MAX) << 625 << 625;
        QTest::newRow("7") << 7 << 1 << 120;
    }

    void placeMinesByPercent()
    {
        QFETCH(int, percent);
        QFETCH(int, minMines);
        QFETCH(int, maxMines);
        Board board(5);
        board.Opened({1, 1, 1, 1}) = 1;
        board.Marked({2, 2, 2, 2}) = 1;
        std::srand(1234);
        board.PlaceMines(percent);
        int mines = 0;
        for (int index = 0; index < board.CellCount(); ++index) {
            mines += board.MinesAt(index);
            QCOMPARE(board.OpenedAt(index), 0);
            QCOMPARE(board.MarkedAt(index), 0);
        }
        QVERIFY2(mines >= minMines && mines <= maxMines, qPrintable(QString::number(mines)));
    }

    void onePercentPlacesAMineExactlyWhereTheDrawIsZero()
    {
        Board board(3);
        std::srand(99);
        board.PlaceMines(1);
        std::srand(99);
        for (int index = 0; index < board.CellCount(); ++index)
            QCOMPARE(board.MinesAt(index), std::rand() % 100 == 0 ? 1 : 0);
    }

    void sameSecondGivesSameMines()
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const std::time_t before = std::time(nullptr);
            Board first(6);
            SeedFromClock();
            first.PlaceMines(30);
            Board second(6);
            SeedFromClock();
            second.PlaceMines(30);
            if (std::time(nullptr) != before)
                continue;  // a second boundary fell between the two; try again
            QCOMPARE(MinesOf(first), MinesOf(second));
            return;
        }
        QFAIL("could not create two boards within one second");
    }

    void minesAround()
    {
        Board full(3);
        std::srand(1);
        full.PlaceMines(100);
        QCOMPARE(full.MinesAround({1, 1, 1, 1}), 81);
        QCOMPARE(full.MinesAround({0, 0, 0, 0}), 16);
        QCOMPARE(full.MinesAround({2, 1, 0, 1}), 3 * 2 * 3 * 2);

        Board lone(5);
        lone.Mines({2, 3, 4, 0}) = 1;
        QCOMPARE(lone.MinesAround({2, 3, 4, 0}), 1);
        QCOMPARE(lone.MinesAround({1, 2, 3, 1}), 1);
        QCOMPARE(lone.MinesAround({0, 3, 4, 0}), 0);

        // Any non-zero byte is a mine, and random boards agree with the count by definition.
        Board random(7);
        std::srand(7);
        random.PlaceMines(20);
        random.Mines({6, 6, 6, 6}) = 0xFF;
        for (int index = 0; index < random.CellCount(); ++index) {
            const Cell c = random.CellOf(index);
            QCOMPARE(random.MinesAround(c), ReferenceMinesAround(random, c));
        }
    }

    void minesAroundText()
    {
        QCOMPARE(MinesAroundText(0), std::string());
        QCOMPARE(MinesAroundText(1), std::string("1"));
        QCOMPARE(MinesAroundText(12), std::string("12"));
        QCOMPARE(MinesAroundText(81), std::string("81"));
    }

    void resolvedWhenTheLastCellGetsAFlag()
    {
        Board board(3);
        QVERIFY(!board.AllCellsResolved());
        for (int index = 0; index + 1 < board.CellCount(); ++index)
            (index % 2 ? board.OpenedAt(index) : board.MarkedAt(index)) = 1;
        QVERIFY(!board.AllCellsResolved());
        board.MarkedAt(board.CellCount() - 1) = 2;
        QVERIFY(board.AllCellsResolved());
    }

    void randomBelow()
    {
        std::srand(42);
        const int first = std::rand();
        std::srand(42);
        QCOMPARE(RandomBelow(0), 0);  // draws nothing
        QCOMPARE(RandomBelow(1000000007), first % 1000000007);
        for (int n = 0; n < 1000; ++n) {
            const int r = RandomBelow(16);
            QVERIFY(r >= 0 && r < 16);
        }
    }
};

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
