// A painted window of the test's own that records its messages, and the pump tests wait with.
#pragma once

#include "platform/Win32.h"

#include <functional>
#include <vector>

struct ReceivedMessage {
    UINT message;
    LPARAM lParam;
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
    std::vector<ReceivedMessage> receivedOf(std::initializer_list<UINT> kinds) const;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HBRUSH brush_ = nullptr;
    std::vector<ReceivedMessage> received_;
};

class MessageRouter;

// Dispatches this thread's messages (through the router, as the program's loop
// does, when one is given) until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000, MessageRouter* router = nullptr);
void pumpFor(DWORD milliseconds);
