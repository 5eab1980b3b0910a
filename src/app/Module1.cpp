#include "app/Module1.h"

#include "platform/ScreenDC.h"

std::uint32_t PixelUnderCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const ScreenDC screen;
    return GetPixel(screen.get(), cursor.x, cursor.y);
}

void SetTopMost(HWND window, bool on) {
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}
