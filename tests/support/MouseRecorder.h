// Records every mouse_event call CMouseEvent makes, while it is in scope.
// With forwarding on, the calls also reach the system.
#pragma once

#include "platform/MouseInput.h"

#include <cstdint>
#include <vector>

struct MouseCall {
    DWORD flags;
    std::int32_t dx;
    std::int32_t dy;
    std::int32_t data;
    bool operator==(const MouseCall&) const = default;
};

class MouseRecorder {
public:
    enum class Forward { No, ToSystem };
    explicit MouseRecorder(Forward forward = Forward::No);
    MouseRecorder(const MouseRecorder&) = delete;
    MouseRecorder& operator=(const MouseRecorder&) = delete;
    ~MouseRecorder();

    const std::vector<MouseCall>& calls() const;

private:
    MouseInput::Sender previous_;
};
