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

namespace {
std::string verdict(std::string_view text) {
    const auto check = TimeText::CheckEvents(text);
    std::string shown;
    if (check.shownCharacter) {
        shown.push_back('\'');
        shown.push_back(*check.shownCharacter);
        shown.append("' ");
    }
    shown.append(check.accepted() ? "ok" : check.errorKey);
    return shown;
}
}  // namespace

TEST(CheckEvents, DigitsAndCommasInRangeAreAccepted) {
    for (const char* text : {"4", "5,10,15", "0005", "32766", "1,32766", "00000000000000000001"})
        EXPECT_EQ(verdict(text), "ok") << text;
}

TEST(CheckEvents, ValuesBelowOneAreTooLow) {
    for (const char* text : {"", "0", "00", "5,0", "5,", ",5", "5,,6"}) EXPECT_EQ(verdict(text), "toolow") << text;
}

TEST(CheckEvents, ValuesAbove32766AreTooHighAndTheFirstElementComesFirst) {
    const std::string fortyDigits(40, '9');
    for (const std::string& text : {std::string("32767"), fortyDigits, std::string("5,40000"), std::string("40000,0"),
                                   "000" + fortyDigits, std::string("99999")})
        EXPECT_EQ(verdict(text), "toohigh") << text;
    EXPECT_EQ(verdict("0,40000"), "toolow");
}

TEST(CheckEvents, CharactersAreTriedByCodeInThreePasses) {
    EXPECT_EQ(verdict("5 10"), "' ' invalidchars");
    EXPECT_EQ(verdict("5 "), "' ' invalidchars");
    EXPECT_EQ(verdict("+5"), "'+' invalidchars");
    EXPECT_EQ(verdict("a 5"), "' ' invalidchars");  // the blank (32) is tried before the letter
    EXPECT_EQ(verdict("5\t!"), "'\t' invalidchars");
    for (const char* text : {"-5", "5.5", "5/5", "a", "5:", "\xE9", "\xFF"}) EXPECT_EQ(verdict(text), "invalidchars") << text;
    EXPECT_EQ(verdict("-5 "), "' ' invalidchars");  // pass 1 before pass 2
}
