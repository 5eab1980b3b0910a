#include "TestWindow.h"
#include "app/Module1.h"

#include <gtest/gtest.h>

namespace {
RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool isTopMost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
}  // namespace

TEST(PixelUnderCursor, ReadsTheColourPaintedUnderThePointer) {
    TestWindow canvas({300, 300, 500, 450}, RGB(255, 255, 255));
    const POINT centre = canvas.centre();
    SetCursorPos(centre.x, centre.y);
    PumpFor(30);
    EXPECT_EQ(PixelUnderCursor(), 0x00FFFFFFu);
    canvas.repaint(RGB(255, 0, 0));
    EXPECT_EQ(PixelUnderCursor(), 0x000000FFu);
    canvas.repaint(RGB(0, 0, 255));
    EXPECT_EQ(PixelUnderCursor(), 0x00FF0000u);
    canvas.repaint(RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(PixelUnderCursor(), 0x00563412u);
}

TEST(PixelUnderCursor, FollowsThePointerBetweenWindows) {
    TestWindow red({100, 100, 200, 200}, RGB(255, 0, 0));
    TestWindow green({250, 100, 350, 200}, RGB(0, 255, 0));
    SetCursorPos(150, 150);
    PumpFor(30);
    EXPECT_EQ(PixelUnderCursor(), 0x000000FFu);
    SetCursorPos(300, 150);
    PumpFor(30);
    EXPECT_EQ(PixelUnderCursor(), 0x0000FF00u);
}

TEST(SetTopMost, SwitchesTopmostAndKeepsPositionAndSize) {
    TestWindow window({120, 140, 320, 260}, RGB(0, 0, 0));
    SetTopMost(window.handle(), false);
    EXPECT_FALSE(isTopMost(window.handle()));
    const RECT before = windowRect(window.handle());

    SetTopMost(window.handle(), true);
    SetTopMost(window.handle(), true);
    EXPECT_TRUE(isTopMost(window.handle()));
    SetTopMost(window.handle(), false);
    EXPECT_FALSE(isTopMost(window.handle()));
    SetTopMost(window.handle(), false);
    EXPECT_FALSE(isTopMost(window.handle()));

    const RECT after = windowRect(window.handle());
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
}
