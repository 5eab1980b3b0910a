// Whether a click can reach the window under the pointer: the rule, and the real
// integrity query on a window of the test's own (Wine has no isolation to show more).
#include "TestWindow.h"
#include "platform/ClickTarget.h"

#include <gtest/gtest.h>

TEST(ClickTarget, OnlyAKnownHigherLevelBlocks) {
    using Level = std::optional<std::uint32_t>;
    const std::tuple<Level, Level, bool> rows[] = {
        {0x3000, 0x2000, true},        {0x2000, 0x2000, false},       {0x1000, 0x2000, false},
        {std::nullopt, 0x2000, false}, {0x3000, std::nullopt, false},
    };
    for (const auto& [target, own, blocked] : rows) EXPECT_EQ(ClickTarget::blocks(target, own), blocked);
}

TEST(ClickTarget, AWindowOfThisProgramIsNotHigher) {
    TestWindow window({100, 100, 300, 200}, RGB(255, 255, 255));
    SetCursorPos(window.centre().x, window.centre().y);
    ASSERT_TRUE(ClickTarget::ownIntegrityLevel().has_value());
    EXPECT_EQ(ClickTarget::integrityLevelOf(window.handle()), ClickTarget::ownIntegrityLevel());
    EXPECT_FALSE(ClickTarget::blockedUnderPointer());
}
