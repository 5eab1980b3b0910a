// System-wide hot keys, held as the word a hot-key control gives (HKM_GETHOTKEY): the
// virtual key in the low byte, the HOTKEYF_* modifiers in the high byte; 0 is none.
#pragma once

#include "platform/Win32.h"

#include <string>

namespace HotKey {

// Registers the key for the window under the id as HotKeyRule::registrationOf gives it;
// none is no registration and counts as done. False when another program holds the key.
bool registerFor(HWND window, int id, WORD key);
void unregisterFrom(HWND window, int id);
// Gives every key the program holds back to Windows, so that none stays taken by a
// program that is ending.
void unregisterAll();

// As the keyboard names it: "F6", "Ctrl+Shift+F7"; "" for none.
std::string name(WORD key);

}  // namespace HotKey
