// A window timer that is either enabled, firing every interval, or not.
#pragma once

#include "platform/Win32.h"

class WindowTimer {
public:
    WindowTimer(UINT_PTR id, UINT intervalMs);
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer();

    void attach(HWND owner) { owner_ = owner; }
    UINT_PTR id() const { return id_; }
    bool Enabled() const { return enabled_; }
    // Enabling starts a full interval afresh, also when it was enabled already.
    void Enabled(bool on);

    // Every timer of the program stops: nothing may run on once an error is being reported.
    static void stopAll();

    // Tests tick by hand: while set, an enabled timer asks the system for no ticks.
    static void tickByHand(bool byHand);

private:
    HWND owner_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};
