// Picking a point of the screen with the real pointer and keyboard.
#include "TestWindow.h"
#include "platform/PointPicker.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(PointPicker, AClickGivesItsPointAndReachesNoWindowEscapeGivesNone) {
    const TestWindow below({300, 300, 500, 450}, RGB(0, 128, 0));
    whenPickerShows(POINT{321, 345});
    const std::optional<POINT> picked = PointPicker::pick();
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->x, 321);
    EXPECT_EQ(picked->y, 345);
    EXPECT_FALSE(PointPicker::picking());
    pumpFor(100);
    for (const UINT button : {WM_LBUTTONDOWN, WM_LBUTTONUP})
        EXPECT_EQ(std::ranges::count(below.received(), button, &ReceivedMessage::message), 0) << button;
    whenPickerShows(std::nullopt);
    EXPECT_FALSE(PointPicker::pick().has_value());
}
