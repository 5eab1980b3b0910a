// The one way out for synthesised mouse input. Production sends to mouse_event;
// a test may put its own sender in place to see the exact arguments.
#pragma once

#include "platform/Win32.h"

namespace MouseInput {

using Sender = void (*)(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo);

void send(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo);

// Puts a sender in place and returns the one it replaced.
Sender replaceSender(Sender sender);

// The time the system gave the program's own last input (GetLastInputInfo right after
// it was sent), so that it is not taken for the user's.
DWORD ownInputTick();

}  // namespace MouseInput
