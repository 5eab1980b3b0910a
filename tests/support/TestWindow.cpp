#include "TestWindow.h"

#include "platform/MessageLoop.h"

#include <algorithm>

TestWindow::TestWindow(RECT bounds, COLORREF colour) : brush_(CreateSolidBrush(colour)) {
    static const ATOM windowClass = [] {
        WNDCLASSA description{};
        description.lpfnWndProc = &TestWindow::procedure;
        description.lpszClassName = "ClikpadTestWindow";
        return RegisterClassA(&description);
    }();
    window_.reset(CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(windowClass), "", WS_POPUP | WS_VISIBLE, bounds.left,
                                  bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                                  nullptr, this));
    SetForegroundWindow(window_.get());
    pumpFor(50);
}

POINT TestWindow::centre() const {
    RECT rect{};
    GetWindowRect(window_.get(), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void TestWindow::repaint(COLORREF colour) {
    brush_.reset(CreateSolidBrush(colour));
    RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    pumpFor(50);
}

LRESULT CALLBACK TestWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    self->received_.push_back({message, now.QuadPart});
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (message != WM_ERASEBKGND) return DefWindowProcA(window, message, wParam, lParam);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, self->brush_.get());
    return 1;
}

void routeKey(WPARAM virtualKey) {
    MSG message{GetFocus(), WM_KEYDOWN, virtualKey, 1, 0, {}};
    MessageRouter(nullptr, 0).route(message);
}

void whenPickerShows(std::optional<POINT> clickAt) {
    static std::optional<POINT> target;
    static DWORD actedAt;
    target = clickAt, actedAt = 0;
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD now) {
        HWND overlay = FindWindowA("ClikpadPointPicker", nullptr);
        if (actedAt && (!overlay || now - actedAt > 5000)) {  // done, or stuck: closed
            KillTimer(nullptr, timer);
            if (overlay) PostMessageA(overlay, WM_CLOSE, 0, 0);
        }
        if (!overlay || actedAt) return;
        actedAt = now;
        if (!target) return keybd_event(VK_ESCAPE, 1, 0, 0), keybd_event(VK_ESCAPE, 1, KEYEVENTF_KEYUP, 0);
        SetCursorPos(target->x, target->y);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0), mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    });
}

void pumpFor(DWORD milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    for (const DWORD start = GetTickCount();;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 20), QS_ALLINPUT);
    }
}
