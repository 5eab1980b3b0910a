// Input as a user makes it: the real pointer moved onto a control and clicked,
// keys pressed on the keyboard. Everything goes through the system's input queue.
#pragma once

#include "platform/Win32.h"

#include <string>

namespace UserInput {

void movePointer(POINT screen);
void clickWindow(HWND window);  // the middle of the window
void pressKey(WORD virtualKey);
void pressWithAlt(char letter);
void type(const std::string& text);

}  // namespace UserInput
