// Numbers taken to whole counts the way the program's rules want them: to the
// nearest integer, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Pure C++, no Win32: the native checks build it too.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// Nothing when the rounded value leaves the signed 32-bit range (or is not a number).
inline std::optional<std::int32_t> roundToInt32(double value) {
    const int previousMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previousMode);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}
