// A click at a point of the desktop instead of at the pointer: the pointer goes to the
// point, the button is pressed and released there, and the pointer goes back to where
// the user had it, in one stream of input, so that nothing lands in between.
#pragma once

#include "platform/Win32.h"

#include <cstdint>

// The button as CMouseEvent numbers it (1 primary, 2 secondary).
void clickAtPoint(POINT point, std::int32_t button);
