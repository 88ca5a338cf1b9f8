#pragma once

#include <cmath>

namespace lccd {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Nearest integer, halves away from zero (2.5 -> 3, -2.5 -> -3).
inline int RoundHalfAway(double value) {
    return static_cast<int>(std::round(value));
}

} // namespace lccd
