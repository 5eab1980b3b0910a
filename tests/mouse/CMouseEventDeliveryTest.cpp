// Real input: CMouseEvent's calls reach mouse_event and land on a window of the test.
#include "MouseRecorder.h"
#include "TestWindow.h"
#include "mouse/CMouseEvent.h"

#include <gtest/gtest.h>
#include <windowsx.h>

#include <cstdlib>

namespace {

const RECT kTargetBounds{200, 200, 600, 500};

class CMouseEventDelivery : public ::testing::Test {
protected:
    void SetUp() override {
        const POINT centre = target.centre();
        SetCursorPos(centre.x, centre.y);
        PumpFor(50);
        target.clearReceived();
    }

    std::vector<UINT> buttonMessages() const {
        std::vector<UINT> kinds;
        for (const auto& m : target.receivedOf({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                                WM_MBUTTONDOWN, WM_MBUTTONUP}))
            kinds.push_back(m.message);
        return kinds;
    }

    bool awaitButtonMessages(std::size_t count) {
        return PumpUntil([&] { return buttonMessages().size() >= count; });
    }

    TestWindow target{kTargetBounds, RGB(255, 255, 255)};
    MouseRecorder recorder{MouseRecorder::Forward::ToSystem};
};

POINT cursor() {
    POINT point{};
    GetCursorPos(&point);
    return point;
}

}  // namespace

TEST_F(CMouseEventDelivery, EachButtonCodePressesAndReleasesItsButton) {
    CMouseEvent mouse;
    for (const std::int32_t button : {1, 2, 4}) {
        mouse.ButtonPress(button);
        mouse.ButtonRelease(button);
    }
    ASSERT_TRUE(awaitButtonMessages(6));
    EXPECT_EQ(buttonMessages(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                                   WM_MBUTTONDOWN, WM_MBUTTONUP}));
    // The press lands where the pointer was: the centre of the target, in client coordinates.
    const auto down = target.receivedOf({WM_LBUTTONDOWN}).front();
    EXPECT_EQ(GET_X_LPARAM(down.lParam), 200);
    EXPECT_EQ(GET_Y_LPARAM(down.lParam), 150);
}

TEST_F(CMouseEventDelivery, ButtonCodeThreeDeliversNothing) {
    CMouseEvent mouse;
    mouse.ButtonPress(3);
    mouse.ButtonRelease(3);
    EXPECT_FALSE(awaitButtonMessages(1));
    EXPECT_TRUE(recorder.calls().empty());
}

TEST_F(CMouseEventDelivery, WheelArrivesWithItsSignedDelta) {
    CMouseEvent mouse;
    mouse.TurnWheel(3, 120);
    mouse.TurnWheel(3, 100);
    ASSERT_TRUE(PumpUntil([&] { return target.receivedOf({WM_MOUSEWHEEL}).size() >= 2; }));
    const auto wheel = target.receivedOf({WM_MOUSEWHEEL});
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[0].wParam), 360);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[1].wParam), -360);
}

TEST_F(CMouseEventDelivery, AbsoluteMovesLandOnTheScreenPixel) {
    CMouseEvent mouse;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    mouse.MoveTo(width / 2, height / 2, true);
    PumpFor(30);
    EXPECT_EQ(cursor().x, width / 2);
    EXPECT_EQ(cursor().y, height / 2);
    // 0..65535 has fewer steps than some screens have pixels; a move may round to
    // the neighbouring pixel but never further.
    for (const POINT target : {POINT{100, 100}, POINT{333, 777}, POINT{width - 1, height - 1}}) {
        mouse.MoveTo(target.x, target.y, true);
        PumpFor(30);
        EXPECT_LE(std::abs(cursor().x - target.x), 1) << target.x;
        EXPECT_LE(std::abs(cursor().y - target.y), 1) << target.y;
    }
}

TEST_F(CMouseEventDelivery, MoveToWindowCentresThePointerOnIt) {
    TestWindow other({700, 100, 901, 201}, RGB(0, 0, 255));
    CMouseEvent mouse;
    mouse.MoveToWindow(other.handle());
    PumpFor(30);
    EXPECT_LE(std::abs(cursor().x - 800), 1);
    EXPECT_LE(std::abs(cursor().y - 150), 1);
}

TEST_F(CMouseEventDelivery, ClickWithDelayHoldsTheButtonAndLetsWaitingMessagesRun) {
    CMouseEvent mouse;
    mouse.ClickDelay(300);
    PostMessageA(target.handle(), WM_APP, 0, 0);
    const DWORD before = GetTickCount();
    mouse.Click();
    const DWORD elapsed = GetTickCount() - before;
    EXPECT_FALSE(target.receivedOf({WM_APP}).empty()) << "the waiting message did not run during Click";
    ASSERT_TRUE(awaitButtonMessages(2));
    EXPECT_EQ(buttonMessages(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    const auto down = target.receivedOf({WM_LBUTTONDOWN}).front();
    const auto up = target.receivedOf({WM_LBUTTONUP}).front();
    // Lower bounds only: sleeping never ends early, by more than a tick.
    EXPECT_GE(elapsed, 290u);
    EXPECT_GE(up.time - down.time, 290u);
}

TEST_F(CMouseEventDelivery, ClickAbsoluteAndClickWindowClickTheTarget) {
    CMouseEvent mouse;
    mouse.ClickDelay(0);
    mouse.ClickAbsolute(250, 250);
    mouse.ClickWindow(target.handle());
    ASSERT_TRUE(awaitButtonMessages(4));
    const auto downs = target.receivedOf({WM_LBUTTONDOWN});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_LE(std::abs(GET_X_LPARAM(downs[0].lParam) - 50), 1);
    EXPECT_LE(std::abs(GET_X_LPARAM(downs[1].lParam) - 200), 1);
}
