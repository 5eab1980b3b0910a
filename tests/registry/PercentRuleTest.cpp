#include "platform/Win32.h"
#include "registry/PercentRule.h"

#include <gtest/gtest.h>

TEST(PercentRule, TwoSeparatedPercentSignsMakeAnExpandableString) {
    EXPECT_EQ(StoredStringType("%TEMP%\\x"), REG_EXPAND_SZ);
    EXPECT_EQ(StoredStringType("a%b%c"), REG_EXPAND_SZ);
    EXPECT_EQ(StoredStringType("%%%"), REG_EXPAND_SZ);  // first at 1, next searched from 3
}

TEST(PercentRule, OtherTextsStayPlainStrings) {
    EXPECT_EQ(StoredStringType(""), REG_SZ);
    EXPECT_EQ(StoredStringType("4,10"), REG_SZ);
    EXPECT_EQ(StoredStringType("50%"), REG_SZ);
    EXPECT_EQ(StoredStringType("%%"), REG_SZ);
    EXPECT_EQ(StoredStringType("a%%"), REG_SZ);
    EXPECT_EQ(StoredStringType("%"), REG_SZ);
}
