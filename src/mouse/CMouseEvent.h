// CMouseEvent synthesises mouse buttons, moves and the wheel through mouse_event.
// The screen size is read once, when the object is made.
#pragma once

#include "platform/Win32.h"

#include <cstdint>

class CMouseEvent {
public:
    // mouse_event flags
    static constexpr DWORD kMove = 0x0001;
    static constexpr DWORD kLeftDown = 0x0002;
    static constexpr DWORD kLeftUp = 0x0004;
    static constexpr DWORD kRightDown = 0x0008;
    static constexpr DWORD kRightUp = 0x0010;
    static constexpr DWORD kMiddleDown = 0x0020;
    static constexpr DWORD kMiddleUp = 0x0040;
    static constexpr DWORD kWheel = 0x0800;
    static constexpr DWORD kAbsolute = 0x8000;

    // Button codes
    static constexpr std::int32_t kPrimary = 1;
    static constexpr std::int32_t kSecondary = 2;
    static constexpr std::int32_t kMiddle = 4;

    CMouseEvent();

    void ClickDelay(std::int32_t NewVal);  // negative values are ignored
    std::int32_t ClickDelay() const { return clickDelay_; }

    // Press or release at the pointer; a code other than 1, 2 or 4 sends nothing.
    void ButtonPress(std::int32_t Button);
    void ButtonRelease(std::int32_t Button);

    // Left click held ClickDelay ms, letting waiting messages run meanwhile.
    void Click();
    void ClickAbsolute(std::int32_t X, std::int32_t Y);
    void ClickWindow(HWND hWnd);

    // Absolute: screen pixels. Relative: mouse units, with the system's pointer speed.
    // Throws MouseError (nothing sent) when the target cannot be computed.
    void MoveTo(std::int32_t X, std::int32_t Y, bool Absolute);
    void MoveToWindow(HWND hWnd);
    void TurnWheel(std::int32_t Notches, std::int32_t Direction);

private:
    std::int32_t screenWidth_;
    std::int32_t screenHeight_;
    std::int32_t clickDelay_ = 250;
};
