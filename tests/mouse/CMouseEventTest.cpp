// The members Clikpad itself never calls, as they reach mouse_event.
#include "Recorders.h"
#include "mouse/CMouseEvent.h"
#include "platform/MouseInput.h"

#include <gtest/gtest.h>

TEST(CMouseEvent, EachAxisScalesToItsOwnSideAndAClickGoesWhereItMoved) {
    static std::string sent;  // flags, dx, dy and data of each call
    const auto note = [](DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR) {
        for (const DWORD part : {flags, dx, dy, data}) sent += std::to_string(static_cast<LONG>(part)) + " ";
    };
    const ScopedSeam<MouseInput::Sender> seam(MouseInput::replaceSender, note);
    CMouseEvent mouse;
    mouse.MoveTo(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), true);
    mouse.MoveTo(10, -5, false);
    mouse.TurnWheel(3, 100);
    mouse.ClickDelay(0);
    mouse.ClickWindow(nullptr);  // no window: the top-left corner
    EXPECT_EQ(sent, "32769 65535 65535 0 1 10 -5 0 2048 0 0 -360 32769 0 0 0 2 0 0 0 4 0 0 0 ");
}
