#include "rules/MouseArithmetic.h"

#include "rules/MouseError.h"
#include "rules/Rounding.h"

#include <limits>

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t checked(std::int64_t value) {
    if (value < kMin || value > kMax) throw MouseError(MouseError::kOverflow, "Overflow");
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t scaleToAbsolute(std::int32_t coordinate, std::int32_t screenSize) {
    if (screenSize == 0) throw MouseError(MouseError::kDivisionByZero, "Division by zero");
    const auto scaled = roundToInt32(static_cast<double>(coordinate) / screenSize * 65535.0);
    if (!scaled) throw MouseError(MouseError::kOverflow, "Overflow");
    return *scaled;
}

std::int32_t midpoint(std::int32_t low, std::int32_t high) {
    const std::int32_t span = checked(std::int64_t{high} - low);
    return checked(std::int64_t{low} + span / 2);
}

std::int32_t wheelAmount(std::int32_t notches, std::int32_t direction) {
    if (direction != 120 && direction != -120) direction = -120;
    return checked(std::int64_t{notches} * direction);
}
