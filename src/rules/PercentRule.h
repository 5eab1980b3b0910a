// Which string type a text write stores: REG_EXPAND_SZ only when the text holds a
// "%" with another "%" at least two places after it, as in "%TEMP%" or "a%b%c".
// "%%" and a single "%" stay REG_SZ.
#pragma once

#include <cstdint>
#include <string_view>

// REG_SZ and REG_EXPAND_SZ by number, so that the rule builds and is tested
// without the Windows headers; the registry's own numbers never change.
inline constexpr std::int32_t kPlainStringType = 1;
inline constexpr std::int32_t kExpandableStringType = 2;

std::int32_t storedStringType(std::string_view text);
