// The start and stop commands, the moves and the end of a game.
#include "Game.h"

#include "Random.h"

#include <new>

namespace kestrune {

Game::Game(GameHost& host, const SettingsRecord& settings, const Messages& messages)
    : m_host(host)
    , m_settings(settings)
    , m_messages(messages)
    , m_allocate([](int n) { return std::make_unique<Board>(n); })
{
}

bool Game::CreateBoard()
{
    SeedFromClock();
    try {
        m_board = m_allocate(BoardSize);
    } catch (const std::bad_alloc&) {
        m_board.reset();
    }
    if (!m_board) {
        m_host.ShowMessage("Cannot allocate memory", "ERROR!", kMbError);
        return false;
    }
    m_board->PlaceMines(m_settings.MinesPercent);
    return true;
}

void Game::FreeBoard()
{
    m_board.reset();
}

void Game::Start()
{
    if (InGame) {
        m_host.ShowMessage(m_messages.MsgAlreadyInGame, m_messages.MsgWarning, kMbWarning);
        return;
    }
    InGame = true;
    m_host.SetSizeBoxEnabled(false);
    const int index = m_host.SizeBoxIndex();
    if (index >= 0 && index <= Board::kMaxSize - Board::kMinSize)
        BoardSize = index + Board::kMinSize;
    if (!CreateBoard()) {
        // Nothing of a failed board is painted or kept: back to no game at all.
        InGame = false;
        m_host.SetSizeBoxEnabled(true);
        return;
    }
    Exploded = false;
    m_host.PaintBoard();
}

void Game::Stop()
{
    if (!InGame) {
        m_host.ShowMessage(m_messages.MsgNotInGame, m_messages.MsgWarning, kMbWarning);
        return;
    }
    InGame = false;
    Exploded = false;
    FreeBoard();
    m_host.SetSizeBoxEnabled(true);
    m_host.ClearBoardArea();
}

void Game::FormMouseUp(int button, int x, int y)
{
    const std::optional<Cell> hit = m_host.CellAt(x, y);
    if (!hit || !InGame || !m_board)
        return;
    Board& b = *m_board;
    const Cell c = *hit;
    if (c.i < 0 || c.j < 0 || c.k < 0 || c.l < 0 || c.i >= b.Size() || c.j >= b.Size() || c.k >= b.Size()
        || c.l >= b.Size())
        return;

    if (button == kLeftButton) {
        if (!b.Opened(c)) {
            b.Opened(c) = 1;
            if (b.Mines(c) && !b.Marked(c)) {
                Exploded = true;
                EndGame(false);
                return;
            }
            m_host.PaintBoard();
        }
    } else if (button == kRightButton) {
        if (!b.Marked(c)) {
            b.Marked(c) = 1;
            if (!b.Mines(c)) {
                EndGame(false);
                return;
            }
            m_host.PaintBoard();
        }
    }

    if (InGame && b.AllCellsResolved())
        EndGame(true);
}

void Game::EndGame(bool victory)
{
    m_host.PaintBoard();
    InGame = false;
    m_host.ShowOutcome(victory);
    m_host.ClearBoardArea();
    FreeBoard();
    m_host.SetSizeBoxEnabled(true);
}

}  // namespace kestrune
