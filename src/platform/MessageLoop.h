#pragma once

#include "platform/Win32.h"

// What happens to a message before it is dispatched: F1 anywhere in the program
// becomes the main window's help command; Tab, the arrow keys and the captions'
// Alt letters move within whichever form is active.
class MessageRouter {
public:
    MessageRouter(HWND mainWindow, UINT contentsCommand);
    MessageRouter(const MessageRouter&) = delete;
    MessageRouter& operator=(const MessageRouter&) = delete;
    ~MessageRouter();

    // True when the message was consumed and must not be dispatched.
    bool route(MSG& message);

private:
    HWND mainWindow_;
    HACCEL accelerators_;
};

// Runs until WM_QUIT and returns its exit code.
int runMessageLoop(HWND mainWindow, UINT contentsCommand);
