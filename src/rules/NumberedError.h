// An error that carries a number, a source and a description, as the registry
// object raises them. The window procedures' fence shows all three.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class NumberedError : public std::runtime_error {
public:
    NumberedError(std::int32_t number, std::string source, std::string description);

    std::int32_t number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }

private:
    std::int32_t number_;
    std::string source_;
    std::string description_;
};
