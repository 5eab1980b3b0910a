// A painted window of the test's own that records its messages, and the pump tests wait with.
#pragma once

#include "platform/Win32.h"

#include <functional>
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
    ~TestWindow();

    HWND handle() const { return window_; }
    POINT centre() const;
    void repaint(COLORREF colour);
    const std::vector<ReceivedMessage>& received() const { return received_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HBRUSH brush_ = nullptr;
    std::vector<ReceivedMessage> received_;
};

// Dispatches this thread's messages until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);
void pumpFor(DWORD milliseconds);
