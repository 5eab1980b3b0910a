// The Settings dialog's check of the time text against a plain reading of the
// rule, and an accepted text against the run that would load it.
#include "rules/TimeText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const std::string& what, std::string_view text) {
    std::fprintf(stderr, "%s: \"", what.c_str());
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        std::fprintf(stderr, code >= 32 && code < 127 ? "%c" : "\\x%02X", code);
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "toolow", "toohigh" or "" for one run of digits.
std::string rangeOf(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    if (digits.size() > 5) return "toohigh";
    long value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    if (value > 32766) return "toohigh";
    return value < 1 ? "toolow" : "";
}

struct Verdict {
    std::optional<char> shown;
    std::string key;
};

Verdict expectedVerdict(std::string_view text) {
    for (int code = 1; code <= 43; ++code) {
        if (text.find(static_cast<char>(code)) != std::string_view::npos) {
            return {static_cast<char>(code), "invalidchars"};
        }
    }
    for (const char c : text)
        if (c != ',' && !isDigit(c)) return {std::nullopt, "invalidchars"};
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        if (auto key = rangeOf(text.substr(start, end - start)); !key.empty()) return {std::nullopt, key};
        if (comma == std::string_view::npos) return {};
        start = comma + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The dialog reads its text box as a C string, so a NUL, which no pass of the
    // check looks for, never reaches it: the text ends at the first one.
    std::string_view text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));
    const auto check = TimeText::checkEvents(text);
    const auto expected = expectedVerdict(text);
    if (check.errorKey != expected.key) fail("verdict " + check.errorKey + ", not " + expected.key, text);
    if (check.shownCharacter != expected.shown) fail("wrong character shown", text);
    if (!check.accepted()) return 0;

    // What was saved is what Start splits into countdowns.
    std::string joined;
    for (const auto& element : TimeText::splitEvents(text)) {
        if (element.find(',') != std::string::npos) fail("element holds a comma", element);
        const auto seconds = TimeText::eventValue(element);
        if (!seconds || *seconds < 1 || *seconds > 32766) fail("accepted element is no countdown", element);
        joined += element + ',';
    }
    joined.pop_back();
    if (joined != text) fail("elements do not make up the text", text);
    return 0;
}
