// Input as a user makes it: the real pointer moved onto a control and clicked,
// keys pressed on the keyboard. Everything goes through the system's input queue.
#pragma once

#include "platform/Win32.h"

#include <string>

namespace UserInput {

void MovePointer(POINT screen);
void ClickWindow(HWND window);  // the middle of the window
void PressKey(WORD virtualKey);
void PressWithAlt(char letter);
void Type(const std::string& text);

}  // namespace UserInput
