#include "rules/PercentRule.h"

std::int32_t storedStringType(std::string_view text) {
    const auto first = text.find('%');
    if (first == std::string_view::npos) return kPlainStringType;
    // The second search starts two places after the first "%", so "%%" is no reference.
    const auto second = text.find('%', first + 2);
    return second == std::string_view::npos ? kPlainStringType : kExpandableStringType;
}
