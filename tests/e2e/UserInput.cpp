#include "UserInput.h"

#include "TestWindow.h"

namespace UserInput {
namespace {
void key(WORD virtualKey, bool up) {
    const auto scan = static_cast<BYTE>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));  // Wine needs it to translate
    keybd_event(static_cast<BYTE>(virtualKey), scan, up ? KEYEVENTF_KEYUP : 0, 0);
}
}  // namespace

void movePointer(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    pumpFor(60);
}

void clickWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    movePointer({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0), mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    pumpFor(60);
}

void pressKey(WORD virtualKey, bool withAlt) {
    if (withAlt) key(VK_MENU, false);
    key(virtualKey, false), key(virtualKey, true);
    if (withAlt) key(VK_MENU, true);
    pumpFor(60);
}

}  // namespace UserInput
