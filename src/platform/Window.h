// Window and screen primitives that several forms use.
#pragma once

#include "platform/Win32.h"

#include <cstdint>

// Puts the window above, or back among, the windows that are not topmost; its
// position and size stay.
void setTopMost(HWND window, bool on);

// Moves a top-level window to the middle of the primary screen.
void centreOnScreen(HWND window);

// Colour of the screen pixel under the pointer, or at a point of the desktop,
// 0x00BBGGRR as GetPixel gives it (CLR_INVALID when it cannot be read).
std::uint32_t pixelUnderPointer();
std::uint32_t pixelAt(POINT point);

// Whether a point of the desktop lies on a monitor that is there now.
bool onAMonitor(POINT point);
