// Started once before the tests: brings up Wine's desktop and services so that
// they inherit this program's output file, not the pipe of the first test.
#include "platform/Handles.h"

int main() {
    const OwnedWindow window(CreateWindowExA(0, "STATIC", "warm-up", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr,
                                             nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!window) return 1;
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    RegKey key;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ, key.put());
    return 0;
}
