#include "platform/MessageLoop.h"

namespace {
HACCEL helpAccelerator(UINT command) {
    if (command == 0) return nullptr;
    ACCEL f1{FVIRTKEY, VK_F1, static_cast<WORD>(command)};
    return CreateAcceleratorTableA(&f1, 1);
}
}  // namespace

int RunMessageLoop(HWND mainWindow, UINT contentsCommand) {
    HACCEL accelerators = helpAccelerator(contentsCommand);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (accelerators && IsWindow(mainWindow) && TranslateAcceleratorA(mainWindow, accelerators, &message))
            continue;
        HWND active = GetActiveWindow();
        if (active && IsDialogMessageA(active, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (accelerators) DestroyAcceleratorTable(accelerators);
    return static_cast<int>(message.wParam);
}
