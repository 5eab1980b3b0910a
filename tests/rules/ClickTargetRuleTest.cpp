#include "rules/ClickTargetRule.h"

#include <gtest/gtest.h>

TEST(ClickTargetRule, OnlyAKnownHigherLevelBlocks) {
    EXPECT_TRUE(ClickTarget::blocks(0x3000, 0x2000));
    EXPECT_FALSE(ClickTarget::blocks(0x2000, 0x2000));
    EXPECT_FALSE(ClickTarget::blocks(0x3000, std::nullopt));
    EXPECT_FALSE(ClickTarget::blocks(std::nullopt, 0x2000));
}
