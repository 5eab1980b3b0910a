// Which string type a text write stores: REG_EXPAND_SZ only when the text holds a
// "%" with another "%" at least two places after it, as in "%TEMP%" or "a%b%c".
// "%%" and a single "%" stay REG_SZ.
#pragma once

#include <cstdint>
#include <string_view>

std::int32_t StoredStringType(std::string_view text);
