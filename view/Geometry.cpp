// Hit-testing of client pixels against the board layout.
#include "Geometry.h"

namespace kestrune {

std::optional<Cell> Geometry::CellAt(std::int64_t x, std::int64_t y) const
{
    if (m_cellSize < 1 || m_boardSize < 1)
        return std::nullopt;
    const std::int64_t pitch = BlockPitch();
    const std::int64_t extent = BoardExtent();
    if (x < m_originX || y < m_originY || x > m_originX + extent || y > m_originY + extent)
        return std::nullopt;
    const std::int64_t dx = x - m_originX;
    const std::int64_t dy = y - m_originY;
    const std::int64_t k = dx / pitch;
    const std::int64_t l = dy / pitch;
    const std::int64_t i = dx % pitch / m_cellSize;
    const std::int64_t j = dy % pitch / m_cellSize;
    const auto inside = [this](std::int64_t v) { return v >= 0 && v < m_boardSize; };
    if (!inside(i) || !inside(j) || !inside(k) || !inside(l))
        return std::nullopt;
    return Cell{static_cast<int>(i), static_cast<int>(j), static_cast<int>(k), static_cast<int>(l)};
}

}  // namespace kestrune
