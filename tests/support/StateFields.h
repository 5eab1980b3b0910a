// States expected as a whole, as structs whose fieldsOf() names their fields: a failure names each field that differs.
#pragma once

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using NamedFields = std::vector<std::pair<const char*, std::string>>;
inline std::string asText(bool value) { return value ? "yes" : "no"; }
inline std::string asText(const std::string& text) { return text; }
inline std::string asText(int number) { return std::to_string(number); }
inline std::string asText(const ClickPoints::PointList& points) { return ClickPoints::format(points); }
#define NAMED(state, field) NamedFields::value_type(#field, asText((state).field))  // a field under its own name

inline NamedFields fieldsOf(const Settings& s) {
    return {NAMED(s, primaryButton), NAMED(s, adDetectorOn), NAMED(s, events), NAMED(s, minimizeToNotificationIcon),
            NAMED(s, loop),          NAMED(s, alwaysOnTop)};
}

inline NamedFields fieldsOf(const ClickList& s) { return {NAMED(s, points), NAMED(s, vary), NAMED(s, waitForUser)}; }

// Facts checked together: a failure names each that does not hold (equalities go to EXPECT_EQ, which shows both).
struct NamedFact {
    const char* words;
    bool holds;
};
// clang-format off
#define FACT(expression) NamedFact{#expression, static_cast<bool>(expression)}
// clang-format on
inline ::testing::AssertionResult allHold(std::initializer_list<NamedFact> facts) {
    auto result = ::testing::AssertionSuccess();
    for (const NamedFact& fact : facts)
        if (!fact.holds)
            result = ::testing::AssertionFailure() << result.message() << "\n  does not hold: " << fact.words;
    return result;
}

template <typename State>
::testing::AssertionResult sameState(const State& seen, const State& expected) {
    const NamedFields got = fieldsOf(seen), wanted = fieldsOf(expected);
    auto result = ::testing::AssertionSuccess();
    for (std::size_t i = 0; i < got.size(); ++i)
        if (got[i].second != wanted[i].second)
            result = ::testing::AssertionFailure() << result.message() << "\n  " << got[i].first << ": \""
                                                   << got[i].second << "\", expected \"" << wanted[i].second << '"';
    return result;
}
