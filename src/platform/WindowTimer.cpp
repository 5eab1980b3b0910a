#include "platform/WindowTimer.h"

#include <algorithm>
#include <vector>

namespace {
bool ticksByHand = false;

std::vector<WindowTimer*>& liveTimers() {
    static std::vector<WindowTimer*> timers;
    return timers;
}
}  // namespace

WindowTimer::WindowTimer(UINT_PTR id, UINT intervalMs) : id_(id), interval_(intervalMs) {
    liveTimers().push_back(this);
}

WindowTimer::~WindowTimer() {
    Enabled(false);
    std::erase(liveTimers(), this);
}

void WindowTimer::Enabled(bool on) {
    if (on && owner_ && !ticksByHand) SetTimer(owner_, id_, interval_, nullptr);
    if (!on && enabled_ && owner_ && IsWindow(owner_)) KillTimer(owner_, id_);
    enabled_ = on && owner_;
}

void WindowTimer::stopAll() {
    for (WindowTimer* timer : liveTimers()) timer->Enabled(false);
}

void WindowTimer::tickByHand(bool byHand) { ticksByHand = byHand; }
