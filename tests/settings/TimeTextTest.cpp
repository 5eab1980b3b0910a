#include "settings/TimeText.h"

#include <gtest/gtest.h>

#include <climits>

using TimeText::EventValue;
using TimeText::SplitEvents;
using Elements = std::vector<std::string>;

TEST(SplitEvents, EveryCommaMakesAnotherElementEmptyOnesIncluded) {
    EXPECT_EQ(SplitEvents("4"), (Elements{"4"}));
    EXPECT_EQ(SplitEvents("3,10"), (Elements{"3", "10"}));
    EXPECT_EQ(SplitEvents("5,,10"), (Elements{"5", "", "10"}));
    EXPECT_EQ(SplitEvents("5,"), (Elements{"5", ""}));
    EXPECT_EQ(SplitEvents(""), (Elements{""}));
    EXPECT_EQ(SplitEvents(" 1 , 2"), (Elements{" 1 ", " 2"}));
}

TEST(EventValue, LeadingDecimalNumberRoundedHalfToEven) {
    EXPECT_EQ(EventValue("4"), 4);
    EXPECT_EQ(EventValue("0004"), 4);
    EXPECT_EQ(EventValue("2.5"), 2);
    EXPECT_EQ(EventValue("3.5"), 4);
    EXPECT_EQ(EventValue("-2.5"), -2);
    EXPECT_EQ(EventValue("0.5"), 0);
    EXPECT_EQ(EventValue(".6"), 1);
    EXPECT_EQ(EventValue("2.4999"), 2);
    EXPECT_EQ(EventValue("+7"), 7);
    EXPECT_EQ(EventValue("-3"), -3);
}

TEST(EventValue, BlanksTabsAndLineFeedsAnywhereAreSkipped) {
    EXPECT_EQ(EventValue(" 1 2 "), 12);
    EXPECT_EQ(EventValue("\t7\n"), 7);
    EXPECT_EQ(EventValue("- 4"), -4);
    EXPECT_EQ(EventValue("1\r2"), 1);  // a carriage return is not skipped: reading stops there
}

TEST(EventValue, ExponentsAndWhereReadingStops) {
    EXPECT_EQ(EventValue("1e1"), 10);
    EXPECT_EQ(EventValue("1E+2"), 100);
    EXPECT_EQ(EventValue("25e-1"), 2);
    EXPECT_EQ(EventValue("1e"), 1);
    EXPECT_EQ(EventValue("1e+"), 1);
    EXPECT_EQ(EventValue("5x"), 5);
    EXPECT_EQ(EventValue("5s10"), 5);
    EXPECT_EQ(EventValue("1.2.3"), 1);
    EXPECT_EQ(EventValue("0x10"), 0);
}

TEST(EventValue, NoNumberIsZero) {
    EXPECT_EQ(EventValue(""), 0);
    EXPECT_EQ(EventValue("abc"), 0);
    EXPECT_EQ(EventValue("-"), 0);
    EXPECT_EQ(EventValue("."), 0);
    EXPECT_EQ(EventValue("e5"), 0);
}

TEST(EventValue, OnlySigned32BitValuesAreCountdowns) {
    EXPECT_EQ(EventValue("2147483647"), INT_MAX);
    EXPECT_EQ(EventValue("-2147483648"), INT_MIN);
    EXPECT_EQ(EventValue("2147483647.4"), INT_MAX);
    EXPECT_EQ(EventValue("2147483648"), std::nullopt);
    EXPECT_EQ(EventValue("2147483647.5"), std::nullopt);
    EXPECT_EQ(EventValue("-2147483649"), std::nullopt);
    EXPECT_EQ(EventValue("1e10"), std::nullopt);
    EXPECT_EQ(EventValue("1e400"), std::nullopt);
}
