#include "mouse/PointClick.h"

#include "mouse/CMouseEvent.h"
#include "platform/MouseInput.h"
#include "rules/ClickPoints.h"

namespace {
// An absolute move over the whole desktop: every monitor, left of and above the main one too.
void moveTo(POINT point) {
    const auto x = ClickPoints::desktopAbsolute(point.x, GetSystemMetrics(SM_XVIRTUALSCREEN),
                                                GetSystemMetrics(SM_CXVIRTUALSCREEN));
    const auto y = ClickPoints::desktopAbsolute(point.y, GetSystemMetrics(SM_YVIRTUALSCREEN),
                                                GetSystemMetrics(SM_CYVIRTUALSCREEN));
    MouseInput::send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK, static_cast<DWORD>(x),
                     static_cast<DWORD>(y), 0, 0);
}
}  // namespace

void clickAtPoint(POINT point, std::int32_t button) {
    POINT usersPointer{};
    const bool known = GetCursorPos(&usersPointer) != FALSE;
    moveTo(point);
    CMouseEvent mouse;
    mouse.ButtonPress(button);
    mouse.ButtonRelease(button);
    if (known) moveTo(usersPointer);
}
