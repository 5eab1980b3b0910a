#include "TestWindow.h"

#include "platform/MessageLoop.h"

#include <algorithm>

namespace {
constexpr const char* kClassName = "ClikpadTestWindow";

void registerClassOnce() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;  // replaced per window below
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
}
}  // namespace

TestWindow::TestWindow(RECT bounds, COLORREF colour) : brush_(CreateSolidBrush(colour)) {
    registerClassOnce();
    window_ = CreateWindowExA(WS_EX_TOPMOST, kClassName, "Clikpad test target", WS_POPUP, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestWindow::procedure));
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
    PumpFor(50);
}

TestWindow::~TestWindow() {
    DestroyWindow(window_);
    DeleteObject(brush_);
}

POINT TestWindow::centre() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void TestWindow::repaint(COLORREF colour) {
    DeleteObject(brush_);
    brush_ = CreateSolidBrush(colour);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
    PumpFor(50);
}

std::vector<ReceivedMessage> TestWindow::receivedOf(std::initializer_list<UINT> kinds) const {
    std::vector<ReceivedMessage> matching;
    std::copy_if(received_.begin(), received_.end(), std::back_inserter(matching), [&](const ReceivedMessage& m) {
        return std::find(kinds.begin(), kinds.end(), m.message) != kinds.end();
    });
    return matching;
}

LRESULT CALLBACK TestWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    self->received_.push_back({message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), now.QuadPart});
    if (message == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, self->brush_);
        return 1;
    }
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcA(window, message, wParam, lParam);
}

double SecondsBetween(LONGLONG from, LONGLONG to) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to - from) / static_cast<double>(frequency.QuadPart);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs, MessageRouter* router) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (router && router->route(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 20), QS_ALLINPUT);
    }
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}
