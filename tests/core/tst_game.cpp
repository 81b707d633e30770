// The rules of play: start, stop, moves, the end of a game and a failed board.
#include "RecordingHost.h"

#include <QTest>
#include <new>

using namespace kestrune;
using Calls = std::vector<std::string>;

Q_DECLARE_METATYPE(Calls)

namespace {

const std::string kAlready = "box You already started a game | Warning | 48";
const std::string kNotIn = "box You are not currently in game | Warning | 48";

struct Fixture {
    SettingsRecord settings;
    Messages messages;
    RecordingHost host;
    Game game{host, settings, messages};

    Fixture()
    {
        settings.MinesPercent = 0;
        messages.MsgAlreadyInGame = "You already started a game";
        messages.MsgNotInGame = "You are not currently in game";
        messages.MsgWarning = "Warning";
    }

    // Starts a mine-free game of size n, then lays the given mines.
    void StartWith(int n, std::initializer_list<Cell> mines = {})
    {
        host.sizeIndex = n - 3;
        game.Start();
        for (const Cell& c : mines)
            game.board()->Mines(c) = 1;
        host.calls.clear();
    }

    void Release(int button, const Cell& c) { game.FormMouseUp(button, RecordingHost::X(c), 0); }

    // Opens or marks every cell except the one given, without touching the rules.
    void ResolveAllBut(const Cell& left)
    {
        Board& b = *game.board();
        for (int index = 0; index < b.CellCount(); ++index)
            if (index != b.Index(left))
                (b.MinesAt(index) ? b.MarkedAt(index) : b.OpenedAt(index)) = 1;
    }
};

}  // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void startAndStop()
    {
        Fixture f;
        f.host.sizeIndex = 2;
        f.game.Exploded = true;
        f.game.Start();
        QCOMPARE(f.host.calls, (Calls{"disable", "paint"}));
        QVERIFY(f.game.InGame);
        QVERIFY(!f.game.Exploded);
        QCOMPARE(f.game.BoardSize, 5);
        QCOMPARE(f.game.board()->Size(), 5);

        // A second start only warns; the board, its marks and Exploded stay.
        Board* board = f.game.board();
        board->Marked({1, 1, 1, 1}) = 1;
        f.game.Exploded = true;
        f.host.calls.clear();
        f.game.Start();
        QCOMPARE(f.host.calls, (Calls{kAlready}));
        QCOMPARE(f.game.board(), board);
        QCOMPARE(board->Marked({1, 1, 1, 1}), 1);
        QVERIFY(f.game.Exploded);

        f.host.calls.clear();
        f.game.Stop();
        QCOMPARE(f.host.calls, (Calls{"enable", "clear"}));
        QVERIFY(!f.game.InGame);
        QVERIFY(!f.game.Exploded);
        QVERIFY(!f.game.board());
        QCOMPARE(f.game.BoardSize, 5);  // kept for clearing the area of the last board

        f.host.calls.clear();
        f.game.Stop();
        QCOMPARE(f.host.calls, (Calls{kNotIn}));
    }

    void releaseWithoutEffect()
    {
        Fixture f;
        f.Release(kLeftButton, {0, 0, 0, 0});  // no game
        f.StartWith(3);
        f.game.FormMouseUp(kLeftButton, 0, 1);  // a gap
        f.game.FormMouseUp(kRightButton, -5, 0);
        QVERIFY(f.host.calls.empty());
        QVERIFY(!f.game.board()->Opened({0, 0, 0, 0}));
    }

    // Each row: a board of size 3 with a mine at (1,1,1,1), a state for the clicked cell, a button,
    // then the calls made, whether the game goes on and whether it exploded.
    void moves_data()
    {
        QTest::addColumn<bool>("mine");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<int>("button");
        QTest::addColumn<Calls>("calls");
        QTest::addColumn<bool>("stillInGame");
        QTest::addColumn<bool>("exploded");
        const Calls defeat{"paint", "defeat", "clear", "enable"};
        QTest::newRow("open closed empty cell") << false << false << false << 0 << Calls{"paint"} << true << false;
        QTest::newRow("open unmarked mine") << true << false << false << 0 << defeat << false << true;
        QTest::newRow("open marked mine") << true << false << true << 0 << Calls{"paint"} << true << false;
        QTest::newRow("open opened cell") << false << true << false << 0 << Calls{} << true << false;
        QTest::newRow("mark a mine") << true << false << false << 1 << Calls{"paint"} << true << false;
        QTest::newRow("mark empty cell") << false << false << false << 1 << defeat << false << false;
        QTest::newRow("mark opened empty cell") << false << true << false << 1 << defeat << false << false;
        QTest::newRow("mark marked cell") << true << false << true << 1 << Calls{} << true << false;
        QTest::newRow("middle button") << true << false << false << 2 << Calls{} << true << false;
        QTest::newRow("fourth button") << false << false << false << 3 << Calls{} << true << false;
    }

    void moves()
    {
        QFETCH(bool, mine);
        QFETCH(bool, opened);
        QFETCH(bool, marked);
        QFETCH(int, button);
        QFETCH(Calls, calls);
        QFETCH(bool, stillInGame);
        QFETCH(bool, exploded);
        const Cell c{1, 1, 1, 1};
        Fixture f;
        f.StartWith(3, {{0, 0, 0, 0}});
        Board& b = *f.game.board();
        b.Mines(c) = mine;
        b.Opened(c) = opened;
        b.Marked(c) = marked;
        bool boardDuringOutcome = false;
        f.host.onOutcome = [&](bool) { boardDuringOutcome = f.game.board() && !f.game.InGame; };
        f.Release(button, c);
        QCOMPARE(f.host.calls, calls);
        QCOMPARE(f.game.InGame, stillInGame);
        QCOMPARE(f.game.Exploded, exploded);
        QCOMPARE(f.game.board() != nullptr, stillInGame);
        if (!stillInGame)
            QVERIFY(boardDuringOutcome);
        else if (button == kLeftButton)
            QVERIFY(b.Opened(c));
        else if (button == kRightButton)
            QVERIFY(b.Marked(c));
    }

    // On a board with every cell resolved, any release over a cell wins at once, except a right
    // click on an opened empty unmarked cell, which loses.
    void resolvedBoardWinsOnAnyRelease_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<Calls>("calls");
        QTest::newRow("left") << 0 << Calls{"paint", "victory", "clear", "enable"};
        QTest::newRow("middle") << 2 << Calls{"paint", "victory", "clear", "enable"};
        QTest::newRow("right on opened empty") << 1 << Calls{"paint", "defeat", "clear", "enable"};
    }

    void resolvedBoardWinsOnAnyRelease()
    {
        QFETCH(int, button);
        QFETCH(Calls, calls);
        Fixture f;
        f.StartWith(3, {{2, 2, 2, 2}});
        f.ResolveAllBut({0, 0, 0, 0});
        f.game.board()->Opened({0, 0, 0, 0}) = 1;
        f.Release(button, {0, 0, 0, 0});
        QCOMPARE(f.host.calls, calls);
        QVERIFY(!f.game.InGame);
    }

    void lastMoveWinsAfterTwoPaintings()
    {
        Fixture f;
        f.StartWith(4, {{3, 3, 3, 3}});
        f.ResolveAllBut({3, 3, 3, 3});
        f.Release(kRightButton, {3, 3, 3, 3});
        QCOMPARE(f.host.calls, (Calls{"paint", "paint", "victory", "clear", "enable"}));

        f.host.calls.clear();
        f.StartWith(4);
        QVERIFY(!f.game.Exploded);
        f.ResolveAllBut({0, 1, 2, 3});
        f.Release(kLeftButton, {0, 1, 2, 3});
        QCOMPARE(f.host.calls, (Calls{"paint", "paint", "victory", "clear", "enable"}));
    }

    void everyCellAMine()
    {
        Fixture f;
        f.settings.MinesPercent = 100;
        f.StartWith(3);
        f.Release(kLeftButton, {2, 0, 1, 0});
        QCOMPARE(f.host.calls.at(1), std::string("defeat"));

        f.StartWith(3);
        // The last mark ends the game and frees the board, so the cells are listed beforehand.
        std::vector<Cell> cells;
        for (int index = 0; index < f.game.board()->CellCount(); ++index)
            cells.push_back(f.game.board()->CellOf(index));
        for (const Cell& c : cells)
            f.game.FormMouseUp(kRightButton, RecordingHost::X(c), 0);
        QCOMPARE(f.host.calls.back(), std::string("enable"));
        QCOMPARE(f.host.calls.at(f.host.calls.size() - 3), std::string("victory"));
    }

    void failedAllocationLeavesNoGame()
    {
        Fixture f;
        f.game.SetAllocator([](int) -> std::unique_ptr<Board> { throw std::bad_alloc(); });
        f.game.Start();
        QCOMPARE(f.host.calls, (Calls{"disable", "box Cannot allocate memory | ERROR! | 16", "enable"}));
        QVERIFY(!f.game.InGame);
        QVERIFY(!f.game.board());
        f.Release(kLeftButton, {0, 0, 0, 0});
        f.game.Stop();
        QCOMPARE(f.host.calls.back(), kNotIn);
    }
};

QTEST_APPLESS_MAIN(TestGame)
#include "tst_game.moc"
