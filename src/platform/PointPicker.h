// Picking a point of the screen with the mouse: a dimmed overlay over every monitor,
// with a crosshair pointer and the coordinates beside it. A click chooses the point
// under it and goes to no other window; Escape, a right click or closing the overlay
// chooses none. The arrow keys move the pointer a pixel (ten with Shift), Enter or
// Space chooses where it is. Points are desktop pixels, negative left of or above the
// main monitor, whatever the monitors' scaling.
#pragma once

#include "platform/Win32.h"

#include <optional>

namespace PointPicker {

// Returns when a point is chosen, or none. The program's other windows go on getting
// their messages meanwhile.
std::optional<POINT> pick();
// While the overlay is up: the run holds its clicks, which would land on it.
bool picking();

}  // namespace PointPicker
