#pragma once

#include "platform/Win32.h"

#include <string>

// A plain message: OK button only, no icon. Returns when the user has closed it.
void showMessage(HWND owner, const std::string& text, const std::string& title);
// While a message is shown; its box's own message loop goes on dispatching meanwhile.
bool messageShown();

// Tests put their own shower in place (it records and returns at once) and get the old one back.
using MessageShower = void (*)(HWND owner, const std::string& text, const std::string& title);
MessageShower replaceMessageShower(MessageShower shower);
