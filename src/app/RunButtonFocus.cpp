#include "app/RunButtonFocus.h"

#include <algorithm>

void RunButtonFocus::enable(HWND button, bool enabled) {
    if (!enabled && GetFocus() == button) toPassOn_ = button;
    EnableWindow(button, enabled);
    if (!toPassOn_) return;
    const auto from =
        static_cast<std::size_t>(std::find(buttons_.begin(), buttons_.end(), toPassOn_) - buttons_.begin());
    for (std::size_t step = 1; step < buttons_.size(); ++step) {
        HWND next = buttons_[(from + step) % buttons_.size()];
        if (!IsWindowEnabled(next)) continue;
        // Only while the focus is still ours to give: never taken from another window.
        if (!GetFocus() || GetFocus() == toPassOn_) SetFocus(next);
        toPassOn_ = nullptr;
        return;
    }
}
