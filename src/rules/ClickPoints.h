// Where each time of the list clicks, and how a run varies its times: the text rules
// of "Points" and "Vary", and the arithmetic of a click at a point. No Win32 here.
#pragma once

#include "rules/TimeText.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ClickPoints {

// A point of the whole desktop in screen pixels; left of or above the main monitor negative.
struct ScreenPoint {
    std::int32_t x = 0, y = 0;
    auto operator<=>(const ScreenPoint&) const = default;
};
// One entry per time of the list, in its order; none clicks at the pointer.
using PointList = std::vector<std::optional<ScreenPoint>>;

// "Points": entries separated by ";", each "x,y" (decimal, "-" allowed, within the
// signed 32-bit range) or empty. An entry of any other form is at the pointer.
PointList parse(std::string_view text);
// The same form, without the empty entries at the end: no point at all is "".
std::string format(const PointList& points);
// As a person reads it: "-1500, 40".
std::string text(ScreenPoint point);

// "Vary": whole seconds from 0 to kMostVary as decimal digits; anything else is 0.
inline constexpr int kMostVary = 60;
int parseVary(std::string_view text);

// The countdown of a time: the time plus whole seconds drawn uniformly from 0 to
// `vary`, never past the highest time. A time outside 1 to the highest is not varied.
template <typename Random>
std::int32_t variedTime(std::int32_t time, int vary, Random& random) {
    if (vary <= 0 || time < 1 || time >= TimeText::kHighestTime) return time;
    std::uniform_int_distribution<std::int32_t> extra(0, std::min<std::int32_t>(vary, TimeText::kHighestTime - time));
    return time + extra(random);
}

// Whether the user has used the mouse or keyboard within the last second, from the
// system's tick counts (which wrap): the time of the last input, unless it is the time
// the system gave the program's own last input.
inline constexpr std::uint32_t kUserQuietMs = 1000;
inline bool userActive(std::uint32_t lastInput, std::uint32_t ownInput, std::uint32_t now) {
    return lastInput != ownInput && now - lastInput < kUserQuietMs;
}

// A pixel of the desktop on the 0..65535 scale of an absolute move over the whole
// desktop (origin and extent of the virtual screen), rounded up so that the system,
// which rounds down, lands on that very pixel.
std::int32_t desktopAbsolute(std::int32_t pixel, std::int32_t origin, std::int32_t extent);

}  // namespace ClickPoints
