// Painting the board on the main window's canvas.
#include "Painting.h"

namespace kestrune {

void PaintBoard(Canvas&, const Board&, const Geometry&, const SettingsRecord&, bool) {}
void ClearBoardArea(Canvas&, const Geometry&) {}
void DrawExplosion(Canvas&, std::int64_t, std::int64_t, int, Color) {}

}  // namespace kestrune
