#include "registry/PercentRule.h"

#include <gtest/gtest.h>

TEST(PercentRule, TwoSeparatedPercentSignsMakeAnExpandableString) {
    EXPECT_EQ(StoredStringType("%TEMP%\\x"), kExpandableStringType);
    EXPECT_EQ(StoredStringType("a%b%c"), kExpandableStringType);
    EXPECT_EQ(StoredStringType("%%%"), kExpandableStringType);  // first at 1, next searched from 3
}

TEST(PercentRule, OtherTextsStayPlainStrings) {
    EXPECT_EQ(StoredStringType(""), kPlainStringType);
    EXPECT_EQ(StoredStringType("4,10"), kPlainStringType);
    EXPECT_EQ(StoredStringType("50%"), kPlainStringType);
    EXPECT_EQ(StoredStringType("%%"), kPlainStringType);
    EXPECT_EQ(StoredStringType("a%%"), kPlainStringType);
    EXPECT_EQ(StoredStringType("%"), kPlainStringType);
}
