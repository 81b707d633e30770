// Painting the board on the main window's canvas, and clearing the board area.
#pragma once

#include "Board.h"
#include "Canvas.h"
#include "Geometry.h"
#include "Types.h"

#include <cstdint>
#include <vector>

namespace kestrune {

// The main window's background, to which the board area is cleared.
inline constexpr Color kBackgroundColor = 0x000000;

// Draws every cell of the board: a raised square while closed, a sunken one with its count once
// opened, a filled square for an opened unmarked mine (with the explosion when exploded) and an
// ellipse on every marked mine. Costs what the visible part of the canvas costs.
void PaintBoard(Canvas& canvas, const Board& board, const Geometry& geometry, const SettingsRecord& colors,
                bool exploded);

// Fills the board area of the geometry's cell and board size with the background colour.
void ClearBoardArea(Canvas& canvas, const Geometry& geometry);

// 30 rays from (cx, cy) in BoomColor towards pixels of the cell's square; reseeds the shared
// generator from the clock, so paintings within one second draw the same rays.
void DrawExplosion(Canvas& canvas, std::int64_t cx, std::int64_t cy, int cellSize, Color boomColor);

// MinesAround of every cell at once, in storage order: the same numbers for a fraction of the
// reads, summing the mines along one axis at a time.
std::vector<std::uint8_t> MinesAroundAll(const Board& board);

}  // namespace kestrune
