// Which string type a text is stored as: the percent rule, on its own.
#include "rules/PercentRule.h"

#include <gtest/gtest.h>

TEST(PercentRule, OnlyAPercentSignWithAnotherTwoPlacesOnIsExpandable) {
    for (const char* text : {"%TEMP%\\x", "a%b%c", "%%%"})
        EXPECT_EQ(storedStringType(text), kExpandableStringType) << text;
    for (const char* text : {"", "4,10", "50%", "%%", "a%%", "%"})
        EXPECT_EQ(storedStringType(text), kPlainStringType) << text;
}
