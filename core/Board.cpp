// The board's storage, mine placement, neighbour count and resolution test.
#include "Board.h"

#include "Random.h"

#include <algorithm>

namespace kestrune {

Board::Board(int n)
    : m_n(n)
    , m_cells(n * n * n * n)
    , m_mines(new std::uint8_t[m_cells]())
    , m_opened(new std::uint8_t[m_cells]())
    , m_marked(new std::uint8_t[m_cells]())
{
}

Cell Board::CellOf(int index) const
{
    Cell c;
    c.l = index % m_n;
    index /= m_n;
    c.k = index % m_n;
    index /= m_n;
    c.j = index % m_n;
    c.i = index / m_n;
    return c;
}

void Board::PlaceMines(int minesPercent)
{
    for (int index = 0; index < m_cells; ++index) {
        m_mines[index] = RandomBelow(100) < minesPercent ? 1 : 0;
        m_opened[index] = 0;
        m_marked[index] = 0;
    }
}

int Board::MinesAround(const Cell& c) const
{
    const int iFrom = std::max(c.i - 1, 0), iTo = std::min(c.i + 1, m_n - 1);
    const int jFrom = std::max(c.j - 1, 0), jTo = std::min(c.j + 1, m_n - 1);
    const int kFrom = std::max(c.k - 1, 0), kTo = std::min(c.k + 1, m_n - 1);
    const int lFrom = std::max(c.l - 1, 0), lTo = std::min(c.l + 1, m_n - 1);
    int count = 0;
    for (int i = iFrom; i <= iTo; ++i)
        for (int j = jFrom; j <= jTo; ++j)
            for (int k = kFrom; k <= kTo; ++k) {
                const std::uint8_t* row = &m_mines[Index({i, j, k, 0})];
                for (int l = lFrom; l <= lTo; ++l)
                    count += row[l] != 0;
            }
    return count;
}

bool Board::AllCellsResolved() const
{
    for (int index = 0; index < m_cells; ++index)
        if (!m_opened[index] && !m_marked[index])
            return false;
    return true;
}

std::string MinesAroundText(int count)
{
    return count == 0 ? std::string() : std::to_string(count);
}

}  // namespace kestrune
