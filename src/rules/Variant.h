// The value holder of cRegistry's Value and Default: empty, text, Boolean,
// 16-bit integer, 32-bit integer or byte array.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class Variant {
public:
    enum class Kind { Empty, Text, Boolean, Integer16, Integer32, ByteArray };
    using Bytes = std::vector<std::uint8_t>;

    Variant() = default;
    Variant(std::string text) : value_(std::move(text)) {}
    Variant(const char* text) : value_(std::string(text)) {}
    Variant(bool flag) : value_(flag) {}
    Variant(std::int16_t number) : value_(number) {}
    Variant(std::int32_t number) : value_(number) {}
    Variant(Bytes bytes) : value_(std::move(bytes)) {}

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isInteger() const { return kind() == Kind::Integer16 || kind() == Kind::Integer32; }

    // Only meaningful for the kind that holds them; callers check kind() first.
    const std::string& text() const { return std::get<std::string>(value_); }
    bool boolean() const { return std::get<bool>(value_); }
    std::int32_t integer() const;  // either integer kind, widened
    const Bytes& bytes() const { return std::get<Bytes>(value_); }

    // Text form: text as is, "True"/"False", decimal digits with "-" when negative,
    // "" for empty. A byte array has no text of its own; it is shown as hex bytes
    // ("01 A0 FF") so that an error message can still name it.
    std::string toText() const;

    bool operator==(const Variant&) const = default;

private:
    std::variant<std::monostate, std::string, bool, std::int16_t, std::int32_t, Bytes> value_;
};
