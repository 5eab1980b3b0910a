// What CMouseEvent hands to mouse_event, seen through the input seam, and one
// check that it reaches the system: real presses on a window of the test.
#include "Recorders.h"
#include "TestWindow.h"
#include "mouse/CMouseEvent.h"
#include "mouse/MouseError.h"

#include <gtest/gtest.h>
#include <windowsx.h>

using Calls = std::vector<MouseCall>;

TEST(CMouseEvent, EachOperationSendsItsFlagsAndAmountsOrNothingWhenItCannotBeComputed) {
    TestWindow window({0, 0, 40, 40}, RGB(0, 0, 0));
    MouseRecorder recorder;
    CMouseEvent mouse;
    mouse.ClickDelay(-5);  // ignored
    EXPECT_EQ(mouse.ClickDelay(), 250);
    for (const std::int32_t button : {1, 2, 4, 3}) {
        mouse.ButtonPress(button);
        mouse.ButtonRelease(button);
    }
    mouse.MoveTo(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), true);
    mouse.MoveTo(10, -5, false);
    mouse.TurnWheel(3, 100);
    EXPECT_THROW(mouse.MoveTo(0, 40000000, true), MouseError);
    EXPECT_THROW(mouse.ClickAbsolute(80000000, 0), MouseError);
    PostMessageA(window.handle(), WM_APP, 0, 0);
    mouse.ClickDelay(0);  // back to back, nothing dispatched between
    mouse.ClickWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7FFFFFF0)));  // no such window: the corner
    EXPECT_TRUE(window.receivedOf({WM_APP}).empty());
    mouse.ClickDelay(10);  // waiting messages run while the button is held
    mouse.Click();
    EXPECT_EQ(window.receivedOf({WM_APP}).size(), 1u);
    EXPECT_EQ(recorder.calls(), (Calls{{2, 0, 0, 0},
                                       {4, 0, 0, 0},
                                       {8, 0, 0, 0},
                                       {0x10, 0, 0, 0},
                                       {0x20, 0, 0, 0},
                                       {0x40, 0, 0, 0},
                                       {0x8001, 65535, 65535, 0},
                                       {1, 10, -5, 0},
                                       {0x800, 0, 0, -360},
                                       {0x8001, 0, 0, 0},
                                       {2, 0, 0, 0},
                                       {4, 0, 0, 0},
                                       {2, 0, 0, 0},
                                       {4, 0, 0, 0}}));
}

TEST(CMouseEvent, PressesReachTheWindowUnderThePointerAndMovesFindItsCentre) {
    TestWindow target({200, 200, 601, 501}, RGB(255, 255, 255));
    MouseRecorder forwarding(true);
    CMouseEvent mouse;
    mouse.MoveToWindow(target.handle());
    pumpFor(30);
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_LE(std::abs(pointer.x - 400) + std::abs(pointer.y - 350), 2);  // 0..65535 may round to a neighbour
    target.clearReceived();
    for (const std::int32_t button : {1, 2, 4}) {
        mouse.ButtonPress(button);
        mouse.ButtonRelease(button);
    }
    const std::initializer_list<UINT> buttons = {WM_LBUTTONDOWN, WM_LBUTTONUP,   WM_RBUTTONDOWN,
                                                 WM_RBUTTONUP,   WM_MBUTTONDOWN, WM_MBUTTONUP};
    ASSERT_TRUE(pumpUntil([&] { return target.receivedOf(buttons).size() >= 6; }));
    std::vector<UINT> kinds;
    for (const auto& message : target.receivedOf(buttons)) kinds.push_back(message.message);
    EXPECT_EQ(kinds, std::vector<UINT>(buttons));
    const LPARAM at = target.receivedOf({WM_LBUTTONDOWN}).front().lParam;
    EXPECT_EQ(GET_X_LPARAM(at) * 1000 + GET_Y_LPARAM(at), (pointer.x - 200) * 1000 + pointer.y - 200);
}
