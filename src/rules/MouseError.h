// Raised when a move or wheel amount cannot be computed; nothing is sent then.
#pragma once

#include "rules/NumberedError.h"

class MouseError : public NumberedError {
public:
    static constexpr std::int32_t kOverflow = 6;
    static constexpr std::int32_t kDivisionByZero = 11;

    MouseError(std::int32_t number, const std::string& description)
        : NumberedError(number, "CMouseEvent", description) {}
};
