// The pure arithmetic of CMouseEvent, in 32-bit signed ranges; a result outside
// them raises MouseError instead of wrapping.
#pragma once

#include <cstdint>

// Screen pixel to the 0..65535 scale of an absolute move: divide, then multiply by
// 65535, in double precision, to the nearest integer with ties to even.
std::int32_t scaleToAbsolute(std::int32_t coordinate, std::int32_t screenSize);

// low + (high - low) / 2, the division truncating toward zero.
std::int32_t midpoint(std::int32_t low, std::int32_t high);

// Notches × Direction, where a Direction other than 120 or -120 counts as -120.
std::int32_t wheelAmount(std::int32_t notches, std::int32_t direction);
