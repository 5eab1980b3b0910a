// The error cRegistry raises: a number, a source and a description.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class RegistryError : public std::runtime_error {
public:
    static constexpr std::int32_t kKeyFailure = 26001;                                      // 0x6591
    static constexpr std::int32_t kSetValueFailure = static_cast<std::int32_t>(0x800469A9);  // -2147194455

    RegistryError(std::int32_t number, std::string source, std::string description);

    std::int32_t number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }

private:
    std::int32_t number_;
    std::string source_;
    std::string description_;
};
