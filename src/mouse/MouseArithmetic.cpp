#include "mouse/MouseArithmetic.h"

#include "mouse/MouseError.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t checked(std::int64_t value) {
    if (value < kMin || value > kMax) throw MouseError(MouseError::kOverflow, "Overflow");
    return static_cast<std::int32_t>(value);
}

double roundHalfToEven(double value) {
    const int previousMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previousMode);
    return rounded;
}

}  // namespace

std::int32_t ScaleToAbsolute(std::int32_t coordinate, std::int32_t screenSize) {
    if (screenSize == 0) throw MouseError(MouseError::kDivisionByZero, "Division by zero");
    const double scaled = roundHalfToEven(static_cast<double>(coordinate) / screenSize * 65535.0);
    if (scaled < static_cast<double>(kMin) || scaled > static_cast<double>(kMax))
        throw MouseError(MouseError::kOverflow, "Overflow");
    return static_cast<std::int32_t>(scaled);
}

std::int32_t Midpoint(std::int32_t low, std::int32_t high) {
    const std::int32_t span = checked(std::int64_t{high} - low);
    return checked(std::int64_t{low} + span / 2);
}

std::int32_t WheelAmount(std::int32_t notches, std::int32_t direction) {
    if (direction != 120 && direction != -120) direction = -120;
    return checked(std::int64_t{notches} * direction);
}
