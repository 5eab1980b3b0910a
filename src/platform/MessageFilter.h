// Lets a message reach a window from processes of lower integrity. Windows drops
// such messages for an elevated program (the shell's "TaskbarCreated" among them)
// unless the window asks for them.
#pragma once

#include "platform/Win32.h"

namespace MessageFilter {

void allow(HWND window, UINT message);

// Tests put their own allower in place (Wine has no such filter) and get the old one back.
using Allower = void (*)(HWND window, UINT message);
Allower replaceAllower(Allower allower);

}  // namespace MessageFilter
