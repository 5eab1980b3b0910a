// Picking a point of the screen with the real pointer and keyboard.
#include "TestWindow.h"
#include "platform/PointPicker.h"

#include <gtest/gtest.h>

TEST(PointPicker, AClickGivesItsPointAndReachesNoWindowEscapeGivesNone) {
    const TestWindow below({300, 300, 500, 450}, RGB(0, 128, 0));
    whenPickerShows(POINT{321, 345});
    const POINT picked = PointPicker::pick().value_or(POINT{-1, -1});  // none shows as -1, -1
    EXPECT_EQ(std::pair(picked.x, picked.y), std::pair(321L, 345L));
    EXPECT_FALSE(PointPicker::picking());
    pumpFor(100);
    EXPECT_EQ(below.received(WM_LBUTTONDOWN) + below.received(WM_LBUTTONUP), 0);
    whenPickerShows(std::nullopt);
    EXPECT_FALSE(PointPicker::pick().has_value());
}
