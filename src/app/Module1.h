// The program's shared screen and window helpers, under the names the windows
// use; the platform does the work.
#pragma once

#include "platform/Win32.h"

#include <cstdint>

// Colour of the screen pixel under the pointer, 0x00BBGGRR as GetPixel gives it
// (CLR_INVALID when it cannot be read).
std::uint32_t PixelUnderCursor();

// Puts the window above or back among the non-topmost windows; position and size stay.
void SetTopMost(HWND window, bool on);
