#pragma once

#include "platform/Win32.h"

// Runs until WM_QUIT. F1 in the main window becomes the Help > Contents command;
// Tab and the arrow keys move between the controls of whichever form is active.
int RunMessageLoop(HWND mainWindow, UINT contentsCommand = 0);
