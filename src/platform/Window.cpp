#include "platform/Window.h"

#include "platform/Handles.h"

void setTopMost(HWND window, bool on) {
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void centreOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::uint32_t pixelUnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return pixelAt(pointer);
}

std::uint32_t pixelAt(POINT point) {
    const WindowDC screen;  // the whole desktop, every monitor
    return GetPixel(screen.get(), point.x, point.y);
}

bool onAMonitor(POINT point) { return MonitorFromPoint(point, MONITOR_DEFAULTTONULL) != nullptr; }
