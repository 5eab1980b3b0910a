#include "platform/Dialog.h"

#include "platform/Window.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
// The dialogs that hold a main window, in the order they took it: the main window is
// given back only when the last of them closes.
std::vector<const Dialog*>& holders() {
    static std::vector<const Dialog*> dialogs;
    return dialogs;
}
}  // namespace

void Dialog::Show(Holds holds) {
    if (holds == Holds::MainWindow && !std::exchange(holding_, true)) {
        holders().push_back(this);
        EnableWindow(mainWindow_, FALSE);  // Unload gives it back
    }
    if (!shownBefore_) centreOnScreen(hwnd());
    shownBefore_ = true;
    beforeShowing();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(control(focusControl_));
}

void Dialog::Unload() {
    if (!exists()) return;
    unloading();
    release();
}

void Dialog::release() {
    if (!exists()) return;
    if (std::exchange(holding_, false)) std::erase(holders(), this);
    const auto stillHolding = std::find_if(holders().rbegin(), holders().rend(),
                                           [this](const Dialog* other) { return other->mainWindow_ == mainWindow_; });
    if (stillHolding == holders().rend()) EnableWindow(mainWindow_, TRUE);
    // Windows activates the window below the closing one, which for a topmost dialog
    // may be another program's topmost window: hand activation over first.
    if (GetActiveWindow() == hwnd()) {
        HWND heir = stillHolding != holders().rend() ? (*stillHolding)->hwnd() : mainWindow_;
        if (IsWindowVisible(heir)) SetActiveWindow(heir);
    }
    destroy();
}

bool Dialog::handleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_CLOSE) return false;  // the close box and Alt+F4 come here
    Unload();
    result = 0;
    return true;
}
