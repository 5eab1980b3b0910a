// The keyboard focus among Start, Pause and Stop. Windows takes the focus from a
// control it disables, and Space and Enter would then do nothing: the focus goes on
// to the next of the three that is enabled, in their order and from Stop back to Start.
#pragma once

#include "platform/Win32.h"

#include <array>

class RunButtonFocus {
public:
    void use(const std::array<HWND, 3>& buttons) { buttons_ = buttons; }
    // Enables or disables one of the three, handing the focus on when it held it.
    void enable(HWND button, bool enabled);

private:
    std::array<HWND, 3> buttons_{};
    HWND toPassOn_ = nullptr;  // disabled while it held the focus, no other enabled yet
};
