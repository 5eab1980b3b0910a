// The notification icon while the main window is minimised to it. Its
// callback arrives on Picture2's window as WM_MOUSEMOVE carrying the mouse
// message in lParam.
#pragma once

#include "platform/NotificationIcons.h"

#include <string>

class NotificationIcon {
public:
    static constexpr UINT kId = 1;
    static constexpr UINT kCallbackMessage = WM_MOUSEMOVE;

    // Fills TrayIconData and adds the icon. False when the shell refused it.
    bool add(HWND callbackWindow, HICON icon);
    // The same icon once more, after the shell made its notification area anew. A
    // shell that kept its icons refuses the add; the icon is then brought up to date.
    bool addAgain();
    void remove();
    // A balloon from the icon, for a word to the user while the window is hidden.
    void showBalloon(const std::string& title, const std::string& text);
    bool shown() const { return shown_; }

    // The record as it was last filled; the first, shortest form of NOTIFYICONDATAA.
    const NOTIFYICONDATAA& TrayIconData() const { return data_; }

private:
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
};
