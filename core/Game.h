// The life of one game and the rules of play: start, stop, a move, the end of a game.
#pragma once

#include "Board.h"
#include "Types.h"

#include <functional>
#include <memory>
#include <optional>

namespace kestrune {

// What the rules need of the main window. The window implements it; tests record the calls.
class GameHost : public MessageSink {
public:
    // The cell under a point of the client area, or none.
    virtual std::optional<Cell> CellAt(int x, int y) const = 0;
    virtual void PaintBoard() = 0;
    virtual void ClearBoardArea() = 0;
    // The size box: enabled exactly while no board exists; its item index is n - 3.
    virtual void SetSizeBoxEnabled(bool enabled) = 0;
    virtual int SizeBoxIndex() const = 0;
    // Shows the outcome window modally and returns when the player has closed it.
    virtual void ShowOutcome(bool victory) = 0;
};

// Mouse buttons as the platform codes them in a release event.
enum MouseButton : int { kLeftButton = 0, kRightButton = 1, kMiddleButton = 2 };

class Game {
public:
    // The settings and messages are read at the moment they are needed, so they follow changes.
    Game(GameHost& host, const SettingsRecord& settings, const Messages& messages);

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    bool InGame = false;
    // The player opened a mine that was not marked; the painting then draws the explosion.
    bool Exploded = false;
    // Set by the hidden console, never cleared; the outcome window shows a larger blast.
    bool NuclearMode = false;
    // Edge length of the current or last board, always 3 to 7.
    int BoardSize = Board::kMinSize;

    // The board of the game in progress (also while its outcome is announced), or null.
    Board* board() { return m_board.get(); }
    const Board* board() const { return m_board.get(); }

    // The start command: warns when a game runs, else creates a board of the size box's size.
    void Start();
    // The stop command: warns when no game runs, else drops the game silently.
    void Stop();
    // A mouse release over the client area: button 0 opens, 1 marks, others only test victory.
    void FormMouseUp(int button, int x, int y);
    // Paints the final board, announces the outcome, then clears and releases the board.
    void EndGame(bool victory);

    // Seeds the generator and makes a fresh board of BoardSize with random mines. On failure shows
    // "Cannot allocate memory" and returns false; no board exists then.
    bool CreateBoard();
    // Releases the board, if any. Never reports anything.
    void FreeBoard();

    // Replaces how boards are allocated, so a failing allocation can be tried.
    using Allocator = std::function<std::unique_ptr<Board>(int n)>;
    void SetAllocator(Allocator allocator) { m_allocate = std::move(allocator); }

private:
    GameHost& m_host;
    const SettingsRecord& m_settings;
    const Messages& m_messages;
    std::unique_ptr<Board> m_board;
    Allocator m_allocate;
};

}  // namespace kestrune
