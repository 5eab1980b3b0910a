// Raised when a move or wheel amount cannot be computed; nothing is sent then.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class MouseError : public std::runtime_error {
public:
    static constexpr std::int32_t kOverflow = 6;
    static constexpr std::int32_t kDivisionByZero = 11;

    MouseError(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    std::int32_t number() const { return number_; }

private:
    std::int32_t number_;
};
