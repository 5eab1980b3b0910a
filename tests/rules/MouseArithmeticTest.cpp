#include "rules/MouseArithmetic.h"
#include "rules/MouseError.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

TEST(MouseArithmetic, ScaledMidpointAndWheelAmountsOrTheirErrors) {
    // clang-format off
    const std::pair<std::function<std::int32_t()>, std::string> rows[] = {
        {[] { return scaleToAbsolute(960, 1920); }, "32768"}, {[] { return scaleToAbsolute(3, 2); }, "98302"},  // ties to even
        {[] { return scaleToAbsolute(32768, 1); }, "2147450880"}, {[] { return scaleToAbsolute(32769, 1); }, "error 6"},
        {[] { return scaleToAbsolute(10, 0); }, "error 11"}, {[] { return midpoint(10, 3); }, "7"},  // toward zero
        {[] { return midpoint(INT_MIN, INT_MAX); }, "error 6"}, {[] { return wheelAmount(3, -120); }, "-360"},
        {[] { return scaleToAbsolute(-1, 1280); }, "-51"}, {[] { return wheelAmount(INT_MIN / 100, 120); }, "error 6"}};
    // clang-format on
    for (const auto& [compute, expected] : rows) {
        try {
            EXPECT_EQ(std::to_string(compute()), expected);
        } catch (const MouseError& error) {
            EXPECT_EQ("error " + std::to_string(error.number()), expected);
        }
    }
}
