#include "platform/PointPicker.h"

#include "platform/FatalError.h"
#include "platform/Handles.h"

#include <stdexcept>
#include <string>

namespace PointPicker {
namespace {

constexpr const char* kOverlayClass = "ClikpadPointPicker";
constexpr const char* kLabelClass = "ClikpadPointLabel";
constexpr BYTE kOverlayAlpha = 64;  // a quarter dark: the screen stays readable below it

struct Picking {
    std::optional<POINT> chosen;
    std::optional<POINT> pressedAt;
    bool done = false;
    OwnedWindow label;
};
Picking* current = nullptr;

void finish(std::optional<POINT> chosen) {
    current->chosen = chosen;
    current->done = true;
}

// The coordinates in a small box beside the pointer, on the pointer's monitor, at its scaling.
void showCoordinates(POINT at) {
    HWND label = current->label.get();
    const std::string text = std::to_string(at.x) + ", " + std::to_string(at.y);
    SetWindowTextA(label, text.c_str());
    const UINT dpi = GetDpiForWindow(label);
    const int width = MulDiv(110, static_cast<int>(dpi), 96), height = MulDiv(20, static_cast<int>(dpi), 96);
    const int gap = MulDiv(16, static_cast<int>(dpi), 96);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
    int left = at.x + gap, top = at.y + gap;
    if (left + width > monitor.rcMonitor.right) left = at.x - gap - width;
    if (top + height > monitor.rcMonitor.bottom) top = at.y - gap - height;
    SetWindowPos(label, HWND_TOPMOST, left, top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(label, nullptr, TRUE);
}

void paintLabel(HWND label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT client{};
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &client, GetSysColorBrush(COLOR_INFOTEXT));
    const OwnedFont font(CreateFontA(-MulDiv(9, static_cast<int>(GetDpiForWindow(label)), 72), 0, 0, 0, FW_NORMAL, 0, 0,
                                     0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    const SelectedObject selected(dc, font.get());
    char text[64] = {};
    GetWindowTextA(label, text, sizeof text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    DrawTextA(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(label, &paint);
}

POINT screenPoint(HWND overlay, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(overlay, &point);
    return point;
}

void keyPressed(WPARAM key) {
    POINT pointer{};
    GetCursorPos(&pointer);
    if (key == VK_ESCAPE) return finish(std::nullopt);
    if (key == VK_RETURN || key == VK_SPACE) return finish(pointer);
    const int step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
    const int dx = key == VK_LEFT ? -step : key == VK_RIGHT ? step : 0;
    const int dy = key == VK_UP ? -step : key == VK_DOWN ? step : 0;
    if (!dx && !dy) return;
    pointer.x += dx, pointer.y += dy;
    SetCursorPos(pointer.x, pointer.y);
    showCoordinates(pointer);
}

LRESULT overlayMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        showCoordinates(screenPoint(window, lParam));
        return 0;
    case WM_LBUTTONDOWN:  // chosen at the press, done at the release, which would otherwise go below
        current->pressedAt = screenPoint(window, lParam);
        SetCapture(window);
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        if (current->pressedAt) finish(current->pressedAt);
        return 0;
    case WM_RBUTTONUP:
        finish(std::nullopt);
        return 0;
    case WM_KEYDOWN:
        keyPressed(wParam);
        return 0;
    case WM_CLOSE:
        finish(std::nullopt);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK overlayProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!current || fatalErrorReported()) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return overlayMessage(window, message, wParam, lParam);
    } catch (...) {
        endWithFatalError(std::current_exception());
        return 0;
    }
}

LRESULT CALLBACK labelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    paintLabel(window);
    return 0;
}

void registerClasses() {
    static const bool registered = [] {
        WNDCLASSEXA overlay{};
        overlay.cbSize = sizeof overlay;
        overlay.lpfnWndProc = &overlayProcedure;
        overlay.hInstance = GetModuleHandleA(nullptr);
        overlay.hCursor = LoadCursorA(nullptr, IDC_CROSS);
        overlay.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        overlay.lpszClassName = kOverlayClass;
        WNDCLASSEXA label = overlay;
        label.lpfnWndProc = &labelProcedure;
        label.hCursor = nullptr;
        label.lpszClassName = kLabelClass;
        return RegisterClassExA(&overlay) && RegisterClassExA(&label);
    }();
    if (!registered) throw std::runtime_error("Cannot register the point picker's windows");
}

// Over the whole desktop: every monitor, also those left of and above the main one.
OwnedWindow makeOverlay() {
    OwnedWindow overlay(CreateWindowExA(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW, kOverlayClass, "", WS_POPUP,
                                        GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                                        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN),
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!overlay) throw std::runtime_error("Cannot make the point picker's overlay");
    SetLayeredWindowAttributes(overlay.get(), 0, kOverlayAlpha, LWA_ALPHA);
    return overlay;
}

// Clicks pass through it to the overlay below.
OwnedWindow makeLabel() {
    OwnedWindow label(
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                        kLabelClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    if (label) SetLayeredWindowAttributes(label.get(), 0, 255, LWA_ALPHA);
    return label;
}

}  // namespace

std::optional<POINT> pick() {
    if (current) return std::nullopt;  // one overlay at a time
    registerClasses();
    Picking state;
    state.label = makeLabel();
    const OwnedWindow overlay = makeOverlay();
    current = &state;
    ShowWindow(overlay.get(), SW_SHOW);
    SetForegroundWindow(overlay.get());
    SetFocus(overlay.get());
    POINT pointer{};
    if (GetCursorPos(&pointer)) showCoordinates(pointer);
    MSG message;
    while (!state.done) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the main loop's to take
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    current = nullptr;
    return state.chosen;
}

bool picking() { return current != nullptr; }

}  // namespace PointPicker
