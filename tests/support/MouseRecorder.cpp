#include "MouseRecorder.h"

namespace {
std::vector<MouseCall> recorded;
bool forwarding = false;

void record(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) {
    recorded.push_back({flags, static_cast<std::int32_t>(dx), static_cast<std::int32_t>(dy),
                        static_cast<std::int32_t>(data)});
    if (forwarding) MouseInput::sendToSystem(flags, dx, dy, data, extraInfo);
}
}  // namespace

MouseRecorder::MouseRecorder(Forward forward) : previous_(MouseInput::replaceSender(&record)) {
    recorded.clear();
    forwarding = forward == Forward::ToSystem;
}

MouseRecorder::~MouseRecorder() {
    MouseInput::replaceSender(previous_);
    forwarding = false;
}

const std::vector<MouseCall>& MouseRecorder::calls() const { return recorded; }
