// The time list's rules on named cases; native/fuzz holds them against the rest of the input space.
#include "rules/TimeText.h"

#include <gtest/gtest.h>

#include <climits>

TEST(TimeText, AnElementCountsItsLeadingNumberToTheNearestEvenInteger) {
    const std::pair<const char*, std::optional<std::int32_t>> rows[] = {
        {"0004", 4},  {"2.5", 2},  {"3.5", 4},   {"-2.5", -2}, {" 1 2 ", 12}, {"2147483647.4", INT_MAX},
        {"\t7\n", 7}, {"1\r2", 1}, {"25e-1", 2}, {"5s10", 5},  {"", 0},       {"2147483647.5", std::nullopt}};
    for (const auto& [element, value] : rows) EXPECT_EQ(TimeText::eventValue(element), value) << "'" << element << "'";
    EXPECT_EQ(TimeText::splitEvents("5,,10,"), (std::vector<std::string>{"5", "", "10", ""}));
}

TEST(TimeText, TheCheckTriesCharactersByCodeThenTheFirstElementThenTheRest) {
    const auto verdict = [](std::string_view text) {
        const auto check = TimeText::checkEvents(text);
        std::string shown = check.shownCharacter ? "'" + std::string(1, *check.shownCharacter) + "' " : "";
        return shown + (check.accepted() ? "ok" : check.errorKey);
    };
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"0005,1,32766", "ok"}, {"", "toolow"}, {"5,", "toolow"}, {",5", "toolow"}, {"0,40000", "toolow"},
        {"32767", "toohigh"}, {std::string(40, '9'), "toohigh"}, {"40000,0", "toohigh"}, {"5 10", "' ' invalidchars"},
        {"+5", "'+' invalidchars"}, {"a 5", "' ' invalidchars"}, {"-5", "invalidchars"}, {"\xFF", "invalidchars"},
        {"5/", "invalidchars"}, {"5:", "invalidchars"}};  // just below "0" and just above "9"
    // clang-format on
    for (const auto& [text, expected] : rows) EXPECT_EQ(verdict(text), expected) << "'" << text << "'";
}
