// The cells of one game: three one-byte layers over an n x n x n x n grid.
#pragma once

#include "Types.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kestrune {

class Board {
public:
    static constexpr int kMinSize = 3;
    static constexpr int kMaxSize = 7;

    // Allocates n^4 cells with every layer cleared; n must lie in kMinSize..kMaxSize.
    // Throws std::bad_alloc when the memory cannot be had.
    explicit Board(int n);

    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    int Size() const { return m_n; }
    int CellCount() const { return m_cells; }

    // Position of a cell in storage and in the saved-game file: i outermost, l fastest.
    // The only place that computes it.
    int Index(const Cell& c) const { return ((c.i * m_n + c.j) * m_n + c.k) * m_n + c.l; }
    Cell CellOf(int index) const;

    // Raw layer bytes. Only 0 and 1 are written by the game; any non-zero byte reads as set.
    std::uint8_t& Mines(const Cell& c) { return m_mines[Index(c)]; }
    std::uint8_t& Opened(const Cell& c) { return m_opened[Index(c)]; }
    std::uint8_t& Marked(const Cell& c) { return m_marked[Index(c)]; }
    std::uint8_t Mines(const Cell& c) const { return m_mines[Index(c)]; }
    std::uint8_t Opened(const Cell& c) const { return m_opened[Index(c)]; }
    std::uint8_t Marked(const Cell& c) const { return m_marked[Index(c)]; }

    // The same bytes by storage index, for loops that walk every cell in order.
    std::uint8_t& MinesAt(int index) { return m_mines[index]; }
    std::uint8_t& OpenedAt(int index) { return m_opened[index]; }
    std::uint8_t& MarkedAt(int index) { return m_marked[index]; }
    std::uint8_t MinesAt(int index) const { return m_mines[index]; }
    std::uint8_t OpenedAt(int index) const { return m_opened[index]; }
    std::uint8_t MarkedAt(int index) const { return m_marked[index]; }

    // Draws one value per cell in storage order (RandomBelow(100)) and places a mine where it is
    // below minesPercent. Does not seed the generator.
    void PlaceMines(int minesPercent);

    // Mines in the 3 x 3 x 3 x 3 block around the cell, clipped at the edges, the cell itself
    // included: 0 to 81.
    int MinesAround(const Cell& c) const;

    // True when every cell is opened or marked.
    bool AllCellsResolved() const;

private:
    int m_n;
    int m_cells;
    std::unique_ptr<std::uint8_t[]> m_mines;
    std::unique_ptr<std::uint8_t[]> m_opened;
    std::unique_ptr<std::uint8_t[]> m_marked;
};

// The count as painted on an opened cell: decimal digits, or the empty text for 0.
std::string MinesAroundText(int count);

}  // namespace kestrune
