#pragma once

#include "platform/Handles.h"

// What happens to a message before it is dispatched: F1 anywhere in the program
// becomes the main window's help command; Tab, the arrow keys and the captions'
// Alt letters move within whichever form is active.
class MessageRouter {
public:
    MessageRouter(HWND mainWindow, UINT contentsCommand);

    // True when the message was consumed and must not be dispatched.
    bool route(MSG& message);

private:
    HWND mainWindow_;
    OwnedAccelerators accelerators_;
};

// Runs until WM_QUIT and returns its exit code.
int runMessageLoop(HWND mainWindow, UINT contentsCommand);
