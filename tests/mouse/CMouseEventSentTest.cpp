// What CMouseEvent hands to mouse_event, seen through the input seam; nothing
// reaches the system here.
#include "MouseRecorder.h"
#include "TestWindow.h"
#include "mouse/CMouseEvent.h"
#include "mouse/MouseError.h"

#include <gtest/gtest.h>

#include <cmath>

using Calls = std::vector<MouseCall>;

TEST(CMouseEventSent, ClickDelayStartsAt250AndIgnoresNegatives) {
    CMouseEvent mouse;
    EXPECT_EQ(mouse.ClickDelay(), 250);
    mouse.ClickDelay(-5);
    EXPECT_EQ(mouse.ClickDelay(), 250);
    mouse.ClickDelay(0);
    EXPECT_EQ(mouse.ClickDelay(), 0);
}

TEST(CMouseEventSent, ButtonCodesMapToTheirFlagsAndOthersSendNothing) {
    MouseRecorder recorder;
    CMouseEvent mouse;
    for (const std::int32_t button : {1, 2, 4, 3, 0, -1, 8}) {
        mouse.ButtonPress(button);
        mouse.ButtonRelease(button);
    }
    EXPECT_EQ(recorder.calls(), (Calls{{0x0002, 0, 0, 0}, {0x0004, 0, 0, 0}, {0x0008, 0, 0, 0},
                                       {0x0010, 0, 0, 0}, {0x0020, 0, 0, 0}, {0x0040, 0, 0, 0}}));
}

TEST(CMouseEventSent, AbsoluteMovesSpanTheScreenEdges) {
    MouseRecorder recorder;
    CMouseEvent mouse;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    mouse.MoveTo(width, height, true);
    mouse.MoveTo(0, 0, true);
    mouse.MoveTo(width / 2, height / 2, true);
    const Calls expected = {{0x8001, 65535, 65535, 0}, {0x8001, 0, 0, 0}, {0x8001, 32768, 32768, 0}};
    EXPECT_EQ(recorder.calls(), expected) << "screen " << width << " x " << height;
}

TEST(CMouseEventSent, RelativeMovesAndWheelCarryTheirSignedAmounts) {
    MouseRecorder recorder;
    CMouseEvent mouse;
    mouse.MoveTo(10, -5, false);
    mouse.TurnWheel(3, 120);
    mouse.TurnWheel(3, 100);
    mouse.TurnWheel(-2, 120);
    EXPECT_EQ(recorder.calls(),
              (Calls{{0x0001, 10, -5, 0}, {0x0800, 0, 0, 360}, {0x0800, 0, 0, -360}, {0x0800, 0, 0, -240}}));
}

TEST(CMouseEventSent, FailedComputationsSendNothingAndClickNothing) {
    MouseRecorder recorder;
    CMouseEvent mouse;
    EXPECT_THROW(mouse.MoveTo(0, 40000000, true), MouseError);  // x fine, y overflows
    EXPECT_THROW(mouse.ClickAbsolute(80000000, 0), MouseError);
    EXPECT_THROW(mouse.TurnWheel(20000000, 120), MouseError);
    EXPECT_TRUE(recorder.calls().empty());
}

TEST(CMouseEventSent, ClickWindowGoesToTheCentreThenClicks) {
    TestWindow target({100, 50, 301, 151}, RGB(255, 255, 255));
    MouseRecorder recorder;
    CMouseEvent mouse;
    mouse.ClickDelay(0);
    mouse.ClickWindow(target.handle());
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const auto scaled = [](double pixel, int size) { return static_cast<std::int32_t>(std::nearbyint(pixel / size * 65535)); };
    EXPECT_EQ(recorder.calls(), (Calls{{0x8001, scaled(200, width), scaled(100, height), 0},
                                       {0x0002, 0, 0, 0},
                                       {0x0004, 0, 0, 0}}));
}

TEST(CMouseEventSent, WindowThatDoesNotExistSendsThePointerToTheCorner) {
    MouseRecorder recorder;
    CMouseEvent mouse;
    mouse.MoveToWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7FFFFFF0)));
    EXPECT_EQ(recorder.calls(), (Calls{{0x8001, 0, 0, 0}}));
}

TEST(CMouseEventSent, ZeroDelayClickIsBackToBackWithoutDispatching) {
    TestWindow window({0, 0, 40, 40}, RGB(0, 0, 0));
    MouseRecorder recorder;
    CMouseEvent mouse;
    mouse.ClickDelay(0);
    window.clearReceived();
    PostMessageA(window.handle(), WM_APP, 0, 0);
    mouse.Click();
    EXPECT_EQ(recorder.calls(), (Calls{{0x0002, 0, 0, 0}, {0x0004, 0, 0, 0}}));
    EXPECT_TRUE(window.receivedOf({WM_APP}).empty()) << "Click dispatched a message with no delay";
}
