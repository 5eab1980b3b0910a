#include "mouse/MouseArithmetic.h"
#include "mouse/MouseError.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

TEST(MouseArithmetic, ScaledMidpointAndWheelAmountsOrTheirErrors) {
    const std::pair<std::function<std::int32_t()>, std::string> rows[] = {
        {[] { return scaleToAbsolute(960, 1920); }, "32768"},  // 32767.5 goes to the even neighbour
        {[] { return scaleToAbsolute(3, 2); }, "98302"},       // 98302.5 goes down to the even one
        {[] { return scaleToAbsolute(1, 3); }, "21845"},       // 21844.999... in double precision
        {[] { return scaleToAbsolute(-1, 1280); }, "-51"},
        {[] { return scaleToAbsolute(32768, 1); }, "2147450880"},
        {[] { return scaleToAbsolute(32769, 1); }, "error 6"},
        {[] { return scaleToAbsolute(10, 0); }, "error 11"},
        {[] { return midpoint(-301, -100); }, "-201"},
        {[] { return midpoint(10, 3); }, "7"},  // -7 / 2 truncates toward zero
        {[] { return midpoint(INT_MIN, INT_MAX); }, "error 6"},
        {[] { return wheelAmount(3, -120); }, "-360"},
        {[] { return wheelAmount(3, 100); }, "-360"},  // another direction counts as backward
        {[] { return wheelAmount(-2, 120); }, "-240"},
        {[] { return wheelAmount(INT_MIN / 100, 120); }, "error 6"},
    };
    for (const auto& [compute, expected] : rows) {
        std::string outcome;
        try {
            outcome = std::to_string(compute());
        } catch (const MouseError& error) {
            outcome = "error " + std::to_string(error.number());
        }
        EXPECT_EQ(outcome, expected);
    }
}
