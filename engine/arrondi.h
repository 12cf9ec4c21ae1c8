#pragma once
#include <cmath>

// Round half to even (40.5 gives 40, 41.5 gives 42), the rounding of the
// whole game; truncation is always written as such.
inline int arrondi(double x) { return static_cast<int>(std::nearbyint(x)); }
