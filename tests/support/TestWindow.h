// A top-level window of the test's own: painted in one colour, placed where the
// test says, and recording the messages it receives.
#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <functional>
#include <vector>

struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;      // GetMessageTime() while it was handled
    LONGLONG ticks;  // QueryPerformanceCounter when it was handled
};

// Seconds between two QueryPerformanceCounter readings.
double SecondsBetween(LONGLONG from, LONGLONG to);

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
    std::vector<ReceivedMessage> receivedOf(std::initializer_list<UINT> kinds) const;
    void clearReceived() { received_.clear(); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HBRUSH brush_ = nullptr;
    std::vector<ReceivedMessage> received_;
};

class MessageRouter;

// Dispatches this thread's messages until the condition holds or the time is up;
// with a router, as the program's own loop does.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000, MessageRouter* router = nullptr);
// Dispatches this thread's messages for the given time.
void PumpFor(DWORD milliseconds);
