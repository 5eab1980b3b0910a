#include "platform/MouseInput.h"

namespace MouseInput {
namespace {
void sendToSystem(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) {
    mouse_event(flags, dx, dy, data, extraInfo);
}

Sender currentSender = &sendToSystem;
DWORD ownInput = 0;
}  // namespace

void send(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) {
    currentSender(flags, dx, dy, data, extraInfo);
    LASTINPUTINFO last{sizeof last, 0};
    if (GetLastInputInfo(&last)) ownInput = last.dwTime;
}

DWORD ownInputTick() { return ownInput; }

Sender replaceSender(Sender sender) {
    const Sender previous = currentSender;
    currentSender = sender ? sender : &sendToSystem;
    return previous;
}

}  // namespace MouseInput
