#include "platform/MessageLoop.h"

namespace {
HACCEL helpKeyTable(UINT contentsCommand) {
    ACCEL f1{FVIRTKEY, VK_F1, static_cast<WORD>(contentsCommand)};
    return CreateAcceleratorTableA(&f1, 1);
}
}  // namespace

MessageRouter::MessageRouter(HWND mainWindow, UINT contentsCommand)
    : mainWindow_(mainWindow), accelerators_(helpKeyTable(contentsCommand)) {}

bool MessageRouter::route(MSG& message) {
    if (accelerators_ && IsWindow(mainWindow_) && TranslateAcceleratorA(mainWindow_, accelerators_.get(), &message))
        return true;
    HWND active = GetActiveWindow();
    return active && IsDialogMessageA(active, &message);
}

int runMessageLoop(HWND mainWindow, UINT contentsCommand) {
    MessageRouter router(mainWindow, contentsCommand);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (router.route(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
