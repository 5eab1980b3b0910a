// The text rules of the time list ("Events"): pure functions, no Win32.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace TimeText {

// The list split at every ","; n commas give n + 1 elements, empty ones included.
std::vector<std::string> SplitEvents(std::string_view events);

// The seconds an element stands for: its leading decimal number (blanks, tabs and
// line feeds anywhere are skipped; sign, fraction and exponent allowed; no number
// gives 0), to the nearest integer with ties to even. Nothing when that does not
// fit a signed 32-bit integer.
std::optional<std::int32_t> EventValue(std::string_view element);

}  // namespace TimeText
