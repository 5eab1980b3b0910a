#include "rules/TimeText.h"

#include "rules/Rounding.h"

#include <cstdlib>

namespace TimeText {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The longest prefix of the squeezed text that reads as a decimal number.
std::string leadingNumber(const std::string& text) {
    std::size_t at = 0;
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && isDigit(text[end])) ++end;
        return end;
    };
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t integerEnd = digitsFrom(at);
    std::size_t end = integerEnd;
    bool anyDigit = integerEnd > at;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = digitsFrom(end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) return "0";
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        const std::size_t exponentEnd = digitsFrom(exponent);
        if (exponentEnd > exponent) end = exponentEnd;
    }
    return text.substr(0, end);
}

// The value of the digits at the start of a digits-and-commas text, told apart
// only as far as the checks need: too low, in range, too high. Any number of
// leading zeros is fine, and a long run cannot overflow.
enum class Range { TooLow, InRange, TooHigh };

Range rangeOfLeadingDigits(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && isDigit(text[end])) ++end;
    std::string_view digits = text.substr(0, end);
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    if (digits.size() > 5) return Range::TooHigh;
    int value = 0;
    for (const char digit : digits) value = value * 10 + (digit - '0');
    if (value > kHighestTime) return Range::TooHigh;
    return value < 1 ? Range::TooLow : Range::InRange;
}

std::optional<unsigned char> firstCodePresent(std::string_view text, int from, int to) {
    bool present[256] = {};
    for (const char c : text) present[static_cast<unsigned char>(c)] = true;
    for (int code = from; code <= to; ++code)
        if (present[code]) return static_cast<unsigned char>(code);
    return std::nullopt;
}

std::string rangeError(Range range) {
    if (range == Range::TooHigh) return "toohigh";
    if (range == Range::TooLow) return "toolow";
    return {};
}

}  // namespace

EventsCheck checkEvents(std::string_view text) {
    if (const auto found = firstCodePresent(text, 1, 43)) return {static_cast<char>(*found), "invalidchars"};
    if (firstCodePresent(text, 45, 47) || firstCodePresent(text, 58, 255)) return {std::nullopt, "invalidchars"};
    if (const auto error = rangeError(rangeOfLeadingDigits(text)); !error.empty()) return {std::nullopt, error};
    const auto elements = splitEvents(text);
    for (std::size_t i = 1; i < elements.size(); ++i) {
        if (const auto error = rangeError(rangeOfLeadingDigits(elements[i])); !error.empty())
            return {std::nullopt, error};
    }
    return {};
}

std::vector<std::string> splitEvents(std::string_view events) {
    std::vector<std::string> elements;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = events.find(',', start);
        elements.emplace_back(events.substr(start, comma - start));
        if (comma == std::string_view::npos) return elements;
        start = comma + 1;
    }
}

std::optional<std::int32_t> eventValue(std::string_view element) {
    std::string squeezed;
    for (const char c : element)
        if (c != ' ' && c != '\t' && c != '\n') squeezed += c;
    return roundToInt32(std::strtod(leadingNumber(squeezed).c_str(), nullptr));
}

}  // namespace TimeText
