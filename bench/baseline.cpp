// The baseline Clikpad is measured against: the least a Win32 program with one window,
// a status bar and a 1000 ms timer can be, built by the same toolchain, with the same
// manifest requests (Common Controls 6, per-monitor DPI), so that what every such
// program pays is not charged to Clikpad.
#include "platform/Win32.h"

#include <commctrl.h>

namespace {
LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BaselineWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "BaselineWindow", "Baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  191, 230, nullptr, nullptr, instance, nullptr);
    CreateWindowExA(0, STATUSCLASSNAMEA, "Status", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, instance,
                    nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    SetTimer(window, 1, 1000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
