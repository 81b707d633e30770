// Benchmarks of the game's commands with their painting: a move, a start, opening a saved game.
#include "Board.h"
#include "Game.h"
#include "Geometry.h"
#include "Painting.h"
#include "SavedGame.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <cstdlib>

using namespace kestrune;

namespace {

// The main window's part of a move, without a window: hit test, painting into a client-sized image.
class BenchHost final : public GameHost {
public:
    BenchHost(const SettingsRecord& settings, const Game* const& game)
        : m_settings(settings), m_game(game), m_canvas(1024, 900, QImage::Format_RGB32)
    {
        m_canvas.fill(Qt::black);
    }

    Geometry geometry() const { return Geometry(m_settings.CellSize, m_game->BoardSize); }

    std::optional<Cell> CellAt(int x, int y) const override { return geometry().CellAt(x, y); }
    void PaintBoard() override
    {
        Canvas canvas(m_canvas);
        kestrune::PaintBoard(canvas, *m_game->board(), geometry(), m_settings, m_game->Exploded);
    }
    void ClearBoardArea() override
    {
        Canvas canvas(m_canvas);
        kestrune::ClearBoardArea(canvas, geometry());
    }
    void SetSizeBoxEnabled(bool) override {}
    int SizeBoxIndex() const override { return sizeIndex; }
    void ShowOutcome(bool) override {}
    void ShowMessage(std::string_view, std::string_view, int) override {}

    int sizeIndex = 4;

private:
    const SettingsRecord& m_settings;
    const Game* const& m_game;
    QImage m_canvas;
};

class NullSink final : public MessageSink {
public:
    void ShowMessage(std::string_view, std::string_view, int) override {}
};

class SavedGameBenchHost final : public SavedGameHost {
public:
    explicit SavedGameBenchHost(BenchHost& game) : m_game(game) {}
    std::optional<QString> ChooseSaveFileName() override { return std::nullopt; }
    std::optional<QString> ChooseOpenFileName() override { return fileName; }
    void SelectSizeIndex(int index) override { m_game.sizeIndex = index; }
    void PaintBoard() override { m_game.PaintBoard(); }
    void ShowMessage(std::string_view, std::string_view, int) override {}
    QString fileName;

private:
    BenchHost& m_game;
};

struct Session {
    SettingsRecord settings;
    Messages messages;
    const Game* gamePointer = nullptr;
    BenchHost host{settings, gamePointer};
    Game game{host, settings, messages};
    Session() { gamePointer = &game; }
};

// A 7x7x7x7 game in the middle of play: every cell without a mine opened but one.
void BM_Move(benchmark::State& state)
{
    Session s;
    s.game.Start();
    Board& board = *s.game.board();
    std::srand(7);
    board.PlaceMines(7);
    int closed = -1;
    for (int index = 0; index < board.CellCount(); ++index) {
        if (board.MinesAt(index))
            continue;
        board.OpenedAt(index) = 1;
        closed = index;
    }
    const PixelPoint centre = s.host.geometry().CellCentre(board.CellOf(closed));
    for (auto _ : state) {
        state.PauseTiming();
        board.OpenedAt(closed) = 0;
        state.ResumeTiming();
        s.game.FormMouseUp(kLeftButton, int(centre.x), int(centre.y));
    }
}

void BM_StartGame(benchmark::State& state)
{
    Session s;
    s.host.sizeIndex = int(state.range(0)) - Board::kMinSize;
    for (auto _ : state) {
        s.game.Start();
        state.PauseTiming();
        s.game.Stop();
        state.ResumeTiming();
    }
}

void BM_OpenSavedGame(benchmark::State& state)
{
    Session s;
    SavedGameBenchHost saved(s.host);
    const int n = int(state.range(0));
    s.host.sizeIndex = n - Board::kMinSize;
    s.game.Start();
    std::srand(11);
    s.game.board()->PlaceMines(7);
    for (int index = 0; index < s.game.board()->CellCount(); index += 2)
        s.game.board()->OpenedAt(index) = 1;
    const std::string text = EncodeGame(*s.game.board());
    const QString fileName = QStringLiteral("/tmp/kestrune-bench-%1.sav").arg(n);
    NullSink sink;
    WriteGameFile(text, fileName, sink);
    saved.fileName = fileName;
    for (auto _ : state) {
        OpenGameCommand(s.game, saved);  // stops the running game, then opens the file
    }
    QFile::remove(fileName);
}

}  // namespace

BENCHMARK(BM_Move)->Name("BM_Move/7")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartGame)->Arg(7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSavedGame)->Arg(7)->Unit(benchmark::kMillisecond);
