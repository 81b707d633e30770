// Where the cells lie on the main window, and which cell lies under a point.
#pragma once

#include "Types.h"

#include <cstdint>
#include <optional>

namespace kestrune {

// A point in client pixels. Wide enough for any stored cell size times the largest board.
struct PixelPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The board is laid out flat as BoardSize x BoardSize blocks of BoardSize x BoardSize cells,
// each block followed by a 5-pixel gap to its right and below it. This class is the only code
// that turns cells into pixels and back.
class Geometry {
public:
    static constexpr int kOriginX = 100;
    static constexpr int kOriginY = 55;
    static constexpr int kGap = 5;

    // A cell size below 1 cannot be laid out; such a geometry has no cells (CellAt gives none).
    Geometry(int cellSize, int boardSize, int originX = kOriginX, int originY = kOriginY)
        : m_cellSize(cellSize), m_boardSize(boardSize), m_originX(originX), m_originY(originY) {}

    int CellSize() const { return m_cellSize; }
    int BoardSize() const { return m_boardSize; }
    int OriginX() const { return m_originX; }
    int OriginY() const { return m_originY; }

    // Distance from one block's left (top) edge to the next one's: CellSize x BoardSize + 5.
    std::int64_t BlockPitch() const { return std::int64_t{m_cellSize} * m_boardSize + kGap; }
    // Width and height of the board area, the gap after the last block included.
    std::int64_t BoardExtent() const { return std::int64_t{m_boardSize} * BlockPitch(); }

    // Top-left pixel of the cell's square; the square is CellSize pixels wide and high.
    PixelPoint CellOrigin(const Cell& c) const
    {
        return {m_originX + c.k * BlockPitch() + std::int64_t{c.i} * m_cellSize,
                m_originY + c.l * BlockPitch() + std::int64_t{c.j} * m_cellSize};
    }

    // The centre of the cell's square: for an even size, the lower right of the middle four.
    PixelPoint CellCentre(const Cell& c) const
    {
        const PixelPoint o = CellOrigin(c);
        return {o.x + m_cellSize / 2, o.y + m_cellSize / 2};
    }

    // The cell whose square holds the point, or none for a gap or a point off the board.
    std::optional<Cell> CellAt(std::int64_t x, std::int64_t y) const;

private:
    int m_cellSize;
    int m_boardSize;
    int m_originX;
    int m_originY;
};

}  // namespace kestrune
