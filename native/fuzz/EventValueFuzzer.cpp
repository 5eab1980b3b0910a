// The value of a time-list element, as a hand-edited setting may hold it. UBSan
// stops the run on any overflow; for numbers of up to 15 significant digits the
// countdown must also equal a reading of the element done in long double.
#include "rules/TimeText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Reading {
    bool shortNumber = true;  // at most 15 significant digits
    std::optional<std::int32_t> value;
};

// Sign, digits, fraction and exponent read by hand. Up to 15 significant digits a
// double keeps the side of every .5 and every range limit, and the long double
// powers of ten that matter here are exact, so both readings must agree.
Reading referenceValue(std::string_view element) {
    std::string text;
    for (const char c : element)
        if (c != ' ' && c != '\t' && c != '\n') text += c;

    Reading reading;
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    long double digits = 0;
    int significant = 0;
    long exponent = 0;
    bool anyDigit = false;
    const auto take = [&](char c) {
        anyDigit = true;
        if (significant > 0 || c != '0') ++significant;
        if (significant <= 15) digits = digits * 10 + (c - '0');
    };
    for (; at < text.size() && isDigit(text[at]); ++at) take(text[at]);
    if (at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && isDigit(text[at]); ++at) {
            take(text[at]);
            --exponent;
        }
    }
    reading.shortNumber = significant <= 15;
    if (!anyDigit || digits == 0) {
        reading.value = 0;
        return reading;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t from = at + 1;
        bool minus = false;
        if (from < text.size() && (text[from] == '+' || text[from] == '-')) minus = text[from++] == '-';
        long written = 0;
        bool anyExponentDigit = false;
        for (; from < text.size() && isDigit(text[from]); ++from) {
            anyExponentDigit = true;
            written = std::min(written * 10 + (text[from] - '0'), 100000L);
        }
        if (anyExponentDigit) exponent += minus ? -written : written;
    }

    long double power = 1;
    for (long k = 0; k < std::min(std::labs(exponent), 6000L); ++k) power *= 10;
    long double value = exponent < 0 ? digits / power : digits * power;
    if (value > 1e12L) return reading;  // far beyond 32 bits
    const long double below = std::floor(value);
    const long double fraction = value - below;
    long double rounded = below;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(below, 2.0L) != 0)) rounded = below + 1;
    if (negative) rounded = -rounded;
    if (rounded >= -2147483648.0L && rounded <= 2147483647.0L) reading.value = static_cast<std::int32_t>(rounded);
    return reading;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view element(reinterpret_cast<const char*>(data), size);
    const auto seconds = TimeText::eventValue(element);
    const auto expected = referenceValue(element);
    if (expected.shortNumber && seconds != expected.value) {
        std::fprintf(stderr, "element \"%.*s\": %s %d, expected %s %d\n", static_cast<int>(size),
                     std::string(element).c_str(), seconds ? "value" : "no value", seconds.value_or(0),
                     expected.value ? "value" : "no value", expected.value.value_or(0));
        std::abort();
    }
    return 0;
}
