// Input as a user makes it, through the system's input queue.
#pragma once

#include "platform/Win32.h"

namespace UserInput {

void movePointer(POINT screen);
void clickWindow(HWND window);                         // the middle of the window
void pressKey(WORD virtualKey, bool withAlt = false);  // by its virtual-key code, with Alt held when asked

}  // namespace UserInput
