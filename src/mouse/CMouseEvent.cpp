#include "mouse/CMouseEvent.h"

#include "platform/MessagePump.h"
#include "platform/MouseInput.h"
#include "rules/MouseArithmetic.h"

namespace {

void sendFlags(DWORD flags) { MouseInput::send(flags, 0, 0, 0, 0); }

DWORD buttonFlag(std::int32_t button, DWORD left, DWORD right, DWORD middle) {
    switch (button) {
    case CMouseEvent::kPrimary:
        return left;
    case CMouseEvent::kSecondary:
        return right;
    case CMouseEvent::kMiddle:
        return middle;
    default:
        return 0;
    }
}

}  // namespace

CMouseEvent::CMouseEvent()
    : screenWidth_(GetSystemMetrics(SM_CXSCREEN)), screenHeight_(GetSystemMetrics(SM_CYSCREEN)) {}

void CMouseEvent::ClickDelay(std::int32_t NewVal) {
    if (NewVal >= 0) clickDelay_ = NewVal;
}

void CMouseEvent::ButtonPress(std::int32_t Button) {
    if (const DWORD flag = buttonFlag(Button, kLeftDown, kRightDown, kMiddleDown)) sendFlags(flag);
}

void CMouseEvent::ButtonRelease(std::int32_t Button) {
    if (const DWORD flag = buttonFlag(Button, kLeftUp, kRightUp, kMiddleUp)) sendFlags(flag);
}

void CMouseEvent::Click() {
    sendFlags(kLeftDown);
    if (clickDelay_ != 0) {
        dispatchPendingMessages();
        Sleep(static_cast<DWORD>(clickDelay_));
    }
    sendFlags(kLeftUp);
}

void CMouseEvent::ClickAbsolute(std::int32_t X, std::int32_t Y) {
    MoveTo(X, Y, true);
    Click();
}

void CMouseEvent::ClickWindow(HWND hWnd) {
    MoveToWindow(hWnd);
    Click();
}

void CMouseEvent::MoveTo(std::int32_t X, std::int32_t Y, bool Absolute) {
    if (!Absolute) {
        MouseInput::send(kMove, static_cast<DWORD>(X), static_cast<DWORD>(Y), 0, 0);
        return;
    }
    const std::int32_t dx = scaleToAbsolute(X, screenWidth_);
    const std::int32_t dy = scaleToAbsolute(Y, screenHeight_);
    MouseInput::send(kAbsolute | kMove, static_cast<DWORD>(dx), static_cast<DWORD>(dy), 0, 0);
}

void CMouseEvent::MoveToWindow(HWND hWnd) {
    RECT rect{};  // stays zero for a window that does not exist: the top-left corner
    GetWindowRect(hWnd, &rect);
    const std::int32_t centreX = midpoint(rect.left, rect.right);
    const std::int32_t centreY = midpoint(rect.top, rect.bottom);
    MoveTo(centreX, centreY, true);
}

void CMouseEvent::TurnWheel(std::int32_t Notches, std::int32_t Direction) {
    MouseInput::send(kWheel, 0, 0, static_cast<DWORD>(wheelAmount(Notches, Direction)), 0);
}
