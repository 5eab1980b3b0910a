// States the tests expect as a whole, written as structs with named fields. Each has
// a fieldsOf() giving its fields as names and texts, in one order; a failed
// comparison names every field that differs, with what was seen and what was expected.
#pragma once

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using NamedFields = std::vector<std::pair<const char*, std::string>>;

inline std::string yesNo(bool value) { return value ? "yes" : "no"; }

inline NamedFields fieldsOf(const Settings& s) {
    return {{"primaryButton", yesNo(s.primaryButton)},
            {"adDetectorOn", yesNo(s.adDetectorOn)},
            {"events", s.events},
            {"minimizeBesideClock", yesNo(s.minimizeBesideClock)},
            {"loop", yesNo(s.loop)},
            {"alwaysOnTop", yesNo(s.alwaysOnTop)}};
}

template <typename State>
::testing::AssertionResult sameState(const State& seen, const State& expected) {
    const NamedFields got = fieldsOf(seen), wanted = fieldsOf(expected);
    std::string differences;
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (got[i].second == wanted[i].second) continue;
        differences.append("\n  ").append(got[i].first).append(": \"").append(got[i].second);
        differences.append("\", expected \"").append(wanted[i].second).append("\"");
    }
    if (differences.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "differs in" << differences;
}
