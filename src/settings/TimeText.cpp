#include "settings/TimeText.h"

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>

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

}  // namespace

std::vector<std::string> SplitEvents(std::string_view events) {
    std::vector<std::string> elements;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = events.find(',', start);
        elements.emplace_back(events.substr(start, comma - start));
        if (comma == std::string_view::npos) return elements;
        start = comma + 1;
    }
}

std::optional<std::int32_t> EventValue(std::string_view element) {
    std::string squeezed;
    for (const char c : element)
        if (c != ' ' && c != '\t' && c != '\n') squeezed += c;
    const double value = std::strtod(leadingNumber(squeezed).c_str(), nullptr);
    const int previousMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previousMode);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace TimeText
