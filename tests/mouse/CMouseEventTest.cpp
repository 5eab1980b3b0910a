// The members Clikpad itself never calls, as they reach mouse_event.
#include "Recorders.h"
#include "mouse/CMouseEvent.h"
#include "platform/MouseInput.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

TEST(CMouseEvent, EachAxisScalesToItsOwnSideAndAClickGoesWhereItMoved) {
    static std::vector<std::array<LONG, 4>> sent;  // flags, dx, dy and data of each call
    sent.clear();
    const auto note = [](DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR) {
        sent.push_back(
            {static_cast<LONG>(flags), static_cast<LONG>(dx), static_cast<LONG>(dy), static_cast<LONG>(data)});
    };
    const ScopedSeam<MouseInput::Sender> seam(MouseInput::replaceSender, note);
    CMouseEvent mouse;
    mouse.MoveTo(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), true);
    mouse.MoveTo(10, -5, false);
    mouse.TurnWheel(3, 100);
    mouse.ClickDelay(0);
    mouse.ClickWindow(nullptr);  // no window: the top-left corner
    const LONG moveTo = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    EXPECT_EQ(sent, (std::vector<std::array<LONG, 4>>{{moveTo, 65535, 65535, 0},
                                                      {MOUSEEVENTF_MOVE, 10, -5, 0},
                                                      {MOUSEEVENTF_WHEEL, 0, 0, -3 * WHEEL_DELTA},
                                                      {moveTo, 0, 0, 0},
                                                      {MOUSEEVENTF_LEFTDOWN, 0, 0, 0},
                                                      {MOUSEEVENTF_LEFTUP, 0, 0, 0}}));
}
