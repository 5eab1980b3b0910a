// A painted window of the test's own that records its messages, and the pump tests wait with.
#pragma once

#include "platform/Handles.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

struct ReceivedMessage {
    UINT message;
    LONGLONG ticks;  // QueryPerformanceCounter when it was handled
};

class TestWindow {
public:
    TestWindow(RECT bounds, COLORREF colour);
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return window_.get(); }
    POINT centre() const;
    void repaint(COLORREF colour);
    const std::vector<ReceivedMessage>& received() const { return received_; }
    long long received(UINT message) const { return std::ranges::count(received_, message, &ReceivedMessage::message); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    OwnedBrush brush_;
    std::vector<ReceivedMessage> received_;  // the window's last messages still go here
    OwnedWindow window_;
};

inline int iconWidth(HICON icon) {  // of its image in pixels, 0 for no icon
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    const OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);
    GetObjectA(colour.get(), sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

void routeKey(WPARAM virtualKey);  // pressed on the focused window, as the program's message loop takes it

// Once the point picker shows, a real click at the point, or Escape for none; a picker up after 5 s is closed.
void whenPickerShows(std::optional<POINT> clickAt);

// Dispatches this thread's messages until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);
void pumpFor(DWORD milliseconds);
