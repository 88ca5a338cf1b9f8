#pragma once

#include <cmath>
#include <limits>

namespace lccd {

// A rounded value as an int; values beyond the int range (a row may ask for a font of 1e30
// points) saturate instead of being undefined.
inline int saturatedInt(double rounded) {
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    if (!(rounded > low)) // NaN too
        return std::isnan(rounded) ? 0 : std::numeric_limits<int>::min();
    return rounded < high ? static_cast<int>(rounded) : std::numeric_limits<int>::max();
}

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int RoundHalfEven(double value) {
    return saturatedInt(std::nearbyint(value));
}

// Nearest integer, halves away from zero (2.5 -> 3, -2.5 -> -3).
inline int RoundHalfAway(double value) {
    return saturatedInt(std::round(value));
}

} // namespace lccd
