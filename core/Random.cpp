// The shared pseudo-random generator, on the standard library's srand and rand.
#include "Random.h"

#include <cstdlib>
#include <ctime>

namespace kestrune {

void SeedFromClock()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

int RandomBelow(int a)
{
    if (a == 0)
        return 0;
    return std::rand() % a;
}

}  // namespace kestrune
