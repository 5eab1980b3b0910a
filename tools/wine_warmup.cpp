// Started once before the tests: brings up Wine's desktop and services so that
// they inherit this program's output file, not the pipe of the first test.
#include "platform/Win32.h"

int main() {
    HWND window = CreateWindowExA(0, "STATIC", "warm-up", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    DestroyWindow(window);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ, &key) == ERROR_SUCCESS) RegCloseKey(key);
    return 0;
}
