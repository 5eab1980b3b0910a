// Where each time clicks, as stored by hand or by the Click List; the varied times; the user's recent input.
#include "rules/ClickPoints.h"

#include <gtest/gtest.h>

#include <climits>

using ClickPoints::ScreenPoint;

TEST(ClickPoints, AWellFormedEntryIsAPointAnyOtherClicksAtThePointer) {
    const std::string huge(80'000, '7');
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {  // what is read, written back as it is stored
        {"100,200;;-1500,40", "100,200;;-1500,40"}, {"", ""}, {";;", ""}, {"5,5;", "5,5"},
        {"-2147483648,2147483647", "-2147483648,2147483647"}, {"2147483648,0;0,-2147483649", ""},
        {"a,1;1;1,2,3;+1,2; 1,2;1,2 ;1,;,1;-,1", ""}, {huge + ";3,4;" + huge + "," + huge, ";3,4"}};
    // clang-format on
    for (const auto& [stored, read] : rows) EXPECT_EQ(ClickPoints::format(ClickPoints::parse(stored)), read) << stored;
    EXPECT_EQ(ClickPoints::parse("1,2;;3,4").size(), 3u);  // more or fewer than times: as many as stored
    EXPECT_EQ(ClickPoints::text({-1500, 40}), "-1500, 40");
}

TEST(ClickPoints, AVariedTimeStaysWithinItsRangeAndNoVaryLeavesItAlone) {
    std::mt19937 random(7);
    std::vector<int> seen(61);
    for (int i = 0; i < 5000; ++i) ++seen.at(static_cast<std::size_t>(ClickPoints::variedTime(5, 60, random) - 5));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 0), 0);  // every extra second from 0 to 60 drawn
    for (int i = 0; i < 200; ++i) EXPECT_LE(ClickPoints::variedTime(32760, 60, random), 32766);
    EXPECT_EQ(ClickPoints::variedTime(5, 0, random), 5);
    EXPECT_EQ(ClickPoints::variedTime(-2, 60, random), -2);  // a hand-edited time goes on as it is
    const std::pair<const char*, int> vary[] = {{"", 0},   {"0", 0},  {"60", 60}, {"07", 7},
                                                {"61", 0}, {"-1", 0}, {"1.5", 0}, {"600", 0}};
    for (const auto& [text, seconds] : vary) EXPECT_EQ(ClickPoints::parseVary(text), seconds) << text;
}

TEST(ClickPoints, TheUsersInputOfTheLastSecondCountsClikpadsOwnDoesNot) {
    const std::tuple<std::uint32_t, std::uint32_t, std::uint32_t, bool> rows[] = {
        {5000, 0, 5999, true},    {5000, 0, 6000, false},          {5000, 5000, 5100, false},
        {5000, 4990, 5100, true}, {UINT32_MAX - 10, 0, 200, true}, {UINT32_MAX - 10, 0, 1000, false}};
    for (const auto& [last, own, now, active] : rows)
        EXPECT_EQ(ClickPoints::userActive(last, own, now), active) << last << " " << own << " " << now;
}

TEST(ClickPoints, ADesktopPixelOnTheAbsoluteScaleLandsOnItselfOnEveryMonitor) {
    const auto landsOn = [](std::int32_t scaled, std::int32_t origin, std::int32_t extent) {  // as Windows maps back
        return origin + static_cast<std::int32_t>(static_cast<std::int64_t>(scaled) * extent / 65536);
    };
    const std::tuple<std::int32_t, std::int32_t, std::int32_t> rows[] = {
        {0, 0, 1920},      {1919, 0, 1920},   {959, 0, 1920},      {-1500, -1920, 3840},
        {-1, -1920, 3840}, {40, -1080, 3240}, {3839, -2560, 6400}, {7679, 0, 7680}};
    for (const auto& [pixel, origin, extent] : rows)
        EXPECT_EQ(landsOn(ClickPoints::desktopAbsolute(pixel, origin, extent), origin, extent), pixel) << pixel;
}
