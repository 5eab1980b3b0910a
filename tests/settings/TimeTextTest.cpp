// The time list's text rules, as tables: splitting, the value of an element, and
// the Settings dialog's check.
#include "settings/TimeText.h"

#include <gtest/gtest.h>

#include <climits>

using TimeText::eventValue;

TEST(TimeText, EveryCommaMakesAnotherElementEmptyOnesIncluded) {
    using Elements = std::vector<std::string>;
    const std::pair<const char*, Elements> rows[] = {
        {"4", {"4"}}, {"5,,10", {"5", "", "10"}}, {"5,", {"5", ""}}, {"", {""}}, {" 1 , 2", {" 1 ", " 2"}}};
    for (const auto& [text, elements] : rows) EXPECT_EQ(TimeText::splitEvents(text), elements) << text;
}

TEST(TimeText, AnElementCountsItsLeadingNumberToTheNearestEvenInteger) {
    const std::pair<const char*, std::optional<std::int32_t>> rows[] = {
        {"0004", 4},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {".6", 1},
        {"+7", 7},
        {" 1 2 ", 12},
        {"\t7\n", 7},
        {"- 4", -4},
        {"1\r2", 1} /* a carriage return is not skipped */,
        {"1E+2", 100},
        {"25e-1", 2},
        {"1e+", 1},
        {"5s10", 5},
        {"1.2.3", 1},
        {"0x10", 0},
        {"", 0},
        {"-", 0},
        {".", 0},
        {"e5", 0},
        {"2147483647.4", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483647.5", std::nullopt},
        {"-2147483649", std::nullopt},
        {"1e400", std::nullopt},
    };
    for (const auto& [element, value] : rows) EXPECT_EQ(eventValue(element), value) << "'" << element << "'";
}

TEST(TimeText, TheCheckTriesCharactersByCodeThenTheFirstElementThenTheRest) {
    const auto verdict = [](std::string_view text) {
        const auto check = TimeText::checkEvents(text);
        std::string shown = check.shownCharacter ? "'" + std::string(1, *check.shownCharacter) + "' " : "";
        return shown + (check.accepted() ? "ok" : check.errorKey);
    };
    const std::string forty(40, '9');
    const std::pair<std::string, std::string> rows[] = {
        {"5,10,15", "ok"},
        {"0005", "ok"},
        {"1,32766", "ok"},
        {"0000000000000000000001", "ok"},
        {"", "toolow"},
        {"00", "toolow"},
        {"5,0", "toolow"},
        {"5,", "toolow"},
        {",5", "toolow"},
        {"0,40000", "toolow"},
        {"32767", "toohigh"},
        {forty, "toohigh"},
        {"000" + forty, "toohigh"},
        {"5,40000", "toohigh"},
        {"40000,0", "toohigh"},
        {"5 10", "' ' invalidchars"},
        {"+5", "'+' invalidchars"},
        {"a 5", "' ' invalidchars"},
        {"5\t!", "'\t' invalidchars"},
        {"-5 ", "' ' invalidchars"},
        {"-5", "invalidchars"},
        {"5.5", "invalidchars"},
        {"5/5", "invalidchars"},
        {"a", "invalidchars"},
        {"5:", "invalidchars"},
        {"\xFF", "invalidchars"},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(verdict(text), expected) << "'" << text << "'";
}
