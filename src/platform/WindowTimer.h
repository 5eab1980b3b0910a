// A window timer that is either enabled, firing every interval, or not.
#pragma once

#include "platform/Win32.h"

class WindowTimer {
public:
    WindowTimer(UINT_PTR id, UINT intervalMs) : id_(id), interval_(intervalMs) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() { Enabled(false); }

    void attach(HWND owner) { owner_ = owner; }
    UINT_PTR id() const { return id_; }
    bool Enabled() const { return enabled_; }
    // Enabling starts a full interval afresh, also when it was enabled already.
    void Enabled(bool on) {
        if (on && owner_) SetTimer(owner_, id_, interval_, nullptr);
        if (!on && enabled_ && owner_ && IsWindow(owner_)) KillTimer(owner_, id_);
        enabled_ = on && owner_;
    }

private:
    HWND owner_ = nullptr;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};
