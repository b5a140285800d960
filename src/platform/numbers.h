#pragma once
// Number conversions as the desktop's own runtime makes them.

#include <cmath>

namespace velmoor {

// To the nearest whole number, halves to the even one (2.5 to 2, 3.5 to 4), as the
// desktop's conversions of numbers round; not std::round, which takes halves away from zero.
inline double roundHalfToEven(double value)
{
    return std::nearbyint(value); // the default rounding mode: to nearest, ties to even
}

} // namespace velmoor
