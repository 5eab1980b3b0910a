#include "platform/Dialog.h"

#include "platform/Window.h"

void Dialog::Show(Holds holds) {
    if (holds == Holds::MainWindow) EnableWindow(mainWindow_, FALSE);  // Unload gives it back
    if (!shownBefore_) centreOnScreen(hwnd());
    shownBefore_ = true;
    beforeShowing();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(control(focusControl_));
}

void Dialog::Unload() {
    if (!exists()) return;
    EnableWindow(mainWindow_, TRUE);
    // Windows activates the window below the closing one, which for a topmost dialog
    // may be another program's topmost window: hand activation over first.
    if (GetActiveWindow() == hwnd() && IsWindowVisible(mainWindow_)) SetActiveWindow(mainWindow_);
    destroy();
}

bool Dialog::handleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_CLOSE) return false;  // the close box and Alt+F4 come here
    Unload();
    result = 0;
    return true;
}
