// The text rules of the time list ("Events"): pure functions, no Win32.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace TimeText {

// The list split at every ","; n commas give n + 1 elements, empty ones included.
std::vector<std::string> splitEvents(std::string_view events);

// The seconds an element stands for: its leading decimal number (blanks, tabs and
// line feeds anywhere are skipped; sign, fraction and exponent allowed; no number
// gives 0), to the nearest integer with ties to even. Nothing when that does not
// fit a signed 32-bit integer.
std::optional<std::int32_t> eventValue(std::string_view element);

// What the Settings dialog's OK finds wrong with a time text.
struct EventsCheck {
    // Set when a control character, blank or "!" to "+" is found: shown alone first.
    std::optional<char> shownCharacter;
    // "invalidchars", "toohigh", "toolow", or empty when the text may be saved.
    std::string errorKey;
    bool accepted() const { return errorKey.empty(); }
};

// Only digits and commas pass; every element must be a value from 1 to 32766.
// Characters are tried by code in three passes (1-43, 45-47, 58-255), not by
// where they stand; then the first element, then the others in order.
EventsCheck checkEvents(std::string_view text);

inline constexpr int kHighestTime = 32766;

}  // namespace TimeText
