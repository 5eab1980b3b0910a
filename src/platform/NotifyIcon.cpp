#include "platform/NotifyIcon.h"

bool NotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
    using ShellNotifyIconA = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
    static const auto notify = [] {
        HMODULE shell = LoadLibraryA("shell32.dll");  // stays loaded for the program's life
        return shell ? reinterpret_cast<ShellNotifyIconA>(
                           reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconA")))
                     : nullptr;
    }();
    return notify && notify(message, data) != FALSE;
}
