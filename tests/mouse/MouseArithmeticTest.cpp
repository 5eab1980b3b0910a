#include "mouse/MouseArithmetic.h"
#include "mouse/MouseError.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
std::int32_t errorNumberOf(void (*action)()) {
    try {
        action();
    } catch (const MouseError& error) {
        return error.number();
    }
    return 0;
}
}  // namespace

TEST(ScaleToAbsolute, DividesThenScalesWithTiesToEven) {
    EXPECT_EQ(ScaleToAbsolute(960, 1920), 32768);  // 32767.5 goes to the even 32768
    EXPECT_EQ(ScaleToAbsolute(540, 1080), 32768);
    EXPECT_EQ(ScaleToAbsolute(3, 2), 98302);       // 98302.5 goes down to the even 98302
    EXPECT_EQ(ScaleToAbsolute(1920, 1920), 65535);
    EXPECT_EQ(ScaleToAbsolute(0, 1920), 0);
    EXPECT_EQ(ScaleToAbsolute(100, 1920), 3413);   // 3413.28
    EXPECT_EQ(ScaleToAbsolute(1, 3), 21845);       // 21844.999... in double precision
    EXPECT_EQ(ScaleToAbsolute(-1, 1280), -51);     // -51.2
}

TEST(ScaleToAbsolute, ZeroScreenAndOutOfRangeResultsRaise) {
    EXPECT_EQ(errorNumberOf([] { ScaleToAbsolute(10, 0); }), MouseError::kDivisionByZero);
    EXPECT_EQ(errorNumberOf([] { ScaleToAbsolute(INT_MAX, 1); }), MouseError::kOverflow);
    EXPECT_EQ(errorNumberOf([] { ScaleToAbsolute(INT_MIN, 1); }), MouseError::kOverflow);
    EXPECT_EQ(ScaleToAbsolute(32768, 1), 32768 * 65535);  // 2147450880 still fits
    EXPECT_EQ(errorNumberOf([] { ScaleToAbsolute(32769, 1); }), MouseError::kOverflow);
}

TEST(Midpoint, TruncatesTowardZeroAndRaisesOnOverflow) {
    EXPECT_EQ(Midpoint(100, 301), 200);
    EXPECT_EQ(Midpoint(50, 151), 100);
    EXPECT_EQ(Midpoint(-301, -100), -201);  // -301 + (201 / 2)
    EXPECT_EQ(Midpoint(10, 3), 7);          // 10 + (-7 / 2) = 10 - 3
    EXPECT_EQ(Midpoint(0, 0), 0);
    EXPECT_EQ(errorNumberOf([] { Midpoint(INT_MIN, INT_MAX); }), MouseError::kOverflow);
}

TEST(WheelAmount, SignedNotchesWithDefaultDirectionBackward) {
    EXPECT_EQ(WheelAmount(3, 120), 360);
    EXPECT_EQ(WheelAmount(3, -120), -360);
    EXPECT_EQ(WheelAmount(3, 100), -360);
    EXPECT_EQ(WheelAmount(3, 0), -360);
    EXPECT_EQ(WheelAmount(-2, 120), -240);
    EXPECT_EQ(errorNumberOf([] { WheelAmount(INT_MAX / 100, 120); }), MouseError::kOverflow);
    EXPECT_EQ(errorNumberOf([] { WheelAmount(INT_MIN / 100, 120); }), MouseError::kOverflow);
}
