#include "UserInput.h"

#include "TestWindow.h"

namespace UserInput {
namespace {
void key(WORD virtualKey, bool up) {
    // With its scan code, as a keyboard sends it: Wine needs it to translate the key.
    const auto scan = static_cast<BYTE>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    keybd_event(static_cast<BYTE>(virtualKey), scan, up ? KEYEVENTF_KEYUP : 0, 0);
}

void character(char c, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<unsigned char>(c);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &input, sizeof input);
}

void settle() { pumpFor(60); }
}  // namespace

void movePointer(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    settle();
}

void clickWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    movePointer({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    settle();
}

void pressKey(WORD virtualKey) {
    key(virtualKey, false);
    key(virtualKey, true);
    settle();
}

void pressWithAlt(char letter) {
    key(VK_MENU, false);
    key(static_cast<WORD>(VkKeyScanA(letter) & 0xFF), false);
    key(static_cast<WORD>(VkKeyScanA(letter) & 0xFF), true);
    key(VK_MENU, true);
    settle();
}

void type(const std::string& text) {
    for (const char c : text) {
        character(c, false);
        character(c, true);
    }
    settle();
}

}  // namespace UserInput
