// The shared pseudo-random generator: board creation and the explosion drawing both use it.
#pragma once

namespace kestrune {

// Seeds the standard generator with the current calendar time in whole seconds.
void SeedFromClock();

// The generator's next value modulo a; 0 for a == 0, without drawing. Never negative for a > 0.
int RandomBelow(int a);

}  // namespace kestrune
